#pragma once
// The voice that speaks English only, and the one English line a game in another language says
// when that voice is the one left to speak.

#include <string>

namespace yacht {

// Whether the speech engine (as the command line names it) speaks English only: the built-in
// flite voice does.
bool speaksEnglishOnly(const std::string& engine);

// The English line a game in `language` ("de") says when only the English flite voice can speak.
std::string englishOnlyNotice(const std::string& language);

}  // namespace yacht
