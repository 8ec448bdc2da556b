#pragma once

#include <QString>

namespace trivanto {

// The system facts start-up needs, collected once: the display's colour depth and the folders.
struct TGameInfo {
    int BitsPixel = 0;  // bits per pixel of the primary screen, 0 when unknown
    QString WinDir;     // the per-user folder of the game question list
    QString SysDir;     // kept for completeness; nothing uses it

    // Reads the primary screen; `windowsFolder` is the run's per-user folder.
    static TGameInfo collect(const QString& windowsFolder);
};

}  // namespace trivanto
