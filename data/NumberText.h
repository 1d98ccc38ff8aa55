#pragma once

// Number conversion and formatting with the C library's rules in the "C" locale, whatever locale
// the process runs under: files written here must read back the same on every machine.

#include <string>
#include <string_view>

// atof: leading white space, then the longest decimal prefix (sign, digits, point, exponent);
// 0.0 when there is none. Hexadecimal, "inf" and "nan" are not numbers here.
double parseDouble(std::string_view text);
// Whether parseDouble finds a number at the start of the text (rather than giving 0.0 for none).
bool startsWithNumber(std::string_view text);

// atoi: leading white space, sign, digits; 0 when there are none. Saturates at the int32 range.
int parseInt(std::string_view text);

// "%.<decimals>f", always with a point.
std::string formatFixed(double value, int decimals);
void appendFixed(std::string &out, double value, int decimals);
// A read-out for people: as appendFixed, but a value that rounds to zero shows no minus sign
// ("0.0", never "-0.0"). Files keep appendFixed's text.
void appendReadout(std::string &out, double value, int decimals);
std::string formatReadout(double value, int decimals);

// "%d".
std::string formatInt(int value);
void appendInt(std::string &out, int value);
