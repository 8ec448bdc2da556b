#pragma once

namespace trivanto {

// Network tests need an event loop; the core test program has no main of its own, so the
// first test that needs one makes a QCoreApplication that lives until the program ends.
void ensureCoreApplication();

// A first base class of a fixture whose members need the application already.
struct WithCoreApplication {
    WithCoreApplication() { ensureCoreApplication(); }
};

}  // namespace trivanto
