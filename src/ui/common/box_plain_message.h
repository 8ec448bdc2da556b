#pragma once

#include <memory>

#include "core/app/plain_message.h"

class QMessageBox;

namespace trivanto {

// The system's plain message box, for the messages shown before the program's windows exist.
class BoxPlainMessage final : public PlainMessageBox {
public:
    void show(const QString& title, const QString& text) override;

    // The box as shown: in front of every other window (a second start's notice must not hide
    // under the first copy's windows), its text plain.
    static std::unique_ptr<QMessageBox> makeBox(const QString& title, const QString& text);
};

}  // namespace trivanto
