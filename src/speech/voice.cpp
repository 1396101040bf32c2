#include "speech/voice.h"

namespace yacht {

std::string unwrapMarkup(const std::string& text)
{
    static const std::string open = "<XML>";
    static const std::string close = "</XML>";
    std::string inner = text;
    if (inner.compare(0, open.size(), open) == 0) inner.erase(0, open.size());
    if (inner.size() >= close.size() &&
        inner.compare(inner.size() - close.size(), close.size(), close) == 0)
        inner.erase(inner.size() - close.size());
    return inner;
}

}  // namespace yacht
