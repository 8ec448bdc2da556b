#pragma once

#include "core/app/plain_message.h"

namespace trivanto {

// The system's plain message box, for the messages shown before the program's windows exist.
class BoxPlainMessage final : public PlainMessageBox {
public:
    void show(const QString& title, const QString& text) override;
};

}  // namespace trivanto
