#pragma once

#include <QString>
#include <functional>

class QWidget;

// What screen readers (AT-SPI through Qt's accessibility) hear of the game's controls.
namespace trivanto::accessibility {

// The name a screen reader gives the widget now: its own accessible name, else what Qt derives
// from its text (a button's caption, a label's text).
QString nameOf(QWidget* widget);

// A control the player works with or reads the game from: buttons, fields, lists, the
// dot-matrix displays and pictures that tell something (a label showing a picture).
bool isPlayerControl(const QWidget* widget);

// Gives every player control of `window` that has no name yet its hint as its name, and its
// hint as its description. Run after a window's texts are set.
void nameFromHints(QWidget* window);

// Tells screen readers that `source` now says `text`: the text becomes its description and an
// alert is raised, which AT-SPI readers speak even when the focus is elsewhere.
void announce(QWidget* source, const QString& text);

// Hears every announcement besides the screen readers (Qt raises its events only while an
// assistive technology listens; tests listen here). An empty function stops listening.
using AnnouncementListener = std::function<void(QWidget* source, const QString& text)>;
void setAnnouncementListener(AnnouncementListener listener);

}  // namespace trivanto::accessibility
