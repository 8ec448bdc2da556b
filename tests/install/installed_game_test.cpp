// The game as a user installs it: cmake --install into a temporary prefix, started from an
// empty home, then installed over.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "install/installed_game.h"

namespace trivanto {
namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(content);
}

QByteArray sha256(const QByteArray& content) {
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

class InstalledGame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        ASSERT_TRUE(QDir(m_tmp.path()).mkpath(QStringLiteral("home")));
        ASSERT_TRUE(QDir(m_tmp.path()).mkpath(QStringLiteral("runtime")));
        QFile::setPermissions(
            m_tmp.filePath(QStringLiteral("runtime")),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const ProgramRun installed = installBuild(prefix());
        ASSERT_TRUE(installed.ok()) << installed.describe();
    }

    QString prefix() const { return m_tmp.filePath(QStringLiteral("prefix")); }
    QString dataDir() const { return prefix() + QStringLiteral("/share/trivanto"); }
    QString game() const { return prefix() + QStringLiteral("/bin/trivanto"); }
    QString home() const { return m_tmp.filePath(QStringLiteral("home")); }
    // Where the game keeps the user's program folder when nothing says otherwise.
    QString userProgDir() const {
        return home() + QStringLiteral("/.local/share/velmora.engineering/Trivanto/program");
    }
    QString userFile(const QString& name) const { return userProgDir() + QLatin1Char('/') + name; }

    // A user's session: an empty home and nothing of the test's own set-up.
    QProcessEnvironment userEnvironment(const QString& platform,
                                        const QString& display = {}) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& name : env.keys()) {
            if (name.startsWith(QLatin1String("XDG_")) ||
                name.startsWith(QLatin1String("TRIVANTO_"))) {
                env.remove(name);
            }
        }
        env.insert(QStringLiteral("HOME"), home());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_tmp.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        // A warning would show as a message box no test can see; on standard error it is read.
        env.insert(QStringLiteral("TRIVANTO_PLAIN_MESSAGES"), QStringLiteral("stderr"));
        if (!display.isEmpty()) {
            env.insert(QStringLiteral("DISPLAY"), display);
        }
        return env;
    }

    // Starts and ends the installed game once, headless.
    void startAndQuit() {
        const ProgramRun run =
            runProgram(game(), {QStringLiteral("--no-splash"), QStringLiteral("--quit-when-idle")},
                       userEnvironment(QStringLiteral("offscreen")));
        ASSERT_TRUE(run.ok()) << run.describe();
        EXPECT_FALSE(run.err.contains("Trivanto:")) << run.describe();
    }

    // The shipped categories, sorted by name.
    QStringList shippedCategories() const {
        QStringList names;
        for (const QString& name : shippedFiles(dataDir()).keys()) {
            if (name.endsWith(QLatin1String(".trv"))) {
                names << name;
            }
        }
        return names;
    }

    QTemporaryDir m_tmp;
};

TEST_F(InstalledGame, StartsOnADisplayFromAnEmptyHomeAndPlaysFromASeededFolderOfTheUsersOwn) {
    VirtualDisplay display;
    ASSERT_TRUE(display.running()) << "Xvfb did not start";
    QProcess trivanto;
    trivanto.setProcessEnvironment(userEnvironment(QStringLiteral("xcb"), display.name()));
    trivanto.start(game(), {QStringLiteral("--no-splash"), QStringLiteral("--report-ready")});
    ASSERT_TRUE(trivanto.waitForStarted());
    QByteArray out;
    // A warning (such as a write-protected program folder) would hold the start in its dialog.
    while (!out.contains("Trivanto ready") && trivanto.waitForReadyRead(30000)) {
        out += trivanto.readAllStandardOutput();
    }
    const QList<VirtualDisplay::Window> windows = display.visibleWindows();
    trivanto.terminate();
    trivanto.waitForFinished();
    const QByteArray err = trivanto.readAllStandardError();
    ASSERT_TRUE(out.contains("Trivanto ready")) << err.toStdString();
    // The main window in front of the backdrop, which fills the screen; its class is the one
    // the menu entry names (StartupWMClass), so the desktop shows the entry's icon for it.
    QStringList seen;
    bool mainWindow = false;
    for (const VirtualDisplay::Window& window : windows) {
        seen << QStringLiteral("%1 (%2) %3x%4")
                    .arg(window.name, window.windowClass)
                    .arg(window.size.width())
                    .arg(window.size.height());
        mainWindow = mainWindow || (window.name == QLatin1String("Trivanto 1.04") &&
                                    window.windowClass == QLatin1String("Trivanto") &&
                                    window.size.width() < VirtualDisplay::kScreen.width());
    }
    EXPECT_TRUE(mainWindow) << seen.join(QStringLiteral(", ")).toStdString();
    EXPECT_FALSE(err.contains("Trivanto:")) << err.toStdString();

    // Every shipped file arrived whole in the user's program folder, which the settings name.
    const QMap<QString, QByteArray> shipped = shippedFiles(dataDir());
    ASSERT_FALSE(shippedCategories().isEmpty());
    for (auto it = shipped.cbegin(); it != shipped.cend(); ++it) {
        EXPECT_EQ(sha256(readFile(userFile(it.key()))), it.value()) << it.key().toStdString();
    }
    const QSettings settings(home() + QStringLiteral("/.config/velmora.engineering/Trivanto.conf"),
                             QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("ProgDir")).toString(),
              userProgDir() + QLatin1Char('/'));
}

TEST_F(InstalledGame, InstalledOverKeepsTheUsersCategoriesAndBringsNewerShippedOnes) {
    startAndQuit();
    const QStringList categories = shippedCategories();
    ASSERT_GE(categories.size(), 3);
    const QByteArray a = readFile(userFile(categories[0]));
    const QByteArray c = readFile(userFile(categories[2]));
    ASSERT_FALSE(a.isEmpty());
    ASSERT_NE(a, c);
    // The user makes a category of their own and changes a shipped one.
    writeFile(userFile(QStringLiteral("Mine.trv")), a);
    writeFile(userFile(categories[1]), c);

    const ProgramRun again = installBuild(prefix());
    ASSERT_TRUE(again.ok()) << again.describe();
    // What a newer package would bring: another version of the third category.
    writeFile(dataDir() + QLatin1Char('/') + categories[2], a);
    QByteArray list = readFile(dataDir() + QStringLiteral("/shipped-files.sha256"));
    list.replace(sha256(c) + "  " + categories[2].toUtf8(),
                 sha256(a) + "  " + categories[2].toUtf8());
    writeFile(dataDir() + QStringLiteral("/shipped-files.sha256"), list);
    startAndQuit();

    EXPECT_EQ(readFile(userFile(QStringLiteral("Mine.trv"))), a);
    EXPECT_EQ(readFile(userFile(categories[1])), c) << "the user's change was lost";
    EXPECT_EQ(readFile(userFile(categories[2])), a) << "the newer shipped version did not arrive";
    EXPECT_EQ(readFile(userFile(categories[0])), a);
}

}  // namespace
}  // namespace trivanto
