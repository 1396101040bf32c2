#include "speech/unthrown_dice.h"

#include "narration/catalogue.h"

namespace yacht {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::string unthrownDiceNamed(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool alone = text[i] == '?' && (i == 0 || isBlank(text[i - 1])) &&
                           (i + 1 == text.size() || isBlank(text[i + 1]));
        if (alone)
            out += translate("question mark");
        else
            out += text[i];
    }
    return out;
}

}  // namespace yacht
