#include "app/qt_single_instance.h"

#include <QDir>

namespace yacht {

SingleInstance::SingleInstance()
{
    lock_ = std::make_unique<QLockFile>(QDir::temp().filePath("tevrin-yacht.lock"));
    // A lock left by a copy that crashed is taken over: its process no longer exists.
    lock_->setStaleLockTime(0);
    acquired_ = lock_->tryLock(0);
    // A lock that cannot be written at all (a read-only temporary directory) must not keep the
    // game from starting: only a lock held by a live copy refuses the start.
    if (!acquired_ && lock_->error() != QLockFile::LockFailedError) acquired_ = true;
}

}  // namespace yacht
