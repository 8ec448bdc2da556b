#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QApplication;

namespace trivanto {

// The one place the game's look comes from: a midnight-blue quiz-show stage with gold and
// amber accents and white text. Windows and artwork take their colours and fonts from here.
struct Theme final {
    // Fixed grey of the backdrop that covers the screen behind every window.
    static inline const QColor kBackdrop{60, 60, 60};

    static inline const QColor kMidnight{16, 20, 52};      // deepest background
    static inline const QColor kNavy{28, 34, 86};          // panels
    static inline const QColor kViolet{62, 36, 118};       // gradient partner of navy
    static inline const QColor kPanel{34, 42, 100};        // raised plates, fields
    static inline const QColor kPanelLight{56, 66, 140};   // hover of plates
    static inline const QColor kGold{246, 190, 64};        // accents, frames
    static inline const QColor kGoldLight{255, 222, 130};  // highlights, hover glow
    static inline const QColor kAmber{255, 160, 24};       // countdown
    static inline const QColor kText{255, 255, 255};
    static inline const QColor kTextMuted{178, 186, 226};
    static inline const QColor kTextDark{26, 22, 48};  // on gold buttons
    static inline const QColor kRight{70, 200, 110};
    static inline const QColor kWrong{228, 68, 64};
    static inline const QColor kEmptySeat{240, 84, 78};  // red of empty seats and their dots
    static inline const QColor kLcdBack{8, 10, 24};

    static inline const QString kFontFamily = QStringLiteral("DejaVu Sans");

    static QFont titleFont();        // window titles ("Trivanto", headings)
    static QFont captionFont();      // small captions, hints
    static QFont bodyFont();         // labels, fields, lists
    static QFont boldBodyFont();     // captions beside fields, names
    static QFont largeButtonFont();  // captions under the large picture buttons
    static QFont questionFont();     // question texts

    // Style, font and palette for the whole application.
    static void apply(QApplication& app);
};

}  // namespace trivanto
