#include "ui/widgets/picture_on_show.h"

#include <QEvent>
#include <QLabel>

namespace trivanto {

namespace {

class PictureOnShow final : public QObject {
public:
    PictureOnShow(QLabel* label, std::function<QPixmap()> picture)
        : QObject(label), m_label(label), m_picture(std::move(picture)) {
        label->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_label && event->type() == QEvent::Show) {
            m_label->removeEventFilter(this);
            m_label->setPixmap(m_picture());
            deleteLater();
        }
        return false;
    }

private:
    QLabel* m_label;
    std::function<QPixmap()> m_picture;
};

}  // namespace

void setPictureWhenShown(QLabel* label, std::function<QPixmap()> picture) {
    if (label->isVisible()) {
        label->setPixmap(picture());
        return;
    }
    new PictureOnShow(label, std::move(picture));
}

}  // namespace trivanto
