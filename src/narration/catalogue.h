#pragma once
// The game's message catalogues (GNU gettext's .po and .mo files, text domain "yacht"): which language the player
// reads and hears, where its catalogue lies, and the lookups the phrase book and the front ends
// make. The English words are the message ids, so English needs no catalogue at all.

#include <string>

namespace yacht {

// The language to play in, from an explicit code (--language) or the desktop's environment
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, in gettext's order). "" means the game's own English.
struct LanguageChoice {
    std::string code;  // a gettext language list such as "de_DE:de", or "" for English
};

// Reads the choice from the environment the way gettext would: the C and POSIX locales and an
// unset environment mean English; otherwise LANGUAGE's list, else the locale's language.
LanguageChoice languageFromEnvironment();

// The choice for a --language code ("de", "fr_CA", "C", "en").
LanguageChoice languageFromCode(const std::string& code);

// Finds the language's compiled catalogue in localeDir (DIR/de/LC_MESSAGES/yacht.mo) and makes
// every later lookup use it. It needs no generated locale: the game reads the catalogue itself.
// Returns false when no language of the list has a catalogue, and the game then stays in
// English.
bool useLanguage(const LanguageChoice& choice, const std::string& localeDir);

// The language in use: its first code ("de"), or "" for English.
const std::string& languageInUse();

// The text in the player's language, or the English text itself when it has no translation.
const char* translate(const char* english);

// The singular or plural form for n in the player's language; English's own rule otherwise.
const char* translatePlural(const char* one, const char* other, unsigned long n);

// The text translated in a context (such as "brief"), or nullptr when the catalogue has none,
// so that the caller can fall back to another wording.
const char* translateInContext(const char* context, const char* english);

// A text of several lines with each line translated, the line ends kept as they are.
std::string translateLines(const std::string& text);

}  // namespace yacht
