#include "ui/widgets/title_bar.h"
#include "ui/widgets/text_label.h"

#include <QLabel>

#include "ui/widgets/lazy_picture.h"
#include "ui/widgets/t_picture_button.h"

namespace trivanto {

TPictureButton* makeTitleBarButton(QWidget* parent, const QString& name, artwork::SmallButton kind,
                                   QPoint at) {
    auto* button = new TPictureButton(parent);
    button->setObjectName(name);
    button->setPictures(artwork::lazySmallButtonPicture(kind),
                        artwork::lazySmallButtonPicture(kind, true));
    button->setFixedSize(artwork::kSmallButtonSize);
    button->move(at);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLabel* makePictureLabel(QWidget* parent, const QString& name, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    setTextColour(label, Theme::kText);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace trivanto
