#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Trivanto 1.04"));
    label.show();
    return app.exec();
}
