#pragma once

#include "ui/widgets/t_flat_edit.h"

namespace trivanto {

// A flat field that selects its whole text when clicked, so a player overwrites the old
// entry (bet, guess, name) instead of editing it.
class TSelectAllEdit final : public TFlatEdit {
    Q_OBJECT

public:
    explicit TSelectAllEdit(QWidget* parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace trivanto
