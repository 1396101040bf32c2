#include "terminal/console_readers.h"

#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace yacht {
namespace {

std::string firstLine(const std::string& path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\n' || line.back() == ' ' || line.back() == '\r')) line.pop_back();
    return line;
}

std::string baseName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The program a process runs: its command name, or for a script its interpreter's first
// argument ("python3 /usr/bin/fenrir" is fenrir).
bool processIs(const std::string& procDir, const std::string& name)
{
    if (firstLine(procDir + "/comm") == name) return true;
    std::ifstream in(procDir + "/cmdline", std::ios::binary);
    const std::string cmdline((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t start = 0;
    for (int arg = 0; arg < 2 && start < cmdline.size(); ++arg) {
        const std::size_t end = cmdline.find('\0', start);
        const std::string word = baseName(cmdline.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (word == name || word == name + "-daemon" || word == name + ".py") return true;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return false;
}

}  // namespace

ConsoleReaders findConsoleReaders(const std::string& root,
                                  const std::function<std::string(const char*)>& environment)
{
    ConsoleReaders found;
    const std::string base = root.empty() || root.back() == '/' ? root : root + "/";
    const std::string synth = firstLine(base + "sys/accessibility/speakup/synth");
    found.speakup = !synth.empty() && synth != "none";
    // Orca reads the desktop: it can be reading this terminal only when the game was started from
    // the desktop (a display is named) and it runs for this user. Fenrir reads the console, and
    // runs as root.
    const bool fromDesktop = !environment("DISPLAY").empty() || !environment("WAYLAND_DISPLAY").empty();
    if (DIR* proc = opendir((base + "proc").c_str())) {
        while (const dirent* entry = readdir(proc)) {
            const std::string pid = entry->d_name;
            if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
            const std::string dir = base + "proc/" + pid;
            if (!found.fenrir && processIs(dir, "fenrir")) found.fenrir = true;
            struct stat owner {};
            if (!found.orca && fromDesktop && stat(dir.c_str(), &owner) == 0 && owner.st_uid == getuid() &&
                processIs(dir, "orca"))
                found.orca = true;
        }
        closedir(proc);
    }
    found.ssh = !environment("SSH_CONNECTION").empty() || !environment("SSH_TTY").empty() ||
                !environment("SSH_CLIENT").empty();
    return found;
}

std::string terminalSpeechEngine(const std::string& namedOrRemembered, const ConsoleReaders& readers)
{
    if (namedOrRemembered == "screen-reader") return "none";
    if (!namedOrRemembered.empty()) return namedOrRemembered;
    return readers.any() ? "none" : "";
}

}  // namespace yacht
