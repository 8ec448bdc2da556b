#pragma once

#include <QRect>
#include <QSize>
#include <algorithm>
#include <array>

// Places of the game board's controls in main-window coordinates (640 x 479).
namespace trivanto::board_layout {

inline constexpr QSize kBoardSize{640, 479};

// Seats: a 111 x 190 frame at the seat's left edge; the parts are offsets inside it.
inline constexpr std::array<int, 4> kSeatLeft{157, 274, 391, 509};
inline constexpr int kSeatTop = 280;
inline constexpr QSize kSeatFrameSize{111, 190};
inline constexpr QRect kSeatPicture{4, 4, 103, 120};
inline constexpr QRect kSeatName{2, 126, 107, 16};
inline constexpr QRect kSeatCaption{2, 143, 107, 14};
inline constexpr QRect kSeatDisplay{0, 160, 111, 22};

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
