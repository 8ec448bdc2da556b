// The Debian package CPack makes from this build: its dependencies, its files, and that apt
// accepts it.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "install/installed_game.h"

namespace trivanto {
namespace {

QString field(const QString& deb, const char* name) {
    return QString::fromUtf8(
        runProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QLatin1String(name)})
            .out.trimmed());
}

TEST(DebianPackage, DeclaresItsDependenciesShipsTheInstallLayoutAndLeavesUsersAlone) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const ProgramRun cpack = runProgram(
        QStringLiteral(TRIVANTO_CPACK_COMMAND),
        {QStringLiteral("--config"), QStringLiteral(TRIVANTO_BUILD_DIR "/CPackConfig.cmake"),
         QStringLiteral("-B"), tmp.path()});
    ASSERT_TRUE(cpack.ok()) << cpack.describe();
    const QStringList debs = QDir(tmp.path()).entryList({QStringLiteral("trivanto_*.deb")});
    ASSERT_EQ(debs.size(), 1) << cpack.describe();
    const QString deb = tmp.filePath(debs.first());
    EXPECT_TRUE(debs.first().startsWith(QStringLiteral("trivanto_1.04-1_")));

    EXPECT_EQ(field(deb, "Package"), QStringLiteral("trivanto"));
    EXPECT_EQ(field(deb, "Section"), QStringLiteral("games"));
    // The linked libraries (found by dpkg-shlibdeps) and what Qt loads at run time.
    const QString depends = field(deb, "Depends");
    for (const char* package :
         {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6network6",
          "libqt6dbus6", "libqt6sql6", "libqt6sql6-sqlite", "libsdl2-mixer-2.0-0", "libsdl2-2.0-0",
          "libzip4", "fonts-dejavu-core", "qt6-translations-l10n"}) {
        EXPECT_TRUE(depends.contains(QLatin1String(package) + QLatin1Char(' ')) ||
                    depends.contains(QLatin1String(package) + QLatin1Char(',')) ||
                    depends.endsWith(QLatin1String(package)))
            << package << " missing in: " << depends.toStdString();
    }

    const QString contents = QString::fromUtf8(
        runProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), deb}).out);
    for (const char* file :
         {"./usr/bin/trivanto\n", "./usr/bin/trivanto-cat\n", "./usr/bin/trivanto-pack\n",
          "./usr/bin/trivanto-server\n", "./usr/lib/trivanto/modules/libtrivanto-net.so\n",
          "./usr/share/trivanto/shipped-files.sha256\n", "./usr/share/trivanto/banner.dat\n",
          "./usr/share/trivanto/help/INDEX.html\n",
          "./usr/share/applications/engineering.velmora.trivanto.desktop\n",
          "./usr/share/metainfo/engineering.velmora.trivanto.metainfo.xml\n",
          "./usr/share/icons/hicolor/48x48/apps/engineering.velmora.trivanto.png\n",
          "./usr/share/man/man6/trivanto.6.gz\n", "./usr/share/man/man1/trivanto-cat.1.gz\n",
          "./usr/share/doc/trivanto/copyright\n"}) {
        EXPECT_TRUE(contents.contains(QLatin1String(file))) << file;
    }
    for (const QString& line : contents.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        EXPECT_TRUE(line.contains(QLatin1String(" ./usr/")) || line.endsWith(QLatin1String(" ./")))
            << "outside /usr: " << line.toStdString();
    }

    // No maintainer script: installing and removing touch nothing but the package's own files.
    const QString control = tmp.filePath(QStringLiteral("control"));
    ASSERT_TRUE(
        runProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("--control"), deb, control}).ok());
    QStringList controlFiles = QDir(control).entryList(QDir::Files);
    controlFiles.sort();
    EXPECT_EQ(controlFiles, (QStringList{QStringLiteral("control"), QStringLiteral("md5sums")}));

    // apt finds every dependency (a simulation: nothing is installed; where the game is
    // installed already, apt says so).
    const ProgramRun apt = runProgram(
        QStringLiteral("apt-get"),
        {QStringLiteral("install"), QStringLiteral("--simulate"), QStringLiteral("--yes"), deb});
    EXPECT_TRUE(apt.ok() && (apt.out.contains("Inst trivanto") ||
                             apt.out.contains("trivanto is already the newest version")))
        << apt.describe();
}

}  // namespace
}  // namespace trivanto
