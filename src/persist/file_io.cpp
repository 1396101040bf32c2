#include "persist/file_io.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace yacht {
namespace {

// Writes everything, going on after partial writes and interrupted calls.
bool writeAll(int fd, const std::string& contents)
{
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Makes the rename itself durable; a folder that cannot be opened or flushed is let be, since
// the file's own contents are already safe.
void flushFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Opens a file without waiting on it and keeps it only when it is a regular file: a named pipe
// would block the open until a writer came, a device could be read for ever.
int openRegular(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

std::optional<FilePrefix> readFilePrefix(const std::string& path, std::size_t bound)
{
    const int fd = openRegular(path, O_RDONLY);
    if (fd < 0) return std::nullopt;
    FilePrefix prefix;
    prefix.bytes.resize(bound + 1);
    std::size_t got = 0;
    while (got < bound + 1) {
        const ssize_t n = ::read(fd, prefix.bytes.data() + got, bound + 1 - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    prefix.cut = got > bound;
    prefix.bytes.resize(prefix.cut ? bound : got);
    return prefix;
}

bool replaceFile(const std::string& path, const std::string& contents)
{
    // The new file gets the old one's permissions, or the usual ones for a user's file.
    struct stat old {};
    return replaceFile(path, contents, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
}

bool replaceFile(const std::string& path, const std::string& contents, unsigned mode)
{
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    ::fchmod(fd, static_cast<mode_t>(mode));

    const bool written = writeAll(fd, contents) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    flushFolder(folderOf(path));
    return true;
}

bool touchFile(const std::string& path)
{
    const int fd = openRegular(path, O_WRONLY | O_APPEND | O_CREAT);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

std::vector<std::string> splitLines(const std::string& text, std::size_t maxLines)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < maxLines) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos) end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        lines.emplace_back(text, start, stop - start);
        start = next;
    }
    return lines;
}

int16_t numberOf(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 32768) value = 32768;  // saturate: the game's numbers are 16-bit
    }
    if (negative) value = -value;
    if (value > 32767) value = 32767;
    if (value < -32768) value = -32768;
    return static_cast<int16_t>(value);
}

}  // namespace yacht
