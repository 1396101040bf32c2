#include "app/executables.h"

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace yacht {

std::string runningProgramFolder()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}

std::string gameExecutable(const std::string& programFolder, const std::string& fileName,
                           const std::string& installed)
{
    if (!programFolder.empty()) {
        const std::string beside = programFolder + "/" + fileName;
        if (::access(beside.c_str(), X_OK) == 0) return beside;
    }
    if (!installed.empty() && ::access(installed.c_str(), X_OK) == 0) return installed;
    return "";
}

void becomeExecutable(const std::string& executable, char** argv)
{
    if (executable.empty()) {
        errno = ENOENT;
        return;
    }
    ::execv(executable.c_str(), argv);
}

}  // namespace yacht
