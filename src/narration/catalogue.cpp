#include "narration/catalogue.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace yacht {
namespace {

constexpr const char* domain = "yacht";

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

bool useLanguage(const LanguageChoice& choice, const std::string& localeDir)
{
    inUse().clear();
    bindtextdomain(domain, localeDir.c_str());
    bind_textdomain_codeset(domain, "UTF-8");
    if (choice.code.empty()) {
        // English: no catalogue is consulted, whatever the environment says.
        setenv("LANGUAGE", "", 1);
        textdomain(domain);
        return true;
    }
    // The player's own locale when it is installed; otherwise C.UTF-8, under which gettext
    // still reads LANGUAGE (under plain "C" it would not).
    const char* messages = std::setlocale(LC_MESSAGES, "");
    if (!messages || std::string(messages) == "C" || std::string(messages) == "POSIX")
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    setenv("LANGUAGE", choice.code.c_str(), 1);
    // Setting the domain again makes gettext forget what it looked up before.
    textdomain(domain);
    // A catalogue answers the empty message id with its header.
    const char* header = dgettext(domain, "");
    if (!header || !*header) {
        setenv("LANGUAGE", "", 1);
        textdomain(domain);
        return false;
    }
    inUse() = choice.code.substr(0, choice.code.find_first_of(":_"));
    return true;
}

const std::string& languageInUse()
{
    return inUse();
}

const char* translate(const char* english)
{
    if (inUse().empty() || !*english) return english;
    return dgettext(domain, english);
}

const char* translatePlural(const char* one, const char* other, unsigned long n)
{
    if (inUse().empty()) return n == 1 ? one : other;
    return dngettext(domain, one, other, n);
}

const char* translateInContext(const char* context, const char* english)
{
    if (inUse().empty()) return nullptr;
    const std::string key = std::string(context) + '\004' + english;
    const char* found = dgettext(domain, key.c_str());
    // gettext hands back its argument when the catalogue has no entry.
    if (found == key.c_str()) return nullptr;
    return found;
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
