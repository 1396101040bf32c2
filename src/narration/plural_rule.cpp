#include "narration/plural_rule.h"

#include <cctype>
#include <optional>

namespace yacht {
namespace {

// Evaluates the rule by recursive descent, with C's precedence: ?: below ||, &&, equality,
// comparison, + -, * / %, and unary !.
class Evaluator {
public:
    Evaluator(const std::string& text, unsigned long n) : text_(text), n_(n) {}

    std::optional<unsigned long> whole()
    {
        const auto value = conditional();
        skipBlanks();
        if (!ok_ || at_ != text_.size()) return std::nullopt;
        return value;
    }

private:
    unsigned long conditional()
    {
        const unsigned long test = binary(0);
        if (!take("?")) return test;
        const unsigned long yes = conditional();
        if (!take(":")) ok_ = false;
        const unsigned long no = conditional();
        return test ? yes : no;
    }

    // Levels of binary operators, loosest first.
    unsigned long binary(int level)
    {
        static const char* const levels[][4] = {
            {"||"}, {"&&"}, {"==", "!="}, {"<=", ">=", "<", ">"}, {"+", "-"}, {"*", "/", "%"}};
        constexpr int count = sizeof levels / sizeof levels[0];
        if (level == count) return unary();
        unsigned long left = binary(level + 1);
        for (;;) {
            const char* found = nullptr;
            for (const char* op : levels[level])
                if (op && take(op)) {
                    found = op;
                    break;
                }
            if (!found) return left;
            const unsigned long right = binary(level + 1);
            left = apply(found, left, right);
        }
    }

    unsigned long apply(const std::string& op, unsigned long a, unsigned long b)
    {
        if (op == "||") return a || b;
        if (op == "&&") return a && b;
        if (op == "==") return a == b;
        if (op == "!=") return a != b;
        if (op == "<=") return a <= b;
        if (op == ">=") return a >= b;
        if (op == "<") return a < b;
        if (op == ">") return a > b;
        if (op == "+") return a + b;
        if (op == "-") return a - b;
        if (op == "*") return a * b;
        if (b == 0) {
            ok_ = false;
            return 0;
        }
        return op == "/" ? a / b : a % b;
    }

    unsigned long unary()
    {
        if (take("!")) return !unary();
        if (take("(")) {
            const unsigned long value = conditional();
            if (!take(")")) ok_ = false;
            return value;
        }
        if (take("n")) return n_;
        skipBlanks();
        if (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) {
            unsigned long value = 0;
            while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])))
                value = value * 10 + static_cast<unsigned long>(text_[at_++] - '0');
            return value;
        }
        ok_ = false;
        return 0;
    }

    // Takes the operator or token when it comes next; "<" is not taken from "<=", nor "!" from "!=".
    bool take(const std::string& token)
    {
        skipBlanks();
        if (text_.compare(at_, token.size(), token) != 0) return false;
        const char after = at_ + token.size() < text_.size() ? text_[at_ + token.size()] : '\0';
        if ((token == "<" || token == ">" || token == "!") && after == '=') return false;
        at_ += token.size();
        return true;
    }

    void skipBlanks()
    {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
    }

    const std::string& text_;
    unsigned long n_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace

std::size_t pluralForm(const std::string& rule, unsigned long n)
{
    if (!rule.empty())
        if (const auto form = Evaluator(rule, n).whole()) return *form;
    return n == 1 ? 0 : 1;
}

std::string pluralRuleOfHeader(const std::string& header)
{
    const auto line = header.find("Plural-Forms:");
    if (line == std::string::npos) return "";
    const auto end = header.find('\n', line);
    const std::string forms = header.substr(line, end == std::string::npos ? end : end - line);
    const auto plural = forms.find("plural=");
    if (plural == std::string::npos) return "";
    std::string rule = forms.substr(plural + 7);
    const auto semicolon = rule.rfind(';');
    if (semicolon != std::string::npos) rule.erase(semicolon);
    return rule;
}

}  // namespace yacht
