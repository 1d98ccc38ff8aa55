#pragma once

// Texts a person reads are written in Japanese, the program's source language, and pass through
// tx() when they are shown. The window installs a catalogue lookup; without one (the command line,
// the core's own tests) every text stays as written. The extraction tool knows tx as `translate`
// and TX_NOOP as `QT_TRANSLATE_NOOP`, so every marked text reaches the catalogues.

#include <initializer_list>
#include <string>
#include <string_view>

using TextLookup = std::string (*)(const char *context, const char *source);

// nullptr restores the texts as written. language is the code of the lookup's catalogue, so that
// what the window starts (the animation renderer) can speak the same language.
void setTextLookup(TextLookup lookup, std::string language = "ja");

// The code of the language texts are shown in: "ja" when they stay as written.
std::string textLanguage();

// The text in the chosen language.
std::string tx(const char *context, const char *source);

// Marks a text in a table that is translated later, where it is shown, with tx(context, entry).
#define TX_NOOP(context, source) source

// Puts the values into %1, %2, … of a translated text, so that each language orders its words.
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values);
