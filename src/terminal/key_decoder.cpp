#include "terminal/key_decoder.h"

#include "engine/key_codes.h"

namespace yacht {
namespace {

constexpr char kEsc = '\x1b';

// How far decoding the front of the bytes got.
struct Step {
    enum class Kind { Key, Incomplete } kind = Kind::Key;
    Key key;
    std::size_t length = 0;
};

Step incomplete()
{
    return Step{Step::Kind::Incomplete, Key{}, 0};
}

Step keyOf(int code, int modifier, std::size_t length)
{
    return Step{Step::Kind::Key, Key{code, modifier}, length};
}

// The modifier parameter of xterm's sequences (1 + Shift 1, Alt 2, Ctrl 4, Meta 8) as the game's
// modifiers (Shift 1, Ctrl 2, Alt 4); Meta counts as Alt.
int gameModifier(int xtermParameter)
{
    if (xtermParameter < 2) return 0;
    const int bits = xtermParameter - 1;
    int out = 0;
    if (bits & 1) out |= keys::Shift;
    if (bits & 4) out |= keys::Ctrl;
    if (bits & (2 | 8)) out |= keys::Alt;
    return out;
}

// One byte that is not an Escape: a character, a control character, or the lead of a UTF-8
// character the game has no key for.
Step plainByte(std::string_view b)
{
    const auto c = static_cast<unsigned char>(b[0]);
    if (c == '\r' || c == '\n') return keyOf(keys::Enter, 0, 1);
    if (c == '\t') return keyOf(keys::Tab, 0, 1);
    if (c == 0x7f || c == 0x08) return keyOf(keys::Backspace, 0, 1);
    if (c == 0) return keyOf(keys::Space, keys::Ctrl, 1);
    if (c < 0x20) {
        if (c <= 26) return keyOf('A' + c - 1, keys::Ctrl, 1);
        return keyOf(keys::OtherKey, keys::Ctrl, 1);
    }
    if (c < 0x80) {
        if (c >= 'a' && c <= 'z') return keyOf(c - 'a' + 'A', 0, 1);
        if (c == ' ' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return keyOf(c, 0, 1);
        return keyOf(keys::OtherKey, 0, 1);
    }
    // A UTF-8 character is one key, whatever its length; a stray continuation byte is one too.
    std::size_t length = c >= 0xf0 ? 4 : c >= 0xe0 ? 3 : c >= 0xc0 ? 2 : 1;
    std::size_t have = 1;
    while (have < length && have < b.size() && (static_cast<unsigned char>(b[have]) & 0xc0) == 0x80) ++have;
    if (have < length && have == b.size()) return incomplete();
    return keyOf(keys::OtherKey, 0, have);
}

// The key of "ESC [ n ~": the editing keys and the function keys, xterm's numbering, with the
// Linux console's Shift+F1 to Shift+F8 (its F13 to F20).
Key tildeKey(int n)
{
    switch (n) {
    case 11: return Key{keys::F1};
    case 12: return Key{keys::F2};
    case 13: return Key{keys::F3};
    case 14: return Key{keys::F4};
    case 15: return Key{keys::F1 + 4};
    case 17: case 18: case 19: case 20: case 21: return Key{keys::F1 + 5 + (n - 17)};
    case 23: return Key{keys::F1 + 10};
    case 24: return Key{keys::F12};
    case 25: case 26: return Key{keys::F1 + (n - 25), keys::Shift};
    case 28: case 29: return Key{keys::F1 + 2 + (n - 28), keys::Shift};
    case 31: case 32: case 33: case 34: return Key{keys::F1 + 4 + (n - 31), keys::Shift};
    default: return Key{keys::OtherKey};
    }
}

// The key a sequence's final letter names: the arrows, and F1 to F4 (xterm and SS3).
int letterKey(char final)
{
    switch (final) {
    case 'A': return keys::Up;
    case 'B': return keys::Down;
    case 'C': return keys::Right;
    case 'D': return keys::Left;
    case 'P': return keys::F1;
    case 'Q': return keys::F2;
    case 'R': return keys::F3;
    case 'S': return keys::F4;
    case 'M': return keys::Enter;  // the keypad's Enter in application mode
    default: return keys::OtherKey;
    }
}

// "ESC [" and what follows: parameters, then one final byte.
Step controlSequence(std::string_view b)
{
    if (b.size() < 3) return incomplete();
    if (b[2] == '[') {  // the Linux console's F1 to F5: ESC [ [ A .. E
        if (b.size() < 4) return incomplete();
        const char f = b[3];
        return keyOf(f >= 'A' && f <= 'E' ? keys::F1 + (f - 'A') : keys::OtherKey, 0, 4);
    }
    int params[4] = {0, 0, 0, 0};
    int count = 0;
    std::size_t i = 2;
    for (; i < b.size(); ++i) {
        const char c = b[i];
        if (c >= '0' && c <= '9') {
            if (count == 0) count = 1;
            if (count <= 4 && params[count - 1] < 1000) params[count - 1] = params[count - 1] * 10 + (c - '0');
        } else if (c == ';') {
            count = count == 0 ? 2 : count + 1;
        } else if (c >= 0x40 && c <= 0x7e) {
            break;
        } else if (c < 0x20 || c > 0x7e) {
            // Not a sequence after all: the Escape and the bracket were an Alt+[ typed.
            return keyOf(keys::OtherKey, keys::Alt, 2);
        }
    }
    if (i == b.size()) return i >= 24 ? keyOf(keys::OtherKey, 0, i) : incomplete();
    const char final = b[i];
    const int modifier = count >= 2 ? gameModifier(params[1]) : 0;
    if (final == '~') {
        Key k = tildeKey(params[0]);
        return keyOf(k.code, k.modifier | modifier, i + 1);
    }
    if (final == 'Z') return keyOf(keys::Tab, keys::Shift, i + 1);
    return keyOf(letterKey(final), modifier, i + 1);
}

// "ESC O" and what follows: an optional modifier digit, then one final letter.
Step singleShift(std::string_view b)
{
    std::size_t i = 2;
    int modifier = 0;
    while (i < b.size() && b[i] >= '0' && b[i] <= '9') modifier = modifier * 10 + (b[i++] - '0');
    if (i == b.size()) return incomplete();
    return keyOf(letterKey(b[i]), gameModifier(modifier), i + 1);
}

}  // namespace

std::vector<Key> KeyDecoder::feed(std::string_view bytes)
{
    buffer_.append(bytes);
    return decode(false);
}

std::vector<Key> KeyDecoder::flush()
{
    return decode(true);
}

std::vector<Key> KeyDecoder::decode(bool final)
{
    std::vector<Key> out;
    std::size_t at = 0;
    while (at < buffer_.size()) {
        const std::string_view rest = std::string_view(buffer_).substr(at);
        Step step;
        bool known = false;
        bool prefix = false;
        for (const auto& [text, key] : strings_) {
            if (text.empty()) continue;
            if (rest.substr(0, text.size()) == text) {
                if (!known || text.size() > step.length) step = keyOf(key.code, key.modifier, text.size());
                known = true;
            } else if (text.size() > rest.size() && std::string_view(text).substr(0, rest.size()) == rest) {
                prefix = true;
            }
        }
        if (!known) {
            if (rest[0] != kEsc) {
                step = plainByte(rest);
            } else if (rest.size() == 1) {
                step = incomplete();
            } else if (rest[1] == '[') {
                step = controlSequence(rest);
            } else if (rest[1] == 'O') {
                step = singleShift(rest);
            } else if (rest[1] == kEsc) {
                step = keyOf(keys::Escape, 0, 1);
            } else {
                step = plainByte(rest.substr(1));
                if (step.kind == Step::Kind::Key) {
                    step.key.modifier |= keys::Alt;
                    ++step.length;
                }
            }
        }
        if (step.kind == Step::Kind::Incomplete || (prefix && !known && !final)) {
            if (!final) break;
            // Nothing more came: the Escape was pressed alone, and what followed it is typed keys.
            step = rest[0] == kEsc ? keyOf(keys::Escape, 0, 1) : keyOf(keys::OtherKey, 0, rest.size());
        }
        out.push_back(step.key);
        at += step.length;
    }
    buffer_.erase(0, at);
    return out;
}

}  // namespace yacht
