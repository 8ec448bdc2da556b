#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "ui/common/qt_file_dialogs.h"

namespace trivanto {
namespace {

// The desktop dialogs get what the request asks for, and the options of their kind: an open
// dialog takes only existing files, a save dialog confirms before it overwrites.
TEST(QtFileDialogs, DialogsShowTheRequestWithTheOptionsOfTheirKind) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    FileDialogRequest request;
    request.title = QStringLiteral("Save Trivanto Game");
    request.folder = dir.path();
    request.filter = QStringLiteral("Trivanto Savegame (*.sav)");
    request.defaultSuffix = QStringLiteral("sav");

    for (const auto mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
        SCOPED_TRACE(mode == QFileDialog::AcceptOpen ? "open" : "save");
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        prepareFileDialog(dialog, request, mode);
        EXPECT_EQ(dialog.windowTitle(), request.title);
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
        EXPECT_EQ(dialog.nameFilters(), QStringList{request.filter});
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("sav"));
        EXPECT_EQ(dialog.acceptMode(), mode);
        EXPECT_EQ(dialog.fileMode(), mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                                     : QFileDialog::AnyFile);
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    }
}

}  // namespace
}  // namespace trivanto
