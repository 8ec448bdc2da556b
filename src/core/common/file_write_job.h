#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

#include "core/common/result.h"

namespace trivanto {

// Writes a whole file atomically on a worker thread: the disk's flush can take longer than a
// frame, and the user-interface thread must not wait for it. The outcome is reported on the
// thread that started the job, from its event loop, or at once by wait(); the destructor
// finishes a running write.
class FileWriteJob final {
public:
    FileWriteJob();
    ~FileWriteJob();
    FileWriteJob(const FileWriteJob&) = delete;
    FileWriteJob& operator=(const FileWriteJob&) = delete;

    // A job still running is finished first.
    void start(QString path, QByteArray bytes, std::function<void(Status)> done);
    // Started and not reported yet.
    bool running() const;
    // Blocks until the running write has ended and reports its outcome now.
    void wait();

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};

}  // namespace trivanto
