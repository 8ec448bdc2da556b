#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "support/recording_shell_opener.h"
#include "ui/common/help_window.h"

namespace trivanto {
namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        ASSERT_TRUE(QDir(m_tmp.path()).mkpath(QStringLiteral("help")));
        page("INDEX",
             "<html><head><title>Contents</title></head><body>"
             "<a href=\"Bestenliste.html\">scores</a></body></html>");
        page("Bestenliste",
             "<html><body>Hall of fame <a href=\"INDEX.html\">back</a></body></html>");
        QFile secret(m_tmp.filePath(QStringLiteral("secret.html")));
        ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
        secret.write("<html><body>outside</body></html>");
        m_viewer = std::make_unique<THelpViewer>(m_tmp.path() + QLatin1Char('/'), m_shell);
    }
    void page(const char* topic, const char* html) {
        QFile file(m_tmp.filePath(QStringLiteral("help/%1.html").arg(QLatin1String(topic))));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html);
    }
    QAbstractButton* button(const char* name) {
        return m_viewer->findChild<QAbstractButton*>(QLatin1String(name));
    }
    void follow(const char* link) {
        emit m_viewer->browser()->anchorClicked(QUrl(QLatin1String(link)));
    }

    QTemporaryDir m_tmp;
    RecordingShellOpener m_shell;
    std::unique_ptr<THelpViewer> m_viewer;
};

TEST_F(HelpWindowTest, JumpsToTopicsAndFollowsLinksWithHistory) {
    m_viewer->HelpJump(QStringLiteral("INDEX"));
    EXPECT_TRUE(m_viewer->isVisible());
    EXPECT_EQ(m_viewer->currentTopic(), QStringLiteral("INDEX"));

    follow("Bestenliste.html");
    EXPECT_EQ(m_viewer->currentTopic(), QStringLiteral("Bestenliste"));
    EXPECT_TRUE(m_viewer->browser()->toPlainText().contains(QStringLiteral("Hall of fame")));

    ASSERT_TRUE(button("BackButton")->isEnabled());
    QTest::mouseClick(button("BackButton"), Qt::LeftButton);
    EXPECT_EQ(m_viewer->currentTopic(), QStringLiteral("INDEX"));
    QTest::mouseClick(button("ForwardButton"), Qt::LeftButton);
    EXPECT_EQ(m_viewer->currentTopic(), QStringLiteral("Bestenliste"));
    QTest::mouseClick(button("HomeButton"), Qt::LeftButton);
    EXPECT_EQ(m_viewer->currentTopic(), QStringLiteral("INDEX"));

    QTest::keyClick(m_viewer.get(), Qt::Key_Escape);
    EXPECT_FALSE(m_viewer->isVisible());
}

TEST_F(HelpWindowTest, LinksLeavingTheHelpFolderAreNotFollowed) {
    m_viewer->HelpJump(QStringLiteral("INDEX"));
    follow("../secret.html");
    follow("file:///etc/passwd");
    EXPECT_EQ(m_viewer->currentTopic(), QStringLiteral("INDEX"));
    EXPECT_TRUE(m_shell.opened().isEmpty());

    follow("https://velmora.engineering/trivanto");
    EXPECT_EQ(m_shell.opened(),
              QList<QUrl>{QUrl(QStringLiteral("https://velmora.engineering/trivanto"))});
    EXPECT_EQ(m_viewer->currentTopic(), QStringLiteral("INDEX"));
}

TEST_F(HelpWindowTest, UnknownOrStrangeTopicsShowANoteInstead) {
    for (const char* topic : {"Onlineupdate", "../secret", ""}) {
        SCOPED_TRACE(topic);
        m_viewer->HelpJump(QLatin1String(topic));
        EXPECT_TRUE(m_viewer->isVisible());
        EXPECT_TRUE(m_viewer->currentTopic().isEmpty());
        EXPECT_FALSE(m_viewer->browser()->toPlainText().contains(QStringLiteral("outside")));
    }
}

TEST_F(HelpWindowTest, TheLanguageChoosesTheFolder) {
    ASSERT_TRUE(QDir(m_tmp.path()).mkpath(QStringLiteral("hilfe")));
    QFile file(m_tmp.filePath(QStringLiteral("hilfe/INDEX.html")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body>Inhalt</body></html>");
    file.close();
    m_viewer->setHelpFolder(QStringLiteral("hilfe"));
    m_viewer->HelpJump(QStringLiteral("INDEX"));
    EXPECT_TRUE(m_viewer->browser()->toPlainText().contains(QStringLiteral("Inhalt")));
}

}  // namespace
}  // namespace trivanto
