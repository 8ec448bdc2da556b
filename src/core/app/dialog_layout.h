#pragma once

#include "core/app/message_dialog.h"

namespace trivanto {

// The message dialog's geometry for one showing. The window is 474 x 118 as designed; its
// width follows the label, and a text taller than the label's two lines grows the window
// downwards instead of being cut.
struct DialogLayout {
    int width = 0;
    int height = 0;
    int closeButtonLeft = 0;
    int labelTop = 0;
    int labelHeight = 0;
    int panelLeft = 0;  // of the notice panel or the question panel, whichever shows
    int panelTop = 0;
};

inline constexpr int kDialogBaseHeight = 118;
inline constexpr int kDialogWidthBeyondLabel = 91;
inline constexpr int kDialogLabelLeft = 70;
inline constexpr int kDialogLabelHeight = 29;
inline constexpr int kDialogPanelTop = 90;

// `textHeight`: the height the text needs at the label's width (0 or anything up to two lines
// keeps the designed height).
DialogLayout computeDialogLayout(DialogMode mode, int labelWidth, bool wordWrap, int textHeight);

}  // namespace trivanto
