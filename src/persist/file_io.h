#pragma once
// Whole-file reading with a size bound, the lenient reading of a number from a line, and
// replacing a file so that a crash never leaves it half written.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace yacht {

// What was read from a file: at most the bound, and whether the file held more than that.
struct FilePrefix {
    std::string bytes;
    bool cut = false;  // the file is longer than the bound; only its beginning is in bytes
};

// The first `bound` bytes of a file, or nothing when it does not exist, cannot be read or is not
// a regular file (a named pipe, a device, a folder). Never waits on the file.
std::optional<FilePrefix> readFilePrefix(const std::string& path, std::size_t bound);

// Writes the contents to a new file beside `path`, flushes it to the disk and renames it over
// `path`. On any failure the new file is removed, `path` is left as it was, and false is returned.
bool replaceFile(const std::string& path, const std::string& contents);

// The mode of a file only its owner may read or write.
inline constexpr unsigned kPrivateFileMode = 0600;

// The same, giving the new file exactly `mode` whatever the old one had.
bool replaceFile(const std::string& path, const std::string& contents, unsigned mode);

// Creates the file empty when it does not exist; false when it cannot be opened for writing or
// is not a regular file. Never waits on the file.
bool touchFile(const std::string& path);

// The lines of a text, each without its CR LF (or bare LF) ending. A last line without an
// ending counts; the empty text after a final line ending does not.
// At most maxLines lines are returned.
std::vector<std::string> splitLines(const std::string& text, std::size_t maxLines);

// The leading whole number of a line, as the game reads its files: an empty or non-numeric line
// counts 0, leading digits are taken, the result is kept in 16 bits.
int16_t numberOf(const std::string& text);

}  // namespace yacht
