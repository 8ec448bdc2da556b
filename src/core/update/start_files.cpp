#include "core/update/start_files.h"

#include <QFileInfo>

#include "core/app/message_dialog.h"
#include "core/app/shell_opener.h"
#include "core/common/file_path.h"
#include "core/lang/message_catalogue.h"
#include "core/lang/message_shapes.h"
#include "core/update/file_name_policy.h"

namespace trivanto {

bool isDocumentFileName(const QString& fileName) {
    static const QStringList documents = {
        QStringLiteral("txt"),  QStringLiteral("htm"), QStringLiteral("html"),
        QStringLiteral("pdf"),  QStringLiteral("png"), QStringLiteral("jpg"),
        QStringLiteral("jpeg"), QStringLiteral("gif"), QStringLiteral("bmp"),
        QStringLiteral("webp"),
    };
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 && documents.contains(fileName.mid(dot + 1).toLower());
}

Result<QUrl> startFileUrl(const QString& progDir, const QString& startFile) {
    if (const NameProblem problem = plainFileNameProblem(startFile); !problem.isEmpty()) {
        return Result<QUrl>::failure(problem);
    }
    if (!isDocumentFileName(startFile)) {
        return Result<QUrl>::failure(QStringLiteral("not a document"));
    }
    const QFileInfo info(filePath(progDir, startFile));
    if (info.isSymLink()) {
        return Result<QUrl>::failure(QStringLiteral("a link"));
    }
    if (!info.isFile()) {
        return Result<QUrl>::failure(QStringLiteral("not in the program folder"));
    }
    return QUrl::fromLocalFile(info.absoluteFilePath());
}

int openStartFiles(const QStringList& runList, const QString& progDir, ShellOpener& shell,
                   MessageDialog& dialog, const MessageCatalogue& texts) {
    int opened = 0;
    for (const QString& startFile : runList) {
        const Result<QUrl> url = startFileUrl(progDir, startFile);
        if (url.ok() && shell.open(*url)) {
            ++opened;
            continue;
        }
        dialog.show(
            catalogueMessage(texts, Msg::MsgStartFileRefused, DialogMode::Notice, startFile));
    }
    return opened;
}

}  // namespace trivanto
