#include "app/terminal_exec.h"

#include <unistd.h>
#include <vector>

namespace yacht {

std::string terminalGameExecutable(const std::string& programFolder, const std::string& installed)
{
    if (!programFolder.empty()) {
        const std::string beside = programFolder + "/yacht-terminal";
        if (::access(beside.c_str(), X_OK) == 0) return beside;
    }
    if (!installed.empty() && ::access(installed.c_str(), X_OK) == 0) return installed;
    return "";
}

void execTerminalGame(const std::string& executable, int argc, char** argv)
{
    if (executable.empty()) return;
    std::vector<char*> args(argv, argv + argc);
    args.push_back(nullptr);
    args[0] = const_cast<char*>(executable.c_str());
    ::execv(executable.c_str(), args.data());
}

}  // namespace yacht
