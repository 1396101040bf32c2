#pragma once
// A die not yet thrown shows "?". Synthesisers at their usual punctuation level say nothing for
// a question mark standing alone, so F2 before a throw would be silent; each voice says such a
// die in words. A question's own mark, after a word, stays as it is.

#include <string>

namespace yacht {

std::string unthrownDiceNamed(const std::string& text);

}  // namespace yacht
