// The yardstick of the start-up benchmark: a bare Qt Widgets window that is created, shown and
// closed once the event loop runs.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 479);
    window.show();
    QTimer::singleShot(0, &window, &QWidget::close);
    return QApplication::exec();
}
