#pragma once
// The speech queue in the tests' shorthand (and keys printed readably): items joined by TAB, a leading TAB allowed, and the
// name "rolldice" for the dice sound; and the queue printed that way when a check fails.

#include <ostream>
#include <string>

#include "engine/key.h"
#include "engine/speech_queue.h"

namespace yacht {

inline std::string tabbed(const SpeechQueue& q)
{
    std::string out;
    for (const SpeechItem& item : q.items()) {
        if (&item != &q.items().front()) out += '\t';
        out += item.text;
    }
    return out;
}

inline void PrintTo(const SpeechQueue& q, std::ostream* os)
{
    *os << '"' << tabbed(q) << '"';
}

inline void PrintTo(const Key& k, std::ostream* os)
{
    *os << "key " << k.code << " modifier " << k.modifier;
}

namespace test {

inline SpeechQueue queued(const std::string& text)
{
    SpeechQueue q;
    std::string rest = !text.empty() && text.front() == '\t' ? text.substr(1) : text;
    while (!rest.empty()) {
        const auto tab = rest.find('\t');
        const std::string item = rest.substr(0, tab);
        if (item == "rolldice")
            q.sound(item);
        else
            q.say(item);
        if (tab == std::string::npos) break;
        rest.erase(0, tab + 1);
    }
    return q;
}

}  // namespace test
}  // namespace yacht
