#pragma once
// How the narrator says points that are not whole: to one decimal, as the voice reads it well.

#include <string>

namespace yacht {

// Points rounded to one decimal, "3.1" or "12.0", with the decimal comma ("3,1") of the
// languages that write one. The language of the words around it decides ("de", "" for English),
// never the machine's locale.
std::string tenths(double points, const std::string& language);

}  // namespace yacht
