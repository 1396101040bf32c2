#include "rules/category_prices.h"

#include <string>

namespace yacht {
namespace {

// The distinct faces showing, ascending, as letters: A for 1 up to F for 6.
std::string faceString(const std::array<int, 7>& count)
{
    std::string s;
    for (int f = 1; f <= 6; ++f)
        if (count[f] > 0) s += static_cast<char>(64 + f);
    return s;
}

bool contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

}  // namespace

CategoryValues priceDice(const std::array<int, kDiceThrown>& faces)
{
    CategoryValues v{};
    std::array<int, 7> count{};
    int sum = 0;
    for (int face : faces) {
        if (face >= 1 && face <= 6) {
            ++count[face];
            sum += face;
        }
    }

    for (int f = 1; f <= 6; ++f) v[f] = static_cast<int16_t>(f * count[f]);

    bool three = false, pair = false;
    for (int f = 1; f <= 6; ++f) {
        if (count[f] > 2) v[category::ThreeOfAKind] = static_cast<int16_t>(sum);
        if (count[f] > 3) v[category::FourOfAKind] = static_cast<int16_t>(sum);
        // Exactly three and exactly two: five of a face, or four and one, is no full house.
        if (count[f] == 3) three = true;
        if (count[f] == 2) pair = true;
    }
    if (three && pair) v[category::FullHouse] = 25;

    // Straights are read from the distinct faces only, so a face thrown twice does not break one.
    const std::string faceset = faceString(count);
    if (contains(faceset, "ABCD") || contains(faceset, "BCDE") || contains(faceset, "CDEF"))
        v[category::SmallStraight] = 30;
    if (contains(faceset, "ABCDE") || contains(faceset, "BCDEF")) v[category::LargeStraight] = 40;

    v[category::Chance] = static_cast<int16_t>(sum);

    // Five dice still showing "?" are not a Yacht, so the first die must show a face.
    v[category::Yacht] = faces[0] >= 1 && faces[0] <= 6 ? 50 : 0;
    for (int i = 1; i < kDiceThrown; ++i)
        if (faces[i] != faces[0]) v[category::Yacht] = 0;
    return v;
}

}  // namespace yacht
