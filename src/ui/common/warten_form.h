#pragma once

#include "ui/widgets/t_shaped_form.h"

class QLabel;

namespace trivanto {

class TFlatProgressBar;

// The waiting window: a line of text and a progress bar from 0 to 100, always on top. It has
// no behaviour of its own; the setup sets its text and bar and shows and closes it.
class TWartenForm final : public TShapedForm {
    Q_OBJECT
public:
    explicit TWartenForm(QWidget* parent = nullptr);

    QLabel* FrageInfoLabel = nullptr;
    TFlatProgressBar* FlatProgressBar1 = nullptr;
};

}  // namespace trivanto
