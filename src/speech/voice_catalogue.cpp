#include "speech/voice_catalogue.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "narration/catalogue.h"
#include "narration/phrase_book.h"

namespace yacht {
namespace {

// Marks a word for the catalogues; it is translated where it is said.
constexpr const char* N_(const char* english)
{
    return english;
}

std::string lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool isEnglish(const std::string& language)
{
    const std::string l = lower(language);
    return l.rfind("en", 0) == 0 && (l.size() == 2 || l[2] == '-' || l[2] == '_');
}

bool isPlain(const SynthesisVoice& v)
{
    const std::string variant = lower(v.variant);
    return variant.empty() || variant == "none" || variant == "default";
}

// A language code, not words: no blank, and a first part of two or three letters ("en",
// "en-GB", "en_us", "mb-en1").
bool looksLikeCode(const std::string& name)
{
    if (name.empty()) return true;
    if (name.find(' ') != std::string::npos) return false;
    const std::size_t first = std::min(name.find_first_of("-_"), name.size());
    if (first < 2 || first > 3) return false;
    return std::all_of(name.begin(), name.begin() + static_cast<long>(first),
                       [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
}

std::string region(const std::string& code)
{
    static const std::pair<const char*, const char*> names[] = {
        {"us", N_("United States")}, {"gb", N_("United Kingdom")}, {"uk", N_("United Kingdom")},
        {"au", N_("Australia")},     {"ca", N_("Canada")},         {"ie", N_("Ireland")},
        {"in", N_("India")},         {"nz", N_("New Zealand")},    {"za", N_("South Africa")},
        {"029", N_("Caribbean")},    {"scotland", N_("Scotland")}, {"jm", N_("Jamaica")},
        {"de", N_("Germany")},       {"at", N_("Austria")},        {"ch", N_("Switzerland")},
        {"fr", N_("France")},        {"be", N_("Belgium")},        {"es", N_("Spain")},
        {"mx", N_("Mexico")},        {"419", N_("Latin America")},
    };
    const std::string c = lower(code);
    for (const auto& [key, name] : names)
        if (c == key) return translate(name);
    std::string out = code;
    for (char& ch : out)
        if (ch == '-' || ch == '_') ch = ' ';
    return out;
}

// The name of a language the game is played in, in the game's language; nullptr for another.
const char* languageName(const std::string& language)
{
    static const std::pair<const char*, const char*> names[] = {
        {"en", N_("English")}, {"de", N_("German")}, {"fr", N_("French")}, {"es", N_("Spanish")},
    };
    const std::string l = lower(language);
    const std::string base = l.substr(0, l.find_first_of("-_"));
    for (const auto& [key, name] : names)
        if (base == key) return translate(name);
    return nullptr;
}

// "en-GB" gives "English, United Kingdom", in the game's language; "de-AT" in a game in German,
// French or Spanish "German, Austria" in its words. Other languages keep their code.
std::string describeLanguage(const std::string& language)
{
    if (language.empty()) return translate("default voice");
    const bool english = isEnglish(language);
    const char* name = languageName(language);
    if (!name || (!english && languageInUse().empty())) return language;
    const std::size_t cut = language.find_first_of("-_");
    if (cut == std::string::npos || cut + 1 >= language.size()) return name;
    // TRANSLATORS: a voice's language, then the region it is spoken in: "English, Canada".
    return fillPhrase(translate("%1$s, %2$s"), {name, region(language.substr(cut + 1))});
}

// Readable words from a name: "English (America, New York City)" gives
// "English, America, New York City"; "+", "_" and "-" between words become blanks.
std::string readable(const std::string& name)
{
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c == '(') {
            while (!out.empty() && out.back() == ' ') out.pop_back();
            out += ", ";
        } else if (c == ')') {
            continue;
        } else if (c == '+' || c == '_' || c == '-') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    while (!out.empty() && (out.back() == ' ' || out.back() == ',')) out.pop_back();
    return out;
}

}  // namespace

std::string describeVoice(const SynthesisVoice& voice)
{
    // A game in another language describes the voices of its languages in its own words: the
    // server's names are English.
    const bool ownWords = !languageInUse().empty() && languageName(voice.language);
    if (ownWords || looksLikeCode(voice.name) || lower(voice.name) == lower(voice.language))
        return describeLanguage(voice.language);
    return readable(voice.name);
}

std::vector<VoiceChoice> chooseVoices(const std::vector<SynthesisVoice>& listed,
                                      const std::string& defaultLanguage)
{
    const std::string wanted = lower(defaultLanguage);
    const auto speaks = [&](const SynthesisVoice& v, const std::string& language) {
        return lower(v.language) == language;
    };
    // The default voice: the plain voice of the default language, else any voice of it, else
    // the first of the same language without its region.
    const SynthesisVoice* first = nullptr;
    for (const auto& v : listed)
        if (speaks(v, wanted) && isPlain(v)) { first = &v; break; }
    if (!first)
        for (const auto& v : listed)
            if (speaks(v, wanted)) { first = &v; break; }
    if (!first) {
        const std::string base = wanted.substr(0, wanted.find_first_of("-_"));
        for (const auto& v : listed)
            if (!base.empty() && lower(v.language).rfind(base, 0) == 0 && isPlain(v)) {
                first = &v;
                break;
            }
    }

    std::vector<VoiceChoice> out;
    std::set<std::string> languages;
    if (first) {
        out.push_back({first->name, first->language, describeVoice(*first)});
        languages.insert(lower(first->language));
    } else {
        out.push_back({"", defaultLanguage, describeLanguage(defaultLanguage)});
        languages.insert(wanted);
    }

    // One voice per variety of English: its plain voice when it has one, else its first.
    std::vector<const SynthesisVoice*> picks;
    for (const auto& v : listed) {
        if (!isEnglish(v.language)) continue;
        const std::string key = lower(v.language);
        if (languages.count(key)) continue;
        auto same = std::find_if(picks.begin(), picks.end(),
                                 [&](const SynthesisVoice* p) { return lower(p->language) == key; });
        if (same == picks.end())
            picks.push_back(&v);
        else if (!isPlain(**same) && isPlain(v))
            *same = &v;
    }
    for (const auto* v : picks) out.push_back({v->name, v->language, describeVoice(*v)});
    return out;
}

}  // namespace yacht
