#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

#include "core/app/message_dialog.h"
#include "core/lang/message_catalogue.h"
#include "core/update/archive_installer.h"
#include "core/update/package_selection.h"

namespace trivanto {

// The decisions of one download run, without waiting for anything: it says what to do next
// (fetch this address to that file, ask about hanging up, unpack that archive) and takes the
// outcome back. The package files are fetched in ticking order; the first failed fetch ends the
// fetching (its partial file is deleted, later packages are not fetched), and the packages that
// arrived whole are still unpacked. The state it keeps is what the download page shows.
class DownloadRun {
public:
    enum class Action {
        Fetch,          // fetch fetchUrl() to fetchTarget(), then fetchFinished()
        AskDisconnect,  // every package arrived: ask MsgAskDisconnect, then disconnectAsked()
        Unpack,         // unpack unpackArchive(), then unpackFinished()
        Finished,       // show page fertig; nothing more to do
    };

    // What the download page shows.
    struct View {
        QString downloadLabel;        // FilenameDownloadLabel
        int downloadProgress = 0;     // progressbar1, 0..100
        bool zipLineVisible = false;  // FilenameZipLabel and zipprogressbar
        QString zipLabel;
        int unpackProgress = 0;  // zipprogressbar, 0..100
        QString closingText;     // AbschlussmessageLabel, once finished
    };

    // The largest package archive fetched.
    static constexpr qint64 kMaxPackageSize = qint64(256) * 1024 * 1024;

    // `updateBasePath` is UpdateBasePath (host and folder, no scheme).
    DownloadRun(std::vector<SelectedPackage> packages, QString progDir, QString updateBasePath,
                const MessageCatalogue& texts);

    Action next() const { return m_action; }
    const View& view() const { return m_view; }

    // Action::Fetch
    const SelectedPackage& current() const;
    QUrl fetchUrl() const;
    QString fetchTarget() const;
    // Progress of the running fetch (`total` may be 0 or unknown: then nothing moves).
    void fetchProgress(qint64 total, qint64 received);
    // The fetcher's outcome. A fetch counts only when it reported success and its file exists.
    void fetchFinished(bool ok);

    // Action::AskDisconnect
    void disconnectAsked();

    // Action::Unpack: the fetched archive, its expected checksum (may be empty) and where to.
    QString unpackArchive() const;
    QString unpackSha256() const;
    const QString& unpackFolder() const { return m_progDir; }
    void unpackFinished(const Result<UnpackReport>& result);

    // The user cancelled: nothing more is fetched or unpacked, fetched archives and the partial
    // file are deleted. What was installed already stays.
    void cancel();

    // Messages to show now, in order (taken once).
    std::vector<MessageRequest> takeNotices();

    // The start files of the unpacked packages, in the order of unpacking.
    const QStringList& runList() const { return m_runList; }
    // Whether a fetch failed (the caller clears the program's on-line flag).
    bool fetchFailed() const { return m_fetchFailed; }
    bool cancelled() const { return m_cancelled; }
    // Packages fetched completely.
    int fetchedCount() const { return m_fetched; }
    // What became of each unpacked package, in the order of unpacking: the files installed and
    // skipped, or why nothing of it was installed (damaged archive, wrong checksum).
    struct Outcome {
        QString packageName;
        Result<UnpackReport> result;
    };
    const std::vector<Outcome>& outcomes() const { return m_outcomes; }
    // Names of the packages of which nothing was installed.
    QStringList damagedPackages() const;

private:
    void beginFetch();
    void beginUnpacking();
    void beginUnpack();
    void finish();
    QString packageLine(Msg suffix, const QString& name) const;

    std::vector<SelectedPackage> m_packages;
    QString m_progDir;
    QString m_basePath;
    const MessageCatalogue& m_texts;

    Action m_action = Action::Finished;
    View m_view;
    int m_selectedCount = 0;
    size_t m_index = 0;  // package being fetched or unpacked
    int m_fetched = 0;
    bool m_fetchFailed = false;
    bool m_cancelled = false;
    QStringList m_runList;
    std::vector<Outcome> m_outcomes;
    std::vector<MessageRequest> m_notices;
};

}  // namespace trivanto
