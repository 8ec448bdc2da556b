// trivanto-render-artwork banner FILE [englisch|deutsch]   writes the default banner (PNG) to FILE
// trivanto-render-artwork icon SIZE FILE   writes the program icon, SIZE pixels square (PNG)
// trivanto-render-artwork gallery DIR   writes every picture as PNG into DIR
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>

#include "core/common/save_file.h"
#include "ui/widgets/artwork.h"

namespace {

using namespace trivanto::artwork;

bool writePng(const QPixmap& picture, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return trivanto::commitSaveFile(file).ok();
}

bool writeGallery(const QString& folder) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        return false;
    }
    bool ok = true;
    auto put = [&](const QPixmap& picture, const QString& name) {
        ok = writePng(picture, dir.filePath(name + QStringLiteral(".png"))) && ok;
    };
    const std::pair<WindowStyle, const char*> windows[] = {
        {WindowStyle::Main, "main"},       {WindowStyle::Message, "message"},
        {WindowStyle::Splash, "splash"},   {WindowStyle::Info, "info"},
        {WindowStyle::Waiting, "waiting"}, {WindowStyle::NewGame, "newgame"},
        {WindowStyle::Generic, "generic"}};
    for (const auto& [style, name] : windows) {
        put(windowBackground(style), QStringLiteral("window_%1").arg(QLatin1String(name)));
    }
    put(windowBackground(WindowStyle::Message, {328, 118}), QStringLiteral("window_message_328"));
    for (int i = 0; i < kButtonPictureCount; ++i) {
        put(buttonPicture(i), QStringLiteral("button_%1").arg(i, 2, 10, QLatin1Char('0')));
    }
    for (int i = 0; i < kPlayerPictureCount; ++i) {
        put(playerPicture(i), QStringLiteral("player_%1").arg(i));
    }
    put(placeholderPicture(), QStringLiteral("player_placeholder"));
    put(seatFramePicture(), QStringLiteral("seat_frame"));
    for (int i = 0; i < kFlagCount; ++i) {
        put(flagPicture(i), QStringLiteral("flag_%1").arg(i));
    }
    const std::pair<ResultPicture, const char*> results[] = {
        {ResultPicture::Right, "right"},
        {ResultPicture::Wrong, "wrong"},
        {ResultPicture::Joker, "joker"},
        {ResultPicture::End, "end"},
        {ResultPicture::Estimation, "estimation"}};
    for (const auto& [picture, name] : results) {
        put(resultPicture(picture), QStringLiteral("result_%1").arg(QLatin1String(name)));
    }
    for (int i = 0; i < 4; ++i) {
        const auto button = static_cast<SmallButton>(i);
        put(smallButtonPicture(button, false), QStringLiteral("small_%1").arg(i));
        put(smallButtonPicture(button, true), QStringLiteral("small_%1_hover").arg(i));
    }
    for (int i = 0; i < kToolPictureCount; ++i) {
        const auto tool = static_cast<ToolPicture>(i);
        put(toolPicture(tool, false), QStringLiteral("tool_%1").arg(i));
        put(toolPicture(tool, true), QStringLiteral("tool_%1_hover").arg(i));
    }
    put(soundPicture(0), QStringLiteral("sound_0"));
    put(soundPicture(1), QStringLiteral("sound_1"));
    put(bannerPicture(), QStringLiteral("banner"));
    put(updateWizardPicture(), QStringLiteral("wizard_update"));
    for (const int size : {16, 32, 48, 256}) {
        put(programIconPicture(size), QStringLiteral("icon_%1").arg(size));
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    // Files of exact pixel sizes, whatever the screen or zoom.
    trivanto::artwork::setPixelRatio(1);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if ((args.size() == 3 || args.size() == 4) && args[1] == QLatin1String("banner")) {
        const trivanto::Language language = args.size() == 4 && args[3] == QLatin1String("deutsch")
                                                ? trivanto::Language::Deutsch
                                                : trivanto::Language::Englisch;
        if (!writePng(bannerPicture(language), args[2])) {
            err << "cannot write " << args[2] << "\n";
            return 1;
        }
        return 0;
    }
    if (args.size() == 4 && args[1] == QLatin1String("icon")) {
        bool ok = false;
        const int size = args[2].toInt(&ok);
        if (!ok || size < 16 || size > 512) {
            err << "the icon's size is 16 to 512 pixels, not " << args[2] << "\n";
            return 2;
        }
        if (!writePng(programIconPicture(size), args[3])) {
            err << "cannot write " << args[3] << "\n";
            return 1;
        }
        return 0;
    }
    if (args.size() == 3 && args[1] == QLatin1String("gallery")) {
        if (!writeGallery(args[2])) {
            err << "cannot write every picture into " << args[2] << "\n";
            return 1;
        }
        return 0;
    }
    err << "usage: trivanto-render-artwork banner FILE [englisch|deutsch] | icon SIZE FILE | "
           "gallery DIR\n";
    return 2;
}
