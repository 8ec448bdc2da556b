#pragma once

#include <QRect>
#include <QSize>
#include <algorithm>
#include <array>

#include "ui/widgets/main_layout.h"

// Places of the game board's controls in main-window coordinates (640 x 479).
namespace trivanto::board_layout {

inline constexpr QSize kBoardSize{640, 479};

// Seats: a 111 x 190 frame at the seat's left edge (where the background draws the seat's
// card); the parts are offsets inside it. Picture, name and caption keep clear of the frame's
// rim, so a name as wide as its line is never hidden under it; the account display spans the
// card's plate, edge to edge.
inline constexpr std::array<int, 4> kSeatLeft = main_layout::kSeatFrameLeft;
inline constexpr int kSeatTop = main_layout::kSeatFrameTop;
inline constexpr QSize kSeatFrameSize = main_layout::kSeatFrame.size();
inline constexpr int kSeatInside = main_layout::kSeatRimWidth;
inline constexpr int kSeatInsideWidth = kSeatFrameSize.width() - 2 * kSeatInside;
inline constexpr QRect kSeatPicture{4, 4, 103, 120};
inline constexpr QRect kSeatName{kSeatInside, 126, kSeatInsideWidth, 16};
inline constexpr QRect kSeatCaption{kSeatInside, 143, kSeatInsideWidth, 14};
inline constexpr QRect kSeatDisplay{main_layout::kSeatPlateInset, 160,
                                    kSeatFrameSize.width() - 2 * main_layout::kSeatPlateInset, 22};

// The left column shared by the bet, proceed and end panels, and the countdown.
inline constexpr QRect kPanelArea{10, 106, 142, 260};

// The question area.
inline constexpr QRect kQuestionLine{166, 106, 460, 60};
inline constexpr QRect kAnswerPanel{166, 172, 460, 100};
inline constexpr QSize kAnswerSize{226, 46};
inline constexpr int kAnswerGap = 8;

// The estimation screen: a name and an 18-pixel field per player, and "Proceed".
inline constexpr int kGuessTop = 176;
inline constexpr int kGuessRow = 18;
inline constexpr int kGuessLabelLeft = 200;
inline constexpr int kGuessLabelWidth = 160;
inline constexpr int kGuessFieldLeft = 368;
inline constexpr int kGuessFieldWidth = 110;
inline constexpr QRect kGuessOkPanel{494, 176, 110, 30};

// The result screens: a picture on the left, the texts beside it.
inline constexpr QRect kResultImage{168, 112, 160, 120};
inline constexpr QRect kResultLine1{340, 112, 286, 40};
inline constexpr QRect kResultLine2{340, 152, 286, 80};
inline constexpr QRect kResultText{340, 112, 286, 120};
inline constexpr QRect kFootnote{168, 238, 458, 18};

// The left edge of seat 1..4 and of the frame around it.
inline constexpr int seatLeft(int seat) {
    return kSeatLeft[static_cast<std::size_t>(std::clamp(seat, 1, 4) - 1)];
}

}  // namespace trivanto::board_layout
