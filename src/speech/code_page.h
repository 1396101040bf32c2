#pragma once
// The 8-bit text of the game's resources, turned into the UTF-8 the rest of the game uses.

#include <cstdint>
#include <string>
#include <vector>

namespace yacht {

// Reads the bytes as Windows code page 1252 (Western European); bytes the code page leaves
// undefined become a question mark.
std::string textFromCodePage(const std::vector<uint8_t>& bytes);

}  // namespace yacht
