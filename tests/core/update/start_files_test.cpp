#include "core/update/start_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/lang/message_catalogue.h"
#include "support/recording_message_dialog.h"
#include "support/recording_shell_opener.h"
#include "support/zip_builder.h"

namespace trivanto {
namespace {

// A program folder with documents, a program, a link and a sub-folder.
class StartFiles : public testing::Test {
protected:
    void SetUp() override {
        prog = m_root.filePath(QStringLiteral("prog"));
        QDir().mkpath(prog + "/help");
        for (const char* name : {"readme.txt", "Notes.PDF", "page.html", "pic.png", "tool",
                                 "run.sh", "data.trv", "help/page.html", "script.desktop"}) {
            test::writeFile(prog + "/" + name, "x");
        }
        test::writeFile(m_root.filePath(QStringLiteral("outside.txt")), "x");
        QFile::link(m_root.filePath(QStringLiteral("outside.txt")), prog + "/link.txt");
    }

    QTemporaryDir m_root;
    QString prog;
};

struct StartCase {
    const char* label;
    const char* name;
    bool opens;
};

class StartFilePolicy : public StartFiles, public testing::WithParamInterface<StartCase> {};

TEST_P(StartFilePolicy, OpensOnlyDocumentsInTheProgramFolder) {
    const StartCase& c = GetParam();
    const Result<QUrl> url = startFileUrl(prog, QString::fromUtf8(c.name));
    EXPECT_EQ(url.ok(), c.opens) << url.error().toStdString();
    if (url.ok()) {
        EXPECT_EQ(url->toLocalFile(), QDir(prog).absoluteFilePath(QString::fromUtf8(c.name)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartFilePolicy,
    testing::Values(
        StartCase{"Text", "readme.txt", true}, StartCase{"PdfUpperCase", "Notes.PDF", true},
        StartCase{"Html", "page.html", true}, StartCase{"Picture", "pic.png", true},
        StartCase{"Missing", "gone.txt", false}, StartCase{"Program", "tool", false},
        StartCase{"Script", "run.sh", false}, StartCase{"Category", "data.trv", false},
        StartCase{"DesktopEntry", "script.desktop", false},
        StartCase{"SubFolder", "help/page.html", false},
        StartCase{"Parent", "../outside.txt", false}, StartCase{"Absolute", "/etc/hostname", false},
        StartCase{"Link", "link.txt", false}, StartCase{"Empty", "", false},
        StartCase{"Url", "http://example.com/a.html", false}, StartCase{"Folder", "help", false}),
    [](const testing::TestParamInfo<StartCase>& info) { return std::string(info.param.label); });

TEST_F(StartFiles, OpensInOrderAndReportsEachRefusal) {
    MessageCatalogue texts;
    texts.apply(Language::Englisch);
    RecordingShellOpener shell;
    RecordingMessageDialog dialog;
    const int opened =
        openStartFiles({"page.html", "run.sh", "readme.txt"}, prog, shell, dialog, texts);
    EXPECT_EQ(opened, 2);
    ASSERT_EQ(shell.opened().size(), 2);
    EXPECT_TRUE(shell.opened()[0].toLocalFile().endsWith(QStringLiteral("/page.html")));
    EXPECT_TRUE(shell.opened()[1].toLocalFile().endsWith(QStringLiteral("/readme.txt")));
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, texts.text(Msg::MsgStartFileRefused) + "run.sh");

    // A desktop that cannot open the document is reported the same way.
    shell.result = false;
    dialog.clear();
    EXPECT_EQ(openStartFiles({"readme.txt"}, prog, shell, dialog, texts), 0);
    EXPECT_EQ(dialog.requests().size(), 1u);
}

}  // namespace
}  // namespace trivanto
