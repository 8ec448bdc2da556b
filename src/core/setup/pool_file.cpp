#include "core/setup/pool_file.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <algorithm>
#include <mutex>
#include <optional>
#include <thread>

#include "core/common/save_file.h"

namespace trivanto {

void PoolFileText::appendField(char key, const TQuestionField& field, bool scrambled) {
    // "k=" and the text as stored (at most 110 bytes: no line reaches the INI limit), each
    // line break a blank, then CR LF. Written in place: this runs for every question of a
    // game start.
    const int length = std::min<int>(field[0], kFieldCapacity);
    const qsizetype at = m_bytes.size();
    const qsizetype needed = at + length + 4;
    if (m_bytes.capacity() < needed) {
        m_bytes.reserve(std::max(needed, 2 * m_bytes.capacity()));
    }
    m_bytes.resize(needed);
    char* out = m_bytes.data() + at;
    *out++ = key;
    *out++ = '=';
    const quint8 mask = scrambled ? ScrambleKey : 0;
    for (int i = 1; i <= length; ++i) {
        const char c = static_cast<char>(field[static_cast<std::size_t>(i)] ^ mask);
        *out++ = (c == '\r' || c == '\n') ? ' ' : c;
    }
    *out++ = '\r';
    *out = '\n';
}

void PoolFileText::add(const TQuestionEntry& entry) {
    ++m_count;
    m_bytes += '[';
    m_bytes += QByteArray::number(m_count);
    m_bytes += "]\r\n";
    for (int field = FieldQuestion; field <= FieldCorrect; ++field) {
        appendField(static_cast<char>('0' + field), entry.fields[static_cast<std::size_t>(field)],
                    field != FieldCorrect);
    }
    m_bytes += "\r\n";
}

QByteArray PoolFileText::finish() {
    m_bytes += "[BT]\r\nHEADER=";
    m_bytes += QByteArray::number(m_count);
    m_bytes += "\r\n\r\n";
    QByteArray bytes = std::move(m_bytes);
    m_bytes = QByteArray();
    m_count = 0;
    return bytes;
}

Status writePoolFileBytes(const QString& path, const QByteArray& bytes) {
    // Checks the last push too: a full disk is reported, never a cut copy.
    return saveWholeFile(path, bytes);
}

// The state the worker and the starting thread share. The report runs once: from the event
// loop, or from wait() when that comes first.
struct PoolFileJob::Shared {
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

PoolFileJob::PoolFileJob() : m_shared(std::make_shared<Shared>()) {}

PoolFileJob::~PoolFileJob() {
    if (m_shared->worker.joinable()) {
        m_shared->worker.join();
    }
}

void PoolFileJob::start(QString path, QByteArray bytes, std::function<void(Status)> done) {
    wait();
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->outcome.reset();
        m_shared->done = std::move(done);
    }
    std::weak_ptr<Shared> weak = m_shared;
    m_shared->worker = std::thread([shared = m_shared.get(), weak, path = std::move(path),
                                    bytes = std::move(bytes)]() mutable {
        Status status = writePoolFileBytes(path, bytes);
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

bool PoolFileJob::running() const {
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->done != nullptr;
}

void PoolFileJob::wait() {
    if (m_shared->worker.joinable()) {
        m_shared->worker.join();
    }
    m_shared->report();
}

}  // namespace trivanto
