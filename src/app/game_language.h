#pragma once
// Which language this run plays in, and where its message catalogue is found.

#include <string>

namespace yacht {

// Where the catalogues are: the locale folder beside the program when it runs from the build
// folder (so the tests play in every language without installing), else the installed one.
std::string catalogueFolder(const std::string& programFolder, const std::string& installed);

// Plays this run in the --language code when one was given, else in the desktop's language.
// Safe to call again after Qt has set the locale, which it does as the application starts.
void chooseGameLanguage(const std::string& option, const std::string& folder);

}  // namespace yacht
