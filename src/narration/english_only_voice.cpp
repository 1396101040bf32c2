#include "narration/english_only_voice.h"

namespace yacht {

bool speaksEnglishOnly(const std::string& engine)
{
    return engine == "flite";
}

std::string englishOnlyNotice(const std::string& language)
{
    const std::string name = language == "de"   ? "German"
                             : language == "fr" ? "French"
                             : language == "es" ? "Spanish"
                                                : language;
    return "The built-in voice speaks English only. Speech dispatcher is needed to play in " + name +
           ", so the game goes on in English. ";
}

}  // namespace yacht
