#pragma once

#include <QString>

namespace trivanto {

// What an open or save dialog is asked to show.
struct FileDialogRequest {
    QString title;
    QString folder;         // where the dialog starts
    QString filter;         // "Name (*.a *.b)", several separated by ";;"
    QString defaultSuffix;  // added to a name typed without one ("sav")
};

// The system's file dialogs. The window implementation shows them; tests script the answers.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen existing file, or an empty text when the dialog was cancelled.
    virtual QString openFile(const FileDialogRequest& request) = 0;
    // The chosen file to write (overwriting confirmed), or empty when cancelled.
    virtual QString saveFile(const FileDialogRequest& request) = 0;
};

}  // namespace trivanto
