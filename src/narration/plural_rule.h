#pragma once
// A language's plural rule as its catalogue's header writes it ("plural=(n != 1);", "plural=(n >
// 1);", or the longer ones of other languages): a C expression of n that gives the form to use.

#include <cstddef>
#include <string>

namespace yacht {

// The form (0 for the first) that the rule picks for n. An empty or malformed rule is English's:
// 0 for one, 1 otherwise.
std::size_t pluralForm(const std::string& rule, unsigned long n);

// The rule from a catalogue header's "Plural-Forms:" line, "" when it has none.
std::string pluralRuleOfHeader(const std::string& header);

}  // namespace yacht
