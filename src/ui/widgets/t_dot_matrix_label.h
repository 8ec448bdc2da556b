#pragma once

#include <QString>
#include <QWidget>

namespace trivanto {

// LCD-style number display: a fixed number of 5 x 7 dot-matrix characters, text right-aligned,
// lit dots in the scheme's colour over faintly glowing unlit ones. Digits, minus, plus, point,
// colon and blank are drawn; other characters stay dark.
class TDotMatrixLabel : public QWidget {
    Q_OBJECT

public:
    enum class ColourScheme { Amber, White, Red };

    explicit TDotMatrixLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }

    void setCharCount(int count);  // at least 1
    int charCount() const { return m_charCount; }

    void setColourScheme(ColourScheme scheme);
    ColourScheme colourScheme() const { return m_scheme; }

    // Distance between dot centres in pixels; the size hint follows it. The dots shrink when
    // the widget is smaller than its hint.
    void setDotPitch(int pixels);
    int dotPitch() const { return m_pitch; }

    // The characters as shown: the last charCount() characters of the text, padded with
    // blanks on the left.
    QString displayedText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    int m_charCount = 9;
    int m_pitch = 2;
    ColourScheme m_scheme = ColourScheme::White;
};

}  // namespace trivanto
