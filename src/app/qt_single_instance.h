#pragma once
// One copy only: a lock file in the temporary-files directory.

#include <QLockFile>
#include <memory>

namespace yacht {

// Holds the lock for the life of the program; false when another copy holds it.
class SingleInstance {
public:
    SingleInstance();
    bool acquired() const { return acquired_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};

}  // namespace yacht
