#pragma once

#include <QPushButton>
#include <optional>

namespace trivanto {

// Text button of the game ("MAX", "Proceed", "OK"): a gold plate with dark text.
class TFlatButton : public QPushButton {
    Q_OBJECT

public:
    explicit TFlatButton(QWidget* parent = nullptr);
    explicit TFlatButton(const QString& text, QWidget* parent = nullptr);

    // A text from data (an answer): shown as it is, "&" included and no shortcut made of it,
    // and fitted to the button from `base` (shrunk, then wrapped, only then elided with the
    // whole text as the tooltip).
    void setPlainText(const QString& text, const QFont& base);
    bool hasPlainText() const { return m_plain; }
    // What the button shows; for a plain text the text as given.
    QString shownText() const;
    // A caption of the language table that is wider than the button gets a smaller font (down
    // to the least readable size), measured from the font the button had before its first
    // caption. A hidden button fits its caption when it shows: each size tried loads a font of
    // its own, and the layout's German captions are replaced before most windows ever show.
    void fitCaption();
    // The room a caption has: the width less the focus border and the padding on both sides.
    static constexpr int kCaptionChrome = 2 * (2 + 6);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fit();
    void fitCaptionNow();

    bool m_plain = false;
    QString m_text;
    QString m_shown;
    QFont m_base;
    bool m_wrapped = false;
    std::optional<QFont> m_captionFont;
    bool m_captionToFit = false;
};

// `text` with every "&" doubled: a button or label shows it instead of taking a shortcut mark.
QString withoutShortcutMarks(const QString& text);

}  // namespace trivanto
