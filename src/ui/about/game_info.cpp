#include "ui/about/game_info.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>

namespace trivanto {

TGameInfo TGameInfo::collect(const QString& windowsFolder) {
    TGameInfo info;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        info.BitsPixel = screen->depth();
    }
    info.WinDir = windowsFolder;
    info.SysDir = QLibraryInfo::path(QLibraryInfo::LibrariesPath);
    return info;
}

}  // namespace trivanto
