#pragma once
// The test-only pseudo-language puts every message of the catalogues in [[brackets]]: what a text
// shows outside them did not come from the catalogues.

#include <cstddef>
#include <regex>
#include <string>

namespace yacht::test {

// What is left of a text once every [[bracketed]] message is taken out, nested ones included.
inline std::string outsideBrackets(const std::string& text)
{
    std::string out;
    int depth = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "[[") == 0) {
            ++depth;
            i += 2;
        } else if (depth > 0 && text.compare(i, 2, "]]") == 0) {
            --depth;
            i += 2;
        } else {
            if (depth == 0) out += text[i];
            ++i;
        }
    }
    return out;
}

// Whether a text has a word in it (a letter of the English alphabet), not only digits and signs.
inline bool hasLetter(const std::string& text)
{
    return std::regex_search(text, std::regex("[A-Za-z]"));
}

}  // namespace yacht::test
