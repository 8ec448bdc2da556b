#pragma once

#include <QPoint>
#include <QRect>
#include <array>

// Where the main window's background picture expects its controls (640 x 479).
namespace trivanto::main_layout {

inline constexpr QPoint kTitle{16, 6};         // "Trivanto"
inline constexpr int kSmallButtonTop = 6;      // the four title-bar buttons, 18 x 18
inline constexpr int kSmallButtonRight = 620;  // right edge of the rightmost one
inline constexpr int kSmallButtonStep = 21;    // distance between their left edges

// The band of the eight large picture buttons.
inline constexpr QRect kButtonBand{12, 32, 616, 64};
inline constexpr QRect kLargeButton{24, 35, 70, 58};  // first button; the others follow
inline constexpr int kLargeButtonStep = 70;
inline constexpr QRect kSoundButton{601, 52, 24, 24};

// Left column: the bet, proceed and end panels share this place.
inline constexpr QRect kPanelArea{10, 106, 142, 260};
inline constexpr QRect kBanner{16, 374, 133, 90};

// Question area in the middle.
inline constexpr QRect kQuestionArea{160, 106, 470, 168};
inline constexpr QRect kResultPicture{390, 110, 160, 120};  // a good place for result pictures

// Seats: the frame (ImageRahmen) round each seat's card; the card's plate lies 2 pixels
// inside the frame, and the frame's rim covers the outer 3 pixels (the board puts the seat's
// controls inside, see board_layout.h).
inline constexpr std::array<int, 4> kSeatFrameLeft{157, 274, 391, 509};
inline constexpr int kSeatFrameTop = 280;
inline constexpr QRect kSeatFrame{0, 0, 111, 190};  // size of the frame picture
inline constexpr int kSeatPlateInset = 2;
inline constexpr int kSeatRimWidth = 3;

inline constexpr QRect seatRect(int seat, QRect part) {
    return part.translated(kSeatFrameLeft[static_cast<size_t>(seat)], kSeatFrameTop);
}

}  // namespace trivanto::main_layout
