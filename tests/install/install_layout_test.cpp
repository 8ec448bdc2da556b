// What cmake --install puts where: programs in bin, shipped data in share/trivanto, the desktop
// entry, icons, AppStream description and manual pages where the desktop and man look.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "core/net/http_module_loader.h"
#include "install/installed_game.h"
#include "support/core_application.h"

namespace trivanto {
namespace {

const QString kAppId = QStringLiteral("engineering.velmora.trivanto");

class InstallLayout : public ::testing::Test {
protected:
    // One install serves every check of the layout.
    static void SetUpTestSuite() {
        s_tmp = std::make_unique<QTemporaryDir>();
        s_installed = installBuild(s_tmp->path());
    }
    static void TearDownTestSuite() { s_tmp.reset(); }

    void SetUp() override { ASSERT_TRUE(s_installed.ok()) << s_installed.describe(); }

    static QString path(const QString& relative) { return s_tmp->filePath(relative); }

    static std::unique_ptr<QTemporaryDir> s_tmp;
    static ProgramRun s_installed;
};

std::unique_ptr<QTemporaryDir> InstallLayout::s_tmp;
ProgramRun InstallLayout::s_installed;

// The sound and archive libraries (with libcrypto and libbz2 behind libzip) and Qt Network
// (with Kerberos and proxy discovery behind it) are loaded when first needed; linked, they
// would be loaded and relocated at every start.
TEST_F(InstallLayout, TheGameLinksNoLibraryItLoadsWhenNeeded) {
    const ProgramRun readelf = runProgram(
        QStringLiteral("readelf"), {QStringLiteral("-d"), path(QStringLiteral("bin/trivanto"))});
    ASSERT_TRUE(readelf.ok()) << readelf.describe();
    ASSERT_TRUE(readelf.out.contains("(NEEDED)")) << readelf.describe();
    for (const char* library :
         {"libzip", "libcrypto", "libbz2", "libSDL2", "libQt6Network", "libgssapi", "libproxy"}) {
        EXPECT_FALSE(readelf.out.contains(QByteArray("[") + library)) << library;
    }
}

// The installed game finds its network module where it looks for it, and the module works.
TEST_F(InstallLayout, TheNetworkModuleLoadsFromTheInstalledLibraryFolder) {
    ensureCoreApplication();  // the module's client needs one
    const QString bin = path(QStringLiteral("bin"));
    EXPECT_FALSE(QFile::exists(QDir(bin).filePath(QLatin1String(kHttpModuleFileName))));
    const Result<std::unique_ptr<HttpClient>> loaded = loadHttpModule(httpModuleFolders(bin));
    ASSERT_TRUE(loaded.ok()) << loaded.error().toStdString();
    EXPECT_NE(loaded.value().get(), nullptr);
}

TEST_F(InstallLayout, ProgramsInBinAndExactlyTheListedDataInShare) {
    EXPECT_EQ(QDir(path(QStringLiteral("bin"))).entryList(QDir::Files | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("trivanto"), QStringLiteral("trivanto-cat"),
                           QStringLiteral("trivanto-pack"), QStringLiteral("trivanto-server")}));
    for (const QString& program : QDir(path(QStringLiteral("bin"))).entryList(QDir::Files)) {
        const QFileInfo info(path(QStringLiteral("bin/") + program));
        EXPECT_TRUE(info.isExecutable() && !info.isSymLink()) << program.toStdString();
    }

    const QString data = path(QStringLiteral("share/trivanto"));
    const QMap<QString, QByteArray> shipped = shippedFiles(data);
    for (const char* name :
         {"banner.dat", "audio01.snd", "audio12.snd", "help/INDEX.html", "hilfe/INDEX.html"}) {
        EXPECT_TRUE(shipped.contains(QLatin1String(name))) << name;
    }
    QStringList present;
    QDir dir(data);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
        present << info.fileName();
    }
    for (const QString& sub : {QStringLiteral("help"), QStringLiteral("hilfe")}) {
        for (const QString& name : QDir(dir.filePath(sub)).entryList(QDir::Files)) {
            present << sub + QLatin1Char('/') + name;
        }
    }
    present.removeOne(QStringLiteral("shipped-files.sha256"));
    present.sort();
    EXPECT_EQ(present, QStringList(shipped.keys()));
    for (auto it = shipped.cbegin(); it != shipped.cend(); ++it) {
        QFile file(dir.filePath(it.key()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << it.key().toStdString();
        EXPECT_EQ(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex(),
                  it.value())
            << it.key().toStdString();
    }
}

TEST_F(InstallLayout, DesktopEntryAndAppStreamDescriptionValidate) {
    const QString entry =
        path(QStringLiteral("share/applications/") + kAppId + QStringLiteral(".desktop"));
    const ProgramRun desktop = runProgram(QStringLiteral("desktop-file-validate"), {entry});
    EXPECT_TRUE(desktop.ok() && desktop.out.isEmpty()) << desktop.describe();
    const ProgramRun appstream = runProgram(
        QStringLiteral("appstreamcli"),
        {QStringLiteral("validate"), QStringLiteral("--no-net"),
         path(QStringLiteral("share/metainfo/") + kAppId + QStringLiteral(".metainfo.xml"))});
    EXPECT_TRUE(appstream.ok()) << appstream.describe();
    EXPECT_FALSE(appstream.out.contains("W:") || appstream.out.contains("E:"))
        << appstream.describe();

    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("\nExec=trivanto\n"));
    EXPECT_TRUE(text.contains("\nIcon=" + kAppId.toUtf8() + "\n"));
    // The class of the game's windows (WM_CLASS), so the desktop ties them to this entry.
    EXPECT_TRUE(text.contains("\nStartupWMClass=Trivanto\n"));
}

TEST_F(InstallLayout, IconInEveryUsualHicolorSize) {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString icon =
            path(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId));
        const QImage image(icon);
        EXPECT_EQ(image.size(), QSize(size, size)) << icon.toStdString();
        // Drawn: a transparent corner, an opaque middle.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST_F(InstallLayout, ManualPagesRenderWithoutWarnings) {
    for (const char* page : {"man6/trivanto.6.gz", "man1/trivanto-cat.1.gz",
                             "man1/trivanto-pack.1.gz", "man1/trivanto-server.1.gz"}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        const ProgramRun man = runProgram(
            QStringLiteral("man"),
            {QStringLiteral("--warnings"), QStringLiteral("-E"), QStringLiteral("UTF-8"),
             QStringLiteral("-l"), path(QStringLiteral("share/man/") + QLatin1String(page))},
            env);
        EXPECT_TRUE(man.ok() && man.err.isEmpty()) << page << "\n" << man.describe();
        EXPECT_TRUE(man.out.contains("SYNOPSIS")) << page;
    }
}

}  // namespace
}  // namespace trivanto
