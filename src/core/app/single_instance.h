#pragma once

#include <QLockFile>
#include <QString>

namespace trivanto {

// One running copy per user: a lock file held for the life of the process. A lock left
// behind by a process that no longer runs (a crash) is taken over; a live holder keeps it
// however long it runs.
class SingleInstanceGuard final {
public:
    explicit SingleInstanceGuard(const QString& lockDir);

    // True when this process now holds the lock (or already held it).
    bool tryAcquire();
    bool isHeld() const { return m_lock.isLocked(); }
    // After a failed tryAcquire: empty when another copy holds the lock, else why the lock
    // file cannot be made ("FILE: Permission denied").
    const QString& problem() const { return m_problem; }

    static QString lockFileName() { return QStringLiteral("trivanto.lock"); }

private:
    QString m_path;
    QLockFile m_lock;
    QString m_problem;
};

}  // namespace trivanto
