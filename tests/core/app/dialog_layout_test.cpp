#include <gtest/gtest.h>

#include "core/app/dialog_layout.h"

namespace trivanto {
namespace {

TEST(DialogLayout, FollowsTheLabelWidth) {
    struct Case {
        DialogMode mode;
        int labelWidth;
        bool wrap;
        int width, closeLeft, labelTop, panelLeft;
    };
    const Case cases[] = {
        {DialogMode::Notice, 237, false, 328, 305, 54, 119},
        {DialogMode::Question, 347, true, 438, 415, 48, 69},
        {DialogMode::Question, 237, false, 328, 305, 54, 14},
        {DialogMode::Notice, 363, true, 454, 431, 48, 182},
        // Odd widths: 291 / 2 = 145.5 rounds to 146, 293 / 2 = 146.5 rounds to 146.
        {DialogMode::Notice, 200, false, 291, 268, 54, 101},
        {DialogMode::Notice, 202, false, 293, 270, 54, 101},
        {DialogMode::Question, 201, false, 292, 269, 54, -4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.labelWidth);
        const DialogLayout l = computeDialogLayout(c.mode, c.labelWidth, c.wrap, 26);
        EXPECT_EQ(l.width, c.width);
        EXPECT_EQ(l.closeButtonLeft, c.closeLeft);
        EXPECT_EQ(l.labelTop, c.labelTop);
        EXPECT_EQ(l.panelLeft, c.panelLeft);
        EXPECT_EQ(l.height, kDialogBaseHeight);
        EXPECT_EQ(l.panelTop, kDialogPanelTop);
        EXPECT_EQ(l.labelHeight, kDialogLabelHeight);
    }
}

TEST(DialogLayout, LongTextGrowsTheWindowInsteadOfBeingCut) {
    // Four lines of 14 px need 56 px: 27 more than the two designed lines.
    const DialogLayout l = computeDialogLayout(DialogMode::Notice, 363, true, 56);
    EXPECT_EQ(l.labelHeight, 56);
    EXPECT_EQ(l.panelTop, kDialogPanelTop + 27);
    EXPECT_EQ(l.height, kDialogBaseHeight + 27);
    // The panels keep their distance below the label.
    EXPECT_EQ(l.panelTop - (l.labelTop + l.labelHeight), kDialogPanelTop - (48 + 29));
}

}  // namespace
}  // namespace trivanto
