#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

#include "ui/common/fenster_nach_vorn.h"

namespace trivanto {
namespace {

TEST(FensterNachVorn, RaisesVisibleWindowsInOrderWithTheMessageDialogLast) {
    QWidget main;
    main.setObjectName(QStringLiteral("main"));
    struct Slot {
        FrontWindow role;
        const char* name;
        bool visible;
    };
    // Registered out of order on purpose: the rule's order must win.
    const Slot entries[] = {
        {FrontWindow::Fehlermeldung, "message", true}, {FrontWindow::Info, "info", true},
        {FrontWindow::Onlineupdate, "update", true},   {FrontWindow::Editor, "editor", false},
        {FrontWindow::Warten, "waiting", true},        {FrontWindow::Help, "help", true},
    };
    std::vector<std::unique_ptr<QWidget>> windows;
    FensterNachVorn order;
    order.setMainWindow(&main);
    for (const Slot& s : entries) {
        auto w = std::make_unique<QWidget>();
        w->setObjectName(QLatin1String(s.name));
        if (s.visible) {
            w->show();
        }
        order.setWindow(s.role, w.get());
        windows.push_back(std::move(w));
    }
    QStringList raised;
    order.setRaiser([&](QWidget* w) { raised << w->objectName(); });

    order.run();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(raised, (QStringList{QStringLiteral("main"), QStringLiteral("update"),
                                   QStringLiteral("waiting"), QStringLiteral("info"),
                                   QStringLiteral("help"), QStringLiteral("message")}));

    // A window that has gone away is skipped.
    windows.front().reset();
    raised.clear();
    order.run();
    EXPECT_EQ(raised.last(), QStringLiteral("help"));
}

}  // namespace
}  // namespace trivanto
