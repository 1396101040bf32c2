#include "narration/catalogue.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "narration/message_catalogue.h"

namespace yacht {
namespace {

constexpr const char* domain = "yacht";

std::optional<MessageCatalogue>& catalogue()
{
    static std::optional<MessageCatalogue> inEffect;
    return inEffect;
}

std::string& inUse()
{
    static std::string code;
    return code;
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// "de_DE.UTF-8@euro" -> "de_DE": the part of a locale name that names a language.
std::string languageOfLocale(const std::string& locale)
{
    const auto end = locale.find_first_of(".@");
    return locale.substr(0, end);
}

bool isEnglish(const std::string& code)
{
    return code.empty() || code == "C" || code == "POSIX" || code == "en" || code.rfind("en_", 0) == 0;
}

}  // namespace

LanguageChoice languageFromEnvironment()
{
    std::string locale = environment("LC_ALL");
    if (locale.empty()) locale = environment("LC_MESSAGES");
    if (locale.empty()) locale = environment("LANG");
    // gettext ignores LANGUAGE under the C locale, and so does the game: LANG=C is English.
    const std::string language = languageOfLocale(locale);
    if (language.empty() || language == "C" || language == "POSIX") {
        if (locale.empty() || locale == "C" || locale == "POSIX") return {};
    }
    std::string list = environment("LANGUAGE");
    if (list.empty()) list = language;
    // English first in the list means the game's own words.
    const std::string first = list.substr(0, list.find(':'));
    if (isEnglish(languageOfLocale(first))) return {};
    return {list};
}

LanguageChoice languageFromCode(const std::string& code)
{
    const std::string language = languageOfLocale(code);
    if (isEnglish(language)) return {};
    // "fr_CA" also finds the plain French catalogue.
    const auto underscore = language.find('_');
    if (underscore == std::string::npos) return {language};
    return {language + ":" + language.substr(0, underscore)};
}

namespace {

// The catalogue of the first language of the list that has one, trying each code as gettext
// does: "de_DE.UTF-8" as "de_DE", then as "de".
std::optional<MessageCatalogue> findCatalogue(const std::string& list, const std::string& localeDir,
                                              std::string& found)
{
    std::size_t at = 0;
    while (at <= list.size()) {
        const auto end = std::min(list.find(':', at), list.size());
        const std::string code = languageOfLocale(list.substr(at, end - at));
        for (const std::string& tried : {code, code.substr(0, code.find('_'))}) {
            if (tried.empty()) continue;
            if (auto loaded = MessageCatalogue::load(localeDir + "/" + tried + "/LC_MESSAGES/" + domain + ".mo")) {
                found = tried;
                return loaded;
            }
        }
        at = end + 1;
    }
    return std::nullopt;
}

}  // namespace

bool useLanguage(const LanguageChoice& choice, const std::string& localeDir)
{
    inUse().clear();
    catalogue().reset();
    // English: no catalogue is consulted, whatever the environment says.
    if (choice.code.empty()) return true;
    std::string found;
    catalogue() = findCatalogue(choice.code, localeDir, found);
    if (!catalogue()) return false;
    inUse() = found.substr(0, found.find('_'));
    return true;
}

const std::string& languageInUse()
{
    return inUse();
}

const char* translate(const char* english)
{
    if (!catalogue() || !*english) return english;
    const char* found = catalogue()->find(english);
    return found ? found : english;
}

const char* translatePlural(const char* one, const char* other, unsigned long n)
{
    const char* found = catalogue() ? catalogue()->findPlural(one, n) : nullptr;
    if (found) return found;
    return n == 1 ? one : other;
}

const char* translateInContext(const char* context, const char* english)
{
    if (!catalogue()) return nullptr;
    return catalogue()->find(std::string(context) + '\004' + english);
}

std::string translateLines(const std::string& text)
{
    if (inUse().empty()) return text;
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos) end = text.size();
        if (end > at) out += translate(text.substr(at, end - at).c_str());
        const std::size_t next = text.find_first_not_of("\r\n", end);
        out += text.substr(end, (next == std::string::npos ? text.size() : next) - end);
        at = next == std::string::npos ? text.size() : next;
    }
    return out;
}

}  // namespace yacht
