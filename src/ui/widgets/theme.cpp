#include "ui/widgets/theme.h"

#include "ui/widgets/artwork.h"
#include "ui/widgets/trivanto_style.h"

#include <QApplication>
#include <QPalette>

namespace trivanto {
namespace {

QFont makeFont(int pixelSize, bool bold) {
    QFont font(Theme::kFontFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

QFont Theme::titleFont() {
    return makeFont(17, true);
}
QFont Theme::captionFont() {
    return makeFont(10, false);
}
QFont Theme::bodyFont() {
    return makeFont(12, false);
}
QFont Theme::boldBodyFont() {
    return makeFont(12, true);
}
QFont Theme::largeButtonFont() {
    return makeFont(10, true);
}
QFont Theme::questionFont() {
    return makeFont(15, true);
}

void Theme::apply(QApplication& app) {
    // The style first: setting it may reset the palette set below.
    app.setStyle(new TrivantoStyle);
    app.setWindowIcon(artwork::programIcon());
    app.setFont(bodyFont());
    QPalette palette = app.palette();
    palette.setColor(QPalette::Window, kNavy);
    palette.setColor(QPalette::WindowText, kText);
    palette.setColor(QPalette::Base, kMidnight);
    palette.setColor(QPalette::AlternateBase, kNavy);
    palette.setColor(QPalette::Text, kText);
    palette.setColor(QPalette::Button, kGold);
    palette.setColor(QPalette::ButtonText, kTextDark);
    palette.setColor(QPalette::Highlight, kGold);
    palette.setColor(QPalette::HighlightedText, kTextDark);
    palette.setColor(QPalette::ToolTipBase, kGoldLight);
    palette.setColor(QPalette::ToolTipText, kTextDark);
    palette.setColor(QPalette::PlaceholderText, kTextMuted);
    palette.setColor(QPalette::Link, kGoldLight);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, kTextMuted);
    palette.setColor(QPalette::Disabled, QPalette::Text, kTextMuted);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, kTextMuted);
    app.setPalette(palette);
}

}  // namespace trivanto
