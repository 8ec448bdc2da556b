#pragma once

#include <QObject>

namespace trivanto {

// Turns a callback into a signal, so a test can wait for a continuation with QSignalSpy.
class EventRelay final : public QObject {
    Q_OBJECT
public:
    void fire() { emit fired(); }

signals:
    void fired();
};

}  // namespace trivanto
