#include "core/app/zoom.h"

#include <algorithm>
#include <cmath>

#include "core/app/settings_store.h"

namespace trivanto {

namespace {

const QString kZoomKey = QStringLiteral("Display/Zoom");
const QString kWindowZoomKey = QStringLiteral("Display/WindowZoom");  // the zoom F11 returns to

}  // namespace

std::optional<Zoom> zoomFromText(const QString& text) {
    QString t = text.trimmed().toLower();
    if (t == QLatin1String("fit") || t == QLatin1String("fullscreen") ||
        t == QLatin1String("full-screen")) {
        return Zoom::Fit;
    }
    if (t.endsWith(QLatin1Char('%'))) {
        bool ok = false;
        const int percent = t.chopped(1).toInt(&ok);
        if (!ok) {
            return std::nullopt;
        }
        t = QString::number(percent / 100.0);
    } else if (t.endsWith(QLatin1Char('x'))) {
        t.chop(1);
    }
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t == QLatin1String("1") || t == QLatin1String("1.0")) {
        return Zoom::One;
    }
    if (t == QLatin1String("1.5")) {
        return Zoom::OneAndHalf;
    }
    if (t == QLatin1String("2") || t == QLatin1String("2.0")) {
        return Zoom::Two;
    }
    return std::nullopt;
}

QString zoomText(Zoom zoom) {
    switch (zoom) {
        case Zoom::OneAndHalf:
            return QStringLiteral("1.5");
        case Zoom::Two:
            return QStringLiteral("2");
        case Zoom::Fit:
            return QStringLiteral("fit");
        case Zoom::One:
            break;
    }
    return QStringLiteral("1");
}

Zoom storedZoom(const SettingsStore& settings) {
    return zoomFromText(settings.stringValue(kZoomKey)).value_or(Zoom::One);
}

void storeZoom(SettingsStore& settings, Zoom zoom) {
    settings.setString(kZoomKey, zoomText(zoom));
    if (zoom != Zoom::Fit) {
        settings.setString(kWindowZoomKey, zoomText(zoom));
    }
}

Zoom toggleFullScreen(SettingsStore& settings) {
    Zoom next = Zoom::Fit;
    if (storedZoom(settings) == Zoom::Fit) {
        next = zoomFromText(settings.stringValue(kWindowZoomKey)).value_or(Zoom::One);
        if (next == Zoom::Fit) {
            next = Zoom::One;
        }
    }
    storeZoom(settings, next);
    return next;
}

QString zoomNextStartText(Zoom zoom, Language language) {
    const bool full = zoom == Zoom::Fit;
    if (language == Language::Deutsch) {
        return full ? QStringLiteral(
                          "Trivanto füllt ab dem nächsten Start den Bildschirm. "
                          "Drücken Sie noch einmal F11, um die bisherige Fenstergröße "
                          "zu behalten.")
                    : QStringLiteral(
                          "Trivanto kehrt ab dem nächsten Start zu seiner "
                          "Fenstergröße zurück. Drücken Sie noch einmal F11, um den "
                          "Bildschirm zu füllen.");
    }
    return full ? QStringLiteral(
                      "Trivanto fills the screen from its next start. Press F11 "
                      "again to keep the window size you had.")
                : QStringLiteral(
                      "Trivanto returns to its window size from its next start. "
                      "Press F11 again to fill the screen.");
}

double zoomFactor(Zoom zoom, QSize screen, QSize design) {
    switch (zoom) {
        case Zoom::One:
            return 1.0;
        case Zoom::OneAndHalf:
            return 1.5;
        case Zoom::Two:
            return 2.0;
        case Zoom::Fit:
            break;
    }
    if (screen.isEmpty() || design.isEmpty()) {
        return 1.0;
    }
    const double factor = std::min(static_cast<double>(screen.width()) / design.width(),
                                   static_cast<double>(screen.height()) / design.height());
    // Whole hundredths keep Qt's arithmetic of window sizes exact enough; rounding down keeps
    // the window on the screen.
    return std::max(1.0, std::floor(factor * 100.0) / 100.0);
}

}  // namespace trivanto
