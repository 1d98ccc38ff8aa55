#pragma once

// The language of the window and of the command line's notes and errors: Japanese, the texts as
// written, or a catalogue built into the program. The files written (setups, routes) never change
// with it; a picture saved or exported from the window shows the window's texts, one rendered on
// the command line the texts as written unless a language is asked for.

#include <functional>
#include <string>
#include <vector>

// Takes `--lang CODE` out of args. The language asked for there, else in TRACELET_LANG, else the
// system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, the first one set): "ja" for Japanese, a code
// with a catalogue for that one, English for everything else.
std::string chooseLanguage(
    std::vector<std::string> &args, const std::function<const char *(const char *)> &environment);

// Whether the program carries a catalogue for the language ("ja" needs none).
bool hasCatalogue(const std::string &language);

// Loads the language's catalogue and Qt's own texts for it (with an application), and routes every
// text through them. "ja" removes them again: the texts as written.
void installLanguage(const std::string &language);

// The same, with the texts drawn into pictures in pictureLanguage.
void installLanguage(const std::string &language, const std::string &pictureLanguage);
