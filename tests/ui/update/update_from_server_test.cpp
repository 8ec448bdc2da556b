// A whole update as a publisher and a player make it: trivanto-pack builds the catalogue and a
// package holding a new category, trivanto-server serves them on the loopback interface, and
// the wizard, driven through its controls, installs the category into the program folder,
// where the new-game window's category list finds it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/common/file_path.h"
#include "core/lang/window_texts.h"
#include "core/setup/category_selection.h"
#include "support/category_files.h"
#include "support/fake_online_services.h"
#include "support/fake_services.h"
#include "support/zip_builder.h"
#include "ui/common/window_text_applier.h"
#include "ui/update/onlineupdate_form.h"
#include "ui/widgets/t_check_group_list.h"

#if defined(TRIVANTO_PACK_PATH) && defined(TRIVANTO_SERVER_PATH)

namespace trivanto {
namespace {

constexpr int kWaitMs = 30000;

class UpdateFromServerTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_tmp.isValid()); }

    void TearDown() override {
        form.reset();
        if (m_server.state() != QProcess::NotRunning) {
            m_server.kill();
            m_server.waitForFinished(kWaitMs);
        }
    }

    QString path(const QString& sub) const { return m_tmp.filePath(sub); }

    // The publisher's folder: one group with one category, described in group.ini.
    void publish() {
        const QString group = path(QStringLiteral("updates/01 Categories"));
        ASSERT_TRUE(QDir().mkpath(group));
        setuptest::writeCategory(group, QStringLiteral("Rivers"), 12);
        test::writeFile(filePath(group, QStringLiteral("group.ini")),
                        "[Group]\nExpanded=true\n[Rivers.trv]\nName=Rivers of the world\n"
                        "Text=Twelve questions about rivers\n");
        test::writeFile(path(QStringLiteral("updates/head.ini")), "[Head]\nInfo=Spring\n");
        QProcess pack;
        pack.start(
            QStringLiteral(TRIVANTO_PACK_PATH),
            {path(QStringLiteral("updates")), QStringLiteral("-o"), path(QStringLiteral("site"))});
        ASSERT_TRUE(pack.waitForFinished(kWaitMs));
        ASSERT_EQ(pack.exitCode(), 0) << pack.readAllStandardError().toStdString();
    }

    // Starts the server on a free loopback port and returns "127.0.0.1:PORT".
    QString serve() {
        m_server.setProgram(QStringLiteral(TRIVANTO_SERVER_PATH));
        m_server.setArguments({QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                               QStringLiteral("--static"), path(QStringLiteral("site")),
                               QStringLiteral("--database"),
                               QStringLiteral("sqlite:") + path(QStringLiteral("toplist.sqlite"))});
        m_server.setProcessChannelMode(QProcess::MergedChannels);  // it speaks on stderr
        m_server.start();
        EXPECT_TRUE(m_server.waitForStarted(kWaitMs));
        const QRegularExpression listening(QStringLiteral("listening on \\S+ port (\\d+)"));
        QByteArray said;
        QRegularExpressionMatch match;
        while (!(match = listening.match(QString::fromUtf8(said))).hasMatch() &&
               m_server.waitForReadyRead(kWaitMs)) {
            said += m_server.readAll();
        }
        EXPECT_TRUE(match.hasMatch()) << said.toStdString();
        return QStringLiteral("127.0.0.1:") + match.captured(1);
    }

    // Lets the system answer, the clock move and the network deliver until `done` holds.
    template <typename Done>
    bool runUntil(Done done) {
        return QTest::qWaitFor(
            [&] {
                online->backend.settle();
                fake->clock.advance(5);
                return done();
            },
            kWaitMs);
    }

    std::unique_ptr<FakeServices> fake;
    std::unique_ptr<FakeOnlineServices> online;
    std::unique_ptr<TOnlineupdateForm> form;

private:
    QTemporaryDir m_tmp;
    QProcess m_server;
};

TEST_F(UpdateFromServerTest, ANewCategoryFromTheServerIsInstalledAndListed) {
    ASSERT_NO_FATAL_FAILURE(publish());
    const QString host = serve();
    ASSERT_FALSE(HasFailure());

    const QString progDir = path(QStringLiteral("prog"));
    ASSERT_TRUE(QDir().mkpath(progDir));
    fake = std::make_unique<FakeServices>(progDir, path(QStringLiteral("win")));
    fake->catalogue = MessageCatalogue(host);
    fake->catalogue.apply(Language::Englisch);
    online = std::make_unique<FakeOnlineServices>(*fake);
    online->backend.connections = {QStringLiteral("eth0")};
    form = std::make_unique<TOnlineupdateForm>(fake->services(), online->services());
    applyWindowTexts(form.get(),
                     resolvedWindowTexts(QStringLiteral("TOnlineupdateForm"), Language::Englisch));
    form->FormShow();
    form->show();

    auto* proceed = form->findChild<QAbstractButton*>(QStringLiteral("WeiterButton"));
    QTest::mouseClick(proceed, Qt::LeftButton);
    ASSERT_TRUE(runUntil([&] { return form->currentPage() == QStringLiteral("auswahl"); }))
        << form->currentPage().toStdString();
    auto* list = form->findChild<TCheckGroupList*>(QStringLiteral("AuswahlBox"));
    ASSERT_EQ(list->groupCount(), 1);
    EXPECT_TRUE(list->rowText(0, 0).startsWith(QStringLiteral("Rivers of the world\t")));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->checkBoxRect(0, 0).center());
    ASSERT_TRUE(list->isRowChecked(0, 0));

    fake->dialog.pushAnswer(AnswerNo);  // stay connected
    QTest::mouseClick(proceed, Qt::LeftButton);
    ASSERT_TRUE(runUntil([&] { return form->currentPage() == QStringLiteral("fertig"); }))
        << form->currentPage().toStdString();
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("AbschlussmessageLabel"))->text(),
              fake->catalogue.text(Msg::MsgUpdateSuccess));

    const QString installed = filePath(progDir, QStringLiteral("Rivers.trv"));
    EXPECT_EQ(test::readFile(installed),
              test::readFile(path(QStringLiteral("updates/01 Categories/Rivers.trv"))));
    CategorySelection categories(fake->dialog, fake->catalogue);
    categories.build(progDir, 1);
    ASSERT_EQ(categories.rows().size(), 1u);
    EXPECT_EQ(categories.rows()[0].title, QStringLiteral("Rivers"));
    EXPECT_EQ(categories.rows()[0].UsableCount, 12);

    QTest::mouseClick(form->findChild<QAbstractButton*>(QStringLiteral("AbbrechenButton")),
                      Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    // Nothing of the update is left behind but the category.
    EXPECT_EQ(test::folderListing(progDir), QStringList{QStringLiteral("Rivers.trv")});
}

}  // namespace
}  // namespace trivanto

#endif
