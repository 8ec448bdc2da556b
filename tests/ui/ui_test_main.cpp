#include <gtest/gtest.h>
#include <QApplication>

#include "ui/widgets/theme.h"

namespace {

// The offscreen platform cannot shape or raise windows and says so for every window; those
// lines would bury the messages that matter.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

// Window tests need one QApplication for the whole run (offscreen platform).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(quietOffscreenNotes);
    QApplication app(argc, argv);
    // The windows as the game shows them: its fonts, palette and style sheet.
    trivanto::Theme::apply(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
