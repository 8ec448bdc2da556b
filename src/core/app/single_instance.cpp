#include "core/app/single_instance.h"

#include <QDir>

namespace trivanto {

SingleInstanceGuard::SingleInstanceGuard(const QString& lockDir)
    : m_lock(QDir(lockDir).filePath(lockFileName())) {
    // Staleness by age would let a second copy in after the first had run for a while; only a
    // holder that no longer runs makes the lock stale.
    m_lock.setStaleLockTime(0);
}

bool SingleInstanceGuard::tryAcquire() {
    if (m_lock.isLocked()) {
        return true;
    }
    return m_lock.tryLock(0);
}

}  // namespace trivanto
