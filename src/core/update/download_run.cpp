#include "core/update/download_run.h"

#include <QFile>
#include <QFileInfo>

#include "core/lang/message_shapes.h"
#include "core/update/update_files.h"

namespace trivanto {

DownloadRun::DownloadRun(std::vector<SelectedPackage> packages, QString progDir,
                         QString updateBasePath, const MessageCatalogue& texts)
    : m_packages(std::move(packages)),
      m_progDir(std::move(progDir)),
      m_basePath(std::move(updateBasePath)),
      m_texts(texts),
      m_selectedCount(int(m_packages.size())) {
    if (m_packages.empty()) {
        m_view.closingText = m_texts.text(Msg::MsgUpdateSuccess);
        finish();
        return;
    }
    beginFetch();
}

QString DownloadRun::packageLine(Msg suffix, const QString& name) const {
    return m_texts.text(Msg::MsgPackagePrefix) + name + m_texts.text(suffix);
}

const SelectedPackage& DownloadRun::current() const {
    static const SelectedPackage none;
    return m_packages.empty() ? none : m_packages[std::min(m_index, m_packages.size() - 1)];
}

QUrl DownloadRun::fetchUrl() const {
    return updateUrl(m_basePath, current().PackageFile);
}

QString DownloadRun::fetchTarget() const {
    return downloadPath(m_progDir, current().PackageFile);
}

void DownloadRun::beginFetch() {
    m_action = Action::Fetch;
    m_view.downloadLabel = packageLine(Msg::MsgDownloadingSuffix, current().PackageName);
    m_view.downloadProgress = 0;
    // A leftover of an earlier, interrupted run must not pass for this fetch's file.
    QFile::remove(fetchTarget());
}

void DownloadRun::fetchProgress(qint64 total, qint64 received) {
    if (m_action != Action::Fetch || total <= 0 || received < 0 || received >= total) {
        return;
    }
    m_view.downloadProgress = int(received * 100 / total);
}

void DownloadRun::fetchFinished(bool ok) {
    if (m_action != Action::Fetch) {
        return;
    }
    if (ok && QFileInfo(fetchTarget()).isFile()) {
        m_view.downloadProgress = 100;
        ++m_fetched;
        ++m_index;
        if (m_index < m_packages.size()) {
            beginFetch();
            return;
        }
        m_view.downloadLabel = m_texts.text(Msg::MsgDownloadFinished);
        m_view.closingText = m_texts.text(Msg::MsgUpdateSuccess);
        m_action = Action::AskDisconnect;
        return;
    }
    // The first failure ends the fetching; what arrived before it is still unpacked.
    QFile::remove(fetchTarget());
    m_fetchFailed = true;
    m_view.downloadLabel = m_texts.text(Msg::MsgDownloadIncomplete);
    m_view.closingText = m_texts.text(Msg::MsgUpdatePartial);
    m_notices.push_back(catalogueMessage(m_texts, Msg::MsgUpdateServerFailed));
    beginUnpacking();
}

void DownloadRun::disconnectAsked() {
    if (m_action == Action::AskDisconnect) {
        beginUnpacking();
    }
}

void DownloadRun::beginUnpacking() {
    m_index = 0;
    if (m_fetched == 0) {
        finish();
        return;
    }
    m_view.zipLineVisible = true;
    m_view.unpackProgress = 0;
    beginUnpack();
}

void DownloadRun::beginUnpack() {
    m_action = Action::Unpack;
    m_view.zipLabel = packageLine(Msg::MsgUnzippingSuffix, current().PackageName);
}

QString DownloadRun::unpackArchive() const {
    return downloadPath(m_progDir, current().PackageFile);
}

QString DownloadRun::unpackSha256() const {
    return current().sha256;
}

void DownloadRun::unpackFinished(const Result<UnpackReport>& result) {
    if (m_action != Action::Unpack) {
        return;
    }
    const SelectedPackage& package = current();
    // Each package moves the bar by its share, so three packages show 33, 66 and 99.
    m_view.unpackProgress = std::min(100, m_view.unpackProgress + 100 / m_selectedCount);
    QFile::remove(unpackArchive());
    m_outcomes.push_back({package.PackageName, result});
    if (result.ok()) {
        if (!package.StartFile.isEmpty()) {
            m_runList.append(package.StartFile);
        }
    } else {
        m_view.closingText = m_texts.text(Msg::MsgUpdatePartial);
        m_notices.push_back(catalogueMessage(m_texts, Msg::MsgPackageDamaged, DialogMode::Notice,
                                             package.PackageName));
    }
    ++m_index;
    if (int(m_index) < m_fetched) {
        beginUnpack();
    } else {
        finish();
    }
}

void DownloadRun::cancel() {
    if (m_action == Action::Finished) {
        return;
    }
    m_cancelled = true;
    // Everything fetched and not yet installed goes, the file of a running fetch included.
    const size_t begin = m_action == Action::Unpack ? m_index : 0;
    const size_t end = m_action == Action::Fetch ? m_index + 1 : size_t(m_fetched);
    for (size_t i = begin; i < end && i < m_packages.size(); ++i) {
        QFile::remove(downloadPath(m_progDir, m_packages[i].PackageFile));
    }
    m_view.closingText = m_texts.text(Msg::MsgUpdatePartial);
    finish();
}

void DownloadRun::finish() {
    m_action = Action::Finished;
    QFile::remove(catalogueLocalPath(m_progDir));
}

QStringList DownloadRun::damagedPackages() const {
    QStringList names;
    for (const Outcome& outcome : m_outcomes) {
        if (!outcome.result.ok()) {
            names.append(outcome.packageName);
        }
    }
    return names;
}

std::vector<MessageRequest> DownloadRun::takeNotices() {
    return std::exchange(m_notices, {});
}

}  // namespace trivanto
