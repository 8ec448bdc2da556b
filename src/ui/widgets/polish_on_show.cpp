#include "ui/widgets/polish_on_show.h"

#include <QCoreApplication>
#include <QEvent>

namespace trivanto {

void polishWhenShown() {
    // Windows already on screen were polished as they showed.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
}

}  // namespace trivanto
