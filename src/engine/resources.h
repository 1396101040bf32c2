#pragma once
// The resources port: the help pages and sounds carried inside the program's own executable.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace yacht {

// Loads a resource by type ("TEXT", "WAVE") and name, both matched without regard to case.
class Resources {
public:
    virtual ~Resources() = default;
    virtual std::optional<std::vector<uint8_t>> load(const std::string& type,
                                                     const std::string& name) = 0;
};

}  // namespace yacht
