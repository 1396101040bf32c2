#include "app/instance_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace yacht {

InstanceLock::InstanceLock(const std::string& path)
{
    if (path.empty()) return;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) return;
    int result;
    do {
        result = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        outcome_ = LockOutcome::Acquired;
    } else if (errno == EWOULDBLOCK) {
        outcome_ = LockOutcome::HeldByAnother;
    }
}

InstanceLock::~InstanceLock()
{
    // Closing lets the lock go; the file stays, so a starting copy never races its removal.
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace yacht
