#pragma once

#include <QSize>
#include <QString>
#include <optional>

#include "core/lang/message_catalogue.h"

namespace trivanto {

class SettingsStore;

// How large the game is drawn: its windows at 1, 1.5 or 2 times their size, or as large as the
// screen allows ("fit", the full-screen mode of F11). The zoom is set before the application
// object exists (Qt's scale factor), so a change takes effect at the next start.
enum class Zoom { One, OneAndHalf, Two, Fit };

// "1", "1.5", "2" or "fit" (also "1x", "150%", "fullscreen", ...); nothing for other texts.
std::optional<Zoom> zoomFromText(const QString& text);
QString zoomText(Zoom zoom);  // "1", "1.5", "2", "fit"

// The zoom in the settings ("Display/Zoom"); 1 when none or an unknown one is stored.
Zoom storedZoom(const SettingsStore& settings);
// Sets the zoom in the settings; the caller writes them out.
void storeZoom(SettingsStore& settings, Zoom zoom);

// F11: fit when the stored zoom is another one (which is remembered), else back to that one.
// Sets the new zoom in the settings and returns it.
Zoom toggleFullScreen(SettingsStore& settings);

// What F11 says after switching to `zoom`: that it takes effect at the next start.
QString zoomNextStartText(Zoom zoom, Language language);

// The scale factor of a zoom: for fit the largest at which the main window (`design`) shows
// whole on a screen of `screen` logical pixels, never below 1.
double zoomFactor(Zoom zoom, QSize screen, QSize design = {640, 479});

}  // namespace trivanto
