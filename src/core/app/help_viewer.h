#pragma once

#include <QString>

namespace trivanto {

// Help topics by name ("INDEX", "Infos_zu_Trivanto", ...). The call returns at once.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void HelpJump(const QString& topic) = 0;
};

}  // namespace trivanto
