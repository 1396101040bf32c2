#include "persist/state_folder.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "persist/file_io.h"
#include "persist/saved_game.h"

namespace yacht {
namespace {

bool absolute(const std::optional<std::string>& path)
{
    return path && !path->empty() && path->front() == '/';
}

std::string withSlash(std::string path)
{
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

// A saved game is a couple of kilobytes; anything far larger is not one.
constexpr std::size_t kMoveBound = 64 * 1024;

// The old file's contents when it is a plain file of this user, read through no link.
std::optional<std::string> readOwnFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    const bool own = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::getuid()
                     && info.st_size <= static_cast<off_t>(kMoveBound);
    std::string bytes;
    if (own) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        bytes.resize(got);
    }
    ::close(fd);
    if (!own) return std::nullopt;
    return bytes;
}

}  // namespace

std::string stateFolder(const UserFolders& env)
{
    if (absolute(env.xdgStateHome)) return withSlash(*env.xdgStateHome) + "yacht/";
    if (absolute(env.home)) return withSlash(*env.home) + ".local/state/yacht/";
    return {};
}

std::string runtimeFolder(const UserFolders& env)
{
    if (absolute(env.xdgRuntimeDir)) return withSlash(*env.xdgRuntimeDir);
    return stateFolder(env);
}

bool prepareStateFolder(const std::string& folder)
{
    if (folder.empty() || folder.front() != '/') return false;
    // Every missing folder on the way is made private, as the base-directory rules ask.
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    const std::string own = folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
    struct stat info {};
    if (::lstat(own.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    if ((info.st_mode & 077) != 0 && info.st_uid == ::getuid()) ::chmod(own.c_str(), 0700);
    return true;
}

Migration migrateTempGame(const std::string& tempDir, const std::string& stateDir)
{
    if (tempDir.empty() || stateDir.empty() || tempDir == stateDir) return Migration::NothingToMove;
    const std::string oldPath = tempDir + kSavedGameName;
    const std::string newPath = stateDir + kSavedGameName;
    struct stat info {};
    if (::lstat(oldPath.c_str(), &info) != 0) return Migration::NothingToMove;
    if (::lstat(newPath.c_str(), &info) == 0) return Migration::NothingToMove;
    const auto bytes = readOwnFile(oldPath);
    if (!bytes) return Migration::Refused;
    // Copied, not renamed: the temporary-files directory is often another file system.
    if (!replaceFile(newPath, *bytes, kPrivateFileMode)) return Migration::Refused;
    ::unlink(oldPath.c_str());
    return Migration::Moved;
}

}  // namespace yacht
