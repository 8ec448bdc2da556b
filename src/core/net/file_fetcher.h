#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "core/app/clock.h"
#include "core/common/result.h"

class QSaveFile;

namespace trivanto {

class HttpClient;
class HttpTransfer;

// Downloads one web resource into a local file: the banner, the update catalogue and the
// packages. Set the properties, then Start; progress, success and failure arrive as signals
// on the event loop.
//
// The file appears only when the transfer succeeded: the body goes to a temporary file beside
// it, which replaces the target at the end. A transfer fails on an HTTP error status, a body
// that does not match its Content-Length, a body above `MaxSize`, 30 s without any data,
// and Cancel.
class TFileFetcher final : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kDefaultMaxSize = qint64(256) * 1024 * 1024;
    static constexpr int kInactivityTimeoutMs = 30000;

    // `network` and `clock` must outlive the fetcher.
    TFileFetcher(HttpClient& network, Clock& clock, QObject* parent = nullptr);
    // Cancels a running transfer without any signal.
    ~TFileFetcher() override;

    // Media types named in the Accept header ("*/*").
    const QString& AcceptTypes() const { return m_props.acceptTypes; }
    void setAcceptTypes(const QString& value) { m_props.acceptTypes = value; }
    // The agent name sent as User-Agent ("Kestrune Fetch"); empty sends Qt's default.
    const QString& Agent() const { return m_props.agent; }
    void setAgent(const QString& value) { m_props.agent = value; }
    // When set, a reply without a readable Content-Length fails (and creates no file).
    bool BinaryData() const { return m_props.binaryData; }
    void setBinaryData(bool value) { m_props.binaryData = value; }
    // "http://host[:port]/path", "https://..." or "host/path" (http).
    const QString& URL() const { return m_props.url; }
    void setURL(const QString& value) { m_props.url = value; }
    // When clear (the default), the reply always comes from the server, never from a cache.
    bool UseCache() const { return m_props.useCache; }
    void setUseCache(bool value) { m_props.useCache = value; }
    // The file that receives the body.
    const QString& FileName() const { return m_props.fileName; }
    void setFileName(const QString& value) { m_props.fileName = value; }
    // Credentials offered once when the server asks for them.
    const QString& UserName() const { return m_props.userName; }
    void setUserName(const QString& value) { m_props.userName = value; }
    const QString& Password() const { return m_props.password; }
    void setPassword(const QString& value) { m_props.password = value; }
    // When not empty the request is a POST of this form text (Windows-1252); else a GET.
    const QString& PostQuery() const { return m_props.postQuery; }
    void setPostQuery(const QString& value) { m_props.postQuery = value; }
    const QString& Referer() const { return m_props.referer; }
    void setReferer(const QString& value) { m_props.referer = value; }
    // When set, the continuation given to Start runs only after the transfer has ended (after
    // OnDoneFile or OnError); when clear it runs at once. Either way Start never blocks.
    bool WaitThread() const { return m_props.waitThread; }
    void setWaitThread(bool value) { m_props.waitThread = value; }
    // The largest body accepted, announced or received; each caller sets its own.
    qint64 MaxSize() const { return m_props.maxSize; }
    void setMaxSize(qint64 value) { m_props.maxSize = value; }

    // Starts a transfer with a copy of the current properties. While one is running nothing
    // happens: the call returns false and `then` is dropped, so a second click cannot start a
    // second flow.
    bool Start(std::function<void()> then = {});
    // Ends a running transfer; OnError follows once, from the event loop. Idle: nothing.
    void Cancel();
    // From Start until the end signal has been raised.
    bool isRunning() const { return m_running; }
    // Why the last transfer failed (for logs and tests); empty after a success.
    const QString& lastError() const { return m_lastError; }

signals:
    // After each block of the body has been written. TotalSize is 0 while unknown.
    void OnProgress(qint64 TotalSize, qint64 Readed);
    void OnDoneFile(const QString& FileName, qint64 FileSize);
    void OnError();

private:
    struct Properties {
        QString acceptTypes = QStringLiteral("*/*");
        QString agent = QStringLiteral("Kestrune Fetch");
        bool binaryData = false;
        QString url;
        bool useCache = false;
        QString fileName;
        QString userName;
        QString password;
        QString postQuery;
        QString referer;
        bool waitThread = false;
        qint64 maxSize = kDefaultMaxSize;
    };

    Status openTarget(qint64 length);
    Status writeBlock(const QByteArray& block);
    // The transfer has ended (or never began): the completion step follows on the event loop.
    void transferEnded(Status outcome);
    void completionStep();

    HttpClient& m_network;
    Clock& m_clock;
    Properties m_props;
    // The running transfer's copy of the properties.
    Properties m_active;
    std::unique_ptr<HttpTransfer> m_transfer;
    std::unique_ptr<QSaveFile> m_target;
    std::function<void()> m_then;
    bool m_running = false;
    bool m_cancelled = false;
    bool m_completionQueued = false;
    Status m_outcome;
    qint64 m_totalSize = 0;
    qint64 m_readed = 0;
    QString m_lastError;
};

}  // namespace trivanto
