#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include "core/common/result.h"

namespace trivanto {

class MessageCatalogue;
class MessageDialog;
class ShellOpener;

// A start file named by the update catalogue is opened with the desktop's default program
// only when it is a document (text, HTML, PDF or a picture) that exists as a plain file
// directly in the program folder; the catalogue comes from a server and must not be able to
// start a program. Returns the address to open, or why the file is refused.
Result<QUrl> startFileUrl(const QString& progDir, const QString& startFile);

// Whether the extension of `fileName` is one of the document types that may be opened.
bool isDocumentFileName(const QString& fileName);

// Opens the start files in order; each refused or unopenable one is reported with
// MsgStartFileRefused and its name. Returns the number opened.
int openStartFiles(const QStringList& runList, const QString& progDir, ShellOpener& shell,
                   MessageDialog& dialog, const MessageCatalogue& texts);

}  // namespace trivanto
