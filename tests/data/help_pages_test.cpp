#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace {

// Every help topic a window can open, in both help folders.
const QStringList kTopics = {
    QStringLiteral("INDEX"),
    QStringLiteral("Neues_Spiel_starten"),
    QStringLiteral("Frageneditor"),
    QStringLiteral("Neue_Rubrik_erstellen"),
    QStringLiteral("Bestenliste"),
    QStringLiteral("Eigenes_Spiel_in_die_internationalen_Top50_eintragen"),
    QStringLiteral("Internationale_Top50_auf_den_neuesten_Stand_bringen"),
    QStringLiteral("Onlineupdate"),
    QStringLiteral("Infos_zu_Trivanto"),
};

QString helpFolder(const QString& name) {
    return QStringLiteral(TRIVANTO_SOURCE_DIR "/data/progdir/") + name;
}

QString readPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

class HelpPages : public ::testing::TestWithParam<const char*> {};

TEST_P(HelpPages, EveryTopicHasATitledPage) {
    const QDir dir(helpFolder(QString::fromLatin1(GetParam())));
    for (const QString& topic : kTopics) {
        const QString page = readPage(dir.filePath(topic + QStringLiteral(".html")));
        ASSERT_FALSE(page.isEmpty()) << qPrintable(topic) << " is missing or empty";
        EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("<title>[^<]+</title>"))))
            << qPrintable(topic) << " has no title";
        EXPECT_TRUE(page.contains(QStringLiteral("<h1>")))
            << qPrintable(topic) << " has no heading";
    }
}

TEST_P(HelpPages, LocalLinksAndStylesheetResolve) {
    const QDir dir(helpFolder(QString::fromLatin1(GetParam())));
    const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#:]+)(?:#[^\"]*)?\""));
    const QStringList pages = dir.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_FALSE(pages.isEmpty());
    for (const QString& name : pages) {
        const QString page = readPage(dir.filePath(name));
        for (auto it = link.globalMatch(page); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(QFile::exists(dir.filePath(target)))
                << qPrintable(name) << " links to missing " << qPrintable(target);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, HelpPages, ::testing::Values("help", "hilfe"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
