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

    bool pending() const { return static_cast<bool>(m_picture); }
    void replace(std::function<QPixmap()> picture) { m_picture = std::move(picture); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_label && event->type() == QEvent::Show && pending()) {
            m_label->removeEventFilter(this);
            m_label->setPixmap(m_picture());
            m_picture = nullptr;
            deleteLater();
        }
        return false;
    }

private:
    QLabel* m_label;
    std::function<QPixmap()> m_picture;
};

PictureOnShow* pendingPicture(QLabel* label) {
    for (QObject* child : label->children()) {
        auto* waiting = dynamic_cast<PictureOnShow*>(child);
        if (waiting != nullptr && waiting->pending()) {
            return waiting;
        }
    }
    return nullptr;
}

}  // namespace

void setPictureWhenShown(QLabel* label, std::function<QPixmap()> picture) {
    if (label->isVisible()) {
        label->setPixmap(picture());
        return;
    }
    // The last picture asked for before the show is the one shown, drawn alone.
    if (PictureOnShow* waiting = pendingPicture(label)) {
        waiting->replace(std::move(picture));
        return;
    }
    new PictureOnShow(label, std::move(picture));
}

}  // namespace trivanto
