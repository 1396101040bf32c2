#include "rules/scoring.h"

namespace yacht {

const std::array<const char*, category::Count + 1> kCategoryCaptions = {
    "",
    "  Ones",
    "  Twos",
    "  Threes",
    "  Fours",
    "  Fives",
    "  Sixes",
    "  3 of a kind",
    "  4 of a kind",
    "  Full house",
    "  Small straight",
    "  Large straight",
    "  Chance",
    "  Yacht",
};

std::string withoutLeadingBlanks(const std::string& caption)
{
    const auto first = caption.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : caption.substr(first);
}

}  // namespace yacht
