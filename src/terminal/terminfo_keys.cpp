#include "terminal/terminfo_keys.h"

#include <curses.h>
#include <term.h>
#include <unistd.h>

#include "engine/key_codes.h"

namespace yacht {
namespace {

// terminfo's numbering of function keys past F12: each twelve is F1 to F12 with more held.
constexpr int kGroupModifiers[] = {0, keys::Shift, keys::Ctrl, keys::Ctrl | keys::Shift, keys::Alt,
                                   keys::Alt | keys::Shift};

std::string capability(const char* name)
{
    char* value = tigetstr(const_cast<char*>(name));
    if (value == nullptr || value == reinterpret_cast<char*>(-1)) return {};
    return value;
}

}  // namespace

KeyStrings terminfoKeyStrings(const std::string& term)
{
    KeyStrings out;
    if (term.empty()) return out;
    int error = 0;
    // Reads the entry only; standard output is never written to.
    if (setupterm(const_cast<char*>(term.c_str()), STDOUT_FILENO, &error) != OK) return out;
    for (int n = 1; n <= 72; ++n) {
        const std::string text = capability(("kf" + std::to_string(n)).c_str());
        if (text.empty()) continue;
        const int group = (n - 1) / 12;
        out.push_back({text, Key{keys::F1 + (n - 1) % 12, kGroupModifiers[group]}});
    }
    const std::pair<const char*, int> arrows[] = {
        {"kcuu1", keys::Up}, {"kcud1", keys::Down}, {"kcub1", keys::Left}, {"kcuf1", keys::Right}};
    for (const auto& [name, code] : arrows) {
        const std::string text = capability(name);
        if (!text.empty()) out.push_back({text, Key{code, 0}});
    }
    del_curterm(cur_term);
    return out;
}

}  // namespace yacht
