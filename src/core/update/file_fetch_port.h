#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace trivanto {

// What the update needs of an HTTP download component: fetch one address into one file and
// say how it went. The program plugs its fetcher in behind this; tests script it.
class FileFetchPort {
public:
    using Progress = std::function<void(qint64 total, qint64 received)>;
    // `ok` is true when the whole file was written to the target; `error` says why not.
    using Done = std::function<void(bool ok, const QString& error)>;

    virtual ~FileFetchPort() = default;
    // Starts fetching `url` into `targetPath` and returns at once; a body larger than `maxSize`
    // bytes fails. `done` runs exactly once, later (never inside this call), unless cancel()
    // comes first.
    virtual void fetch(const QUrl& url, const QString& targetPath, qint64 maxSize,
                       Progress progress, Done done) = 0;
    // Stops a running fetch; its `done` does not run. Nothing happens when none runs.
    virtual void cancel() = 0;
};

}  // namespace trivanto
