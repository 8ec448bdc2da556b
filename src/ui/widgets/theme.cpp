#include "ui/widgets/theme.h"

#include "ui/widgets/artwork.h"

#include <QApplication>
#include <QPalette>

// The style sheet's indicator pictures live in the static library's resources, which the linker
// would otherwise drop.
static void initArtworkResources() {
    Q_INIT_RESOURCE(artwork);
}

namespace trivanto {
namespace {

QFont makeFont(int pixelSize, bool bold) {
    QFont font(Theme::kFontFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QString rgb(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString rgba(const QColor& c, int alpha) {
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue())
        .arg(alpha);
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

QString Theme::styleSheet() {
    // Placeholders keep the sheet readable; they are filled from the palette constants below.
    QString sheet = QStringLiteral(R"(
QPushButton {
    color: @textDark; font-weight: bold;
    border: 1px solid @goldLight; border-radius: 6px; padding: 2px 6px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @goldLight, stop:1 @gold);
}
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff4cc, stop:1 @goldLight); }
QPushButton:pressed { background: @gold; padding-top: 4px; padding-bottom: 2px; }
QPushButton:focus { border: 2px solid @text; }
QPushButton:disabled { color: @muted; background: @panel; border-color: @panelLight; }
QLineEdit, QTextBrowser, QTextEdit, QPlainTextEdit, QListWidget, QListView, QTreeView, QComboBox {
    color: @text; background: @midnight; selection-background-color: @gold;
    selection-color: @textDark; border: 1px solid @panelLight; border-radius: 4px;
}
QLineEdit { padding: 1px 4px; }
QLineEdit:focus, QComboBox:focus, QListWidget:focus, QTextBrowser:focus, QTextEdit:focus,
QPlainTextEdit:focus, QTreeView:focus { border: 2px solid @goldLight; }
QLineEdit:focus { padding: 0px 3px; }
QComboBox:focus { background: @panel; }
QLineEdit:disabled, QComboBox:disabled, QListWidget:disabled { color: @muted; background: @navy; }
QListWidget::item { padding: 1px 3px; }
QListWidget::item:hover { background: @panel; }
QListWidget::item:selected { background: @gold; color: @textDark; }
QComboBox { padding: 1px 20px 1px 6px; }
QComboBox::drop-down { border: none; width: 18px; }
QComboBox::down-arrow { image: url(:/trivanto/arrow_down.svg); width: 10px; height: 10px; }
QComboBox QAbstractItemView { background: @navy; color: @text; border: 1px solid @gold; }
QCheckBox, QRadioButton { color: @text; spacing: 6px; background: transparent; }
QCheckBox:disabled, QRadioButton:disabled { color: @muted; }
QCheckBox::indicator, QRadioButton::indicator {
    width: 13px; height: 13px; background: @midnight; border: 1px solid @gold;
}
QCheckBox::indicator { border-radius: 3px; }
QRadioButton::indicator { border-radius: 7px; }
QCheckBox::indicator:hover, QRadioButton::indicator:hover { background: @panel; border-color: @goldLight; }
QCheckBox::indicator:checked { image: url(:/trivanto/check.svg); }
QRadioButton::indicator:checked { image: url(:/trivanto/radio_dot.svg); }
QCheckBox::indicator:disabled, QRadioButton::indicator:disabled { border-color: @panelLight; }
QCheckBox:focus, QRadioButton:focus { color: @goldLight; }
QCheckBox::indicator:focus, QRadioButton::indicator:focus { border: 2px solid @text; width: 11px; height: 11px; }
QListWidget::item:focus { border: 1px solid @goldLight; border-radius: 3px; }
QScrollBar:vertical { background: @midnight; width: 11px; margin: 0; border-radius: 5px; }
QScrollBar:horizontal { background: @midnight; height: 11px; margin: 0; border-radius: 5px; }
QScrollBar::handle { background: @panelLight; border-radius: 4px; margin: 2px; }
QScrollBar::handle:hover { background: @gold; }
QScrollBar::handle:vertical { min-height: 20px; }
QScrollBar::handle:horizontal { min-width: 20px; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
QToolTip { color: @textDark; background: @goldLight; border: 1px solid @gold; padding: 2px 4px; }
QProgressBar {
    color: @text; background: @midnight; border: 1px solid @panelLight; border-radius: 5px;
    text-align: center; height: 12px;
}
QProgressBar::chunk {
    border-radius: 4px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @goldLight, stop:1 @amber);
}
QTextBrowser { padding: 4px; }
QTextBrowser a { color: @goldLight; }
QMenu { color: @text; background: @navy; border: 1px solid @gold; }
QMenu::item:selected { background: @gold; color: @textDark; }
)");
    const std::pair<const char*, QString> values[] = {
        {"@textDark", rgb(kTextDark)},
        {"@goldLight", rgb(kGoldLight)},
        {"@gold", rgb(kGold)},
        {"@amber", rgb(kAmber)},
        {"@text", rgb(kText)},
        {"@muted", rgb(kTextMuted)},
        {"@panelLight", rgb(kPanelLight)},
        {"@panel", rgb(kPanel)},
        {"@navy", rgb(kNavy)},
        {"@midnight", rgba(kMidnight, 230)},
    };
    for (const auto& [key, value] : values) {
        sheet.replace(QLatin1String(key), value);
    }
    return sheet;
}

void Theme::apply(QApplication& app) {
    initArtworkResources();
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
    app.setStyleSheet(styleSheet());
}

}  // namespace trivanto
