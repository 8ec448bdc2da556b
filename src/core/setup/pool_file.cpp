#include "core/setup/pool_file.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <mutex>
#include <optional>
#include <thread>

#include "core/common/save_file.h"
#include "core/text/cp1252.h"

namespace trivanto {

namespace {
// The INI document's limit on a line (name, "=" and value).
constexpr qsizetype kMaxLine = 255;
}  // namespace

void PoolFileText::appendLine(const QString& key, const QString& value) {
    QString line = key + QLatin1Char('=') + value;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (line.size() > kMaxLine) {
        line.truncate(kMaxLine);
    }
    m_bytes += toCp1252(line);
    m_bytes += "\r\n";
}

void PoolFileText::add(const QuestionSlot& slot) {
    ++m_count;
    m_bytes += '[';
    m_bytes += QByteArray::number(m_count);
    m_bytes += "]\r\n";
    static const QString kKeys[] = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                    QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")};
    appendLine(kKeys[0], slot.question);
    for (std::size_t k = 0; k < slot.answers.size(); ++k) {
        appendLine(kKeys[k + 1], slot.answers[k]);
    }
    appendLine(kKeys[5], slot.correct);
    m_bytes += "\r\n";
}

QByteArray PoolFileText::finish() {
    m_bytes += "[BT]\r\n";
    appendLine(QStringLiteral("HEADER"), QString::number(m_count));
    m_bytes += "\r\n";
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
