#pragma once

#include "core/lang/message_catalogue.h"

#include "ui/about/game_info.h"
#include "ui/widgets/t_shaped_form.h"

namespace trivanto {

// The splash window shown while the program starts; it carries the system facts start-up
// reads (colour depth, folders).
class TStartscreenForm final : public TShapedForm {
    Q_OBJECT
public:
    // The splash shows its lines in the language of the run from the start.
    TStartscreenForm(const QString& windowsFolder, Language language, QWidget* parent = nullptr);

    TGameInfo GameInfo1;
};

}  // namespace trivanto
