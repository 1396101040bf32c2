#include "terminal/terminal_keys.h"

#include "engine/key_codes.h"

namespace yacht {
namespace {

constexpr int kStateKey = 'I';
constexpr int kSheetKey = 'L';

}  // namespace

TerminalKey terminalKey(Key decoded)
{
    if (decoded.code == 'C' && decoded.modifier == keys::Ctrl) return {TerminalCommand::GameKey, Key{keys::F12}};
    if (decoded.code == keys::Escape && decoded.modifier == 0) return {TerminalCommand::GameKey, Key{keys::CtrlKey}};
    if (decoded.modifier == 0 && decoded.code == kStateKey) return {TerminalCommand::StateLine, decoded};
    if (decoded.modifier == 0 && decoded.code == kSheetKey) return {TerminalCommand::SheetLines, decoded};
    return {TerminalCommand::GameKey, decoded};
}

std::optional<QuestionAnswer> questionAnswer(Key decoded)
{
    if (decoded.code == keys::Enter || (decoded.code == 'Y' && decoded.modifier == 0)) return QuestionAnswer::Ok;
    if (decoded.code == keys::Escape || (decoded.code == 'N' && decoded.modifier == 0) ||
        (decoded.code == 'C' && decoded.modifier == keys::Ctrl))
        return QuestionAnswer::Cancel;
    return std::nullopt;
}

}  // namespace yacht
