#pragma once

#include <QString>

namespace trivanto {

// The plain message box used before the program's own dialog exists (second instance,
// too few colours).
class PlainMessageBox {
public:
    virtual ~PlainMessageBox() = default;
    virtual void show(const QString& title, const QString& text) = 0;
};

// Writes the message to standard error: headless runs and tests of the real executable.
class StderrPlainMessageBox final : public PlainMessageBox {
public:
    void show(const QString& title, const QString& text) override;
};

}  // namespace trivanto
