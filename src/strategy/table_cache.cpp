#include "strategy/table_cache.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <fstream>
#include <system_error>

namespace yacht::strategy {
namespace {

constexpr char kMagic[16] = "yacht-solver-v\n";
constexpr uint32_t kByteOrder = 0x01020304;

// The file's first bytes: what it is, for which rules, in which byte order, how long, and a
// checksum of the values.
struct Header {
    char magic[16];
    uint32_t rulesVersion;
    uint32_t byteOrder;
    uint32_t base;
    uint32_t reserved;
    uint64_t count;
    uint64_t checksum;
};

// FNV-1a over the values' bytes.
uint64_t checksumOf(const std::vector<double>& values)
{
    uint64_t hash = 0xcbf29ce484222325ull;
    const auto* bytes = reinterpret_cast<const unsigned char*>(values.data());
    for (std::size_t i = 0; i < values.size() * sizeof(double); ++i) {
        hash ^= bytes[i];
        hash *= 0x100000001b3ull;
    }
    return hash;
}

// Reads exactly `size` bytes, going on after partial reads and interrupted calls.
bool readAll(int fd, void* into, std::size_t size)
{
    auto* bytes = static_cast<char*>(into);
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, bytes + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::filesystem::path tableCachePath(const char* xdgCacheHome, const char* home)
{
    std::filesystem::path base;
    if (xdgCacheHome && xdgCacheHome[0] == '/')
        base = xdgCacheHome;
    else if (home && home[0] == '/')
        base = std::filesystem::path(home) / ".cache";
    else
        return {};
    return base / "yacht" / "solver-table.bin";
}

bool saveTable(const ValueTable& table, const std::filesystem::path& file)
{
    if (file.empty()) return false;
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    const std::filesystem::path temporary = file.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        Header h{};
        std::memcpy(h.magic, kMagic, sizeof h.magic);
        h.rulesVersion = kRulesVersion;
        h.byteOrder = kByteOrder;
        h.base = table.base();
        h.count = table.values().size();
        h.checksum = checksumOf(table.values());
        out.write(reinterpret_cast<const char*>(&h), sizeof h);
        out.write(reinterpret_cast<const char*>(table.values().data()),
                  static_cast<std::streamsize>(table.values().size() * sizeof(double)));
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(temporary, ec);
            return false;
        }
    }
    std::filesystem::rename(temporary, file, ec);
    if (ec) std::filesystem::remove(temporary, ec);
    return !ec;
}

std::optional<ValueTable> loadTable(const std::filesystem::path& file)
{
    // Opened without waiting and taken only as a regular file of exactly the table's size: a
    // named pipe in its place would block the open, a device could be read for ever.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    ValueTable table;
    std::vector<double>& values = table.values();
    const std::size_t valueBytes = values.size() * sizeof(double);
    Header h{};
    const bool whole = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                       static_cast<std::size_t>(info.st_size) == sizeof h + valueBytes &&
                       readAll(fd, &h, sizeof h) && h.count == values.size() &&
                       readAll(fd, values.data(), valueBytes);
    ::close(fd);
    if (!whole) return std::nullopt;
    if (std::memcmp(h.magic, kMagic, sizeof h.magic) != 0 || h.rulesVersion != kRulesVersion ||
        h.byteOrder != kByteOrder || h.base > kAllFilled || checksumOf(values) != h.checksum)
        return std::nullopt;
    table.setBase(static_cast<FilledMask>(h.base));
    return table;
}

}  // namespace yacht::strategy
