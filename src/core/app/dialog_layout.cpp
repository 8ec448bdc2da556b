#include "core/app/dialog_layout.h"

#include <algorithm>

#include "core/game/money.h"

namespace trivanto {

DialogLayout computeDialogLayout(DialogMode mode, int labelWidth, bool wordWrap, int textHeight) {
    DialogLayout l;
    l.width = labelWidth + kDialogWidthBeyondLabel;
    l.closeButtonLeft = l.width - 23;
    l.labelTop = wordWrap ? 48 : 54;
    const int half = roundHalfEven(l.width / 2.0);
    l.panelLeft = mode == DialogMode::Notice ? half - 45 : half - 150;

    // A wrapping text starts higher; the panels sit that far below the label's bottom.
    const int extra = std::max(0, textHeight - kDialogLabelHeight);
    l.labelHeight = kDialogLabelHeight + extra;
    l.panelTop = kDialogPanelTop + extra;
    l.height = kDialogBaseHeight + extra;
    return l;
}

}  // namespace trivanto
