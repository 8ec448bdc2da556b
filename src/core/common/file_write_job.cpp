#include "core/common/file_write_job.h"

#include <QMetaObject>
#include <QObject>
#include <mutex>
#include <optional>
#include <thread>

#include "core/common/save_file.h"

namespace trivanto {

// The state the worker and the starting thread share. The report runs once: from the event
// loop, or from wait() when that comes first.
struct FileWriteJob::Shared {
    std::mutex mutex;
    std::optional<Status> outcome;
    std::function<void(Status)> done;
    std::thread worker;
    QObject receiver;  // lives on the starting thread: the report is queued to it

    void report() {
        std::function<void(Status)> callback;
        Status status;
        {
            const std::lock_guard lock(mutex);
            if (!outcome || !done) {
                return;
            }
            callback = std::move(done);
            done = nullptr;
            status = *outcome;
        }
        callback(status);
    }
};

FileWriteJob::FileWriteJob() : m_shared(std::make_shared<Shared>()) {}

FileWriteJob::~FileWriteJob() {
    if (m_shared->worker.joinable()) {
        m_shared->worker.join();
    }
}

void FileWriteJob::start(QString path, QByteArray bytes, std::function<void(Status)> done) {
    wait();
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->outcome.reset();
        m_shared->done = std::move(done);
    }
    std::weak_ptr<Shared> weak = m_shared;
    m_shared->worker = std::thread([shared = m_shared.get(), weak, path = std::move(path),
                                    bytes = std::move(bytes)]() mutable {
        Status status = saveWholeFile(path, bytes);
        bytes = QByteArray();  // freed here, not on the user-interface thread
        {
            const std::lock_guard lock(shared->mutex);
            shared->outcome = std::move(status);
        }
        // The job joins this thread before it ends, so `shared` is alive here; the queued
        // report checks again, since the job may have ended before the loop runs it.
        QMetaObject::invokeMethod(
            &shared->receiver,
            [weak] {
                if (const auto alive = weak.lock()) {
                    alive->report();
                }
            },
            Qt::QueuedConnection);
    });
}

bool FileWriteJob::running() const {
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->done != nullptr;
}

void FileWriteJob::wait() {
    if (m_shared->worker.joinable()) {
        m_shared->worker.join();
    }
    m_shared->report();
}

}  // namespace trivanto
