#include "app/front_end.h"

namespace yacht {

bool isVirtualConsole(const std::string& name)
{
    const auto digitsAfter = [&name](const std::string& prefix) {
        if (name.rfind(prefix, 0) != 0 || name.size() == prefix.size()) return false;
        return name.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
    };
    return digitsAfter("/dev/tty") || digitsAfter("/dev/vc/");
}

FrontEnd chooseFrontEnd(const StartPlace& place, const std::function<bool()>& displayAvailable)
{
    const bool terminal = place.inputTerminal && place.outputTerminal;
    if (place.terminalAsked) return terminal ? FrontEnd::Terminal : FrontEnd::TerminalUnavailable;
    if (terminal && isVirtualConsole(place.inputTtyName)) return FrontEnd::Terminal;
    if (displayAvailable()) return FrontEnd::Window;
    return terminal ? FrontEnd::Terminal : FrontEnd::NoDisplay;
}

}  // namespace yacht
