#include "app/game_language.h"

#include <filesystem>
#include <system_error>

#include "narration/catalogue.h"

namespace yacht {

std::string catalogueFolder(const std::string& programFolder, const std::string& installed)
{
    if (!programFolder.empty()) {
        std::error_code error;
        const std::filesystem::path beside = std::filesystem::path(programFolder) / "locale";
        if (std::filesystem::is_directory(beside, error)) return beside.string();
    }
    return installed;
}

void chooseGameLanguage(const std::string& option, const std::string& folder)
{
    useLanguage(option.empty() ? languageFromEnvironment() : languageFromCode(option), folder);
}

}  // namespace yacht
