#pragma once
// The per-user single-copy lock: a file locked with flock, so the kernel lets it go the moment
// its copy ends, however it ends, and a crashed copy never keeps the next one out.

#include <string>

namespace yacht {

// What taking the lock found.
enum class LockOutcome {
    Acquired,       // this copy is the one that runs
    HeldByAnother,  // another copy of this user runs
    Unavailable,    // the lock file cannot be made; the game runs anyway rather than not at all
};

// Holds the lock for its lifetime.
class InstanceLock {
public:
    explicit InstanceLock(const std::string& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    LockOutcome outcome() const { return outcome_; }

private:
    int fd_ = -1;
    LockOutcome outcome_ = LockOutcome::Unavailable;
};

}  // namespace yacht
