#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QLabel;

namespace trivanto {

// The smallest font size in pixels a name or an answer is shrunk to.
inline constexpr int kLeastReadablePixels = 8;

// How a text is shown in a box of `room`: the font shrinks (down to the least readable size,
// a bold one then once more without bold) until the text fits on one line; if it never does, it
// wraps at the largest size whose lines fit the box's height; only when that fails too is it
// elided, and the whole text becomes the tooltip.
struct FittedText {
    QFont font;
    QString shown;  // the text itself, or its elided form
    bool wrapped = false;
    bool elided = false;
};
FittedText fitText(const QString& text, const QFont& base, QSize room, bool mayWrap);

// Shows a text from data or people in `label` as it is (plain text, never markup), fitted to
// the label's size from `base`.
void setFittedLabelText(QLabel* label, const QString& text, const QFont& base,
                        bool mayWrap = false);

}  // namespace trivanto
