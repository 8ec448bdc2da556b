#pragma once

#include "ui/app/game_info.h"
#include "ui/widgets/t_shaped_form.h"

namespace trivanto {

// The splash window shown while the program starts; it carries the system facts start-up
// reads (colour depth, folders).
class TStartscreenForm final : public TShapedForm {
    Q_OBJECT
public:
    explicit TStartscreenForm(const QString& windowsFolder, QWidget* parent = nullptr);

    TGameInfo GameInfo1;
};

}  // namespace trivanto
