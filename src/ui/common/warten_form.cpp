#include "ui/common/warten_form.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "ui/widgets/t_flat_progress_bar.h"
#include "ui/widgets/text_label.h"
#include "ui/widgets/theme.h"

namespace trivanto {

TWartenForm::TWartenForm(QWidget* parent) : TShapedForm(parent) {
    setObjectName(QStringLiteral("Wartenform"));
    setWindowTitle(QStringLiteral("Bitte warten"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowStyle(artwork::WindowStyle::Waiting);
    setFixedSize(455, 55);
    setMovable(true);

    FrageInfoLabel = new QLabel(this);
    FrageInfoLabel->setObjectName(QStringLiteral("FrageInfoLabel"));
    FrageInfoLabel->setFont(Theme::bodyFont());
    setTextColour(FrageInfoLabel, Theme::kText);
    FrageInfoLabel->setGeometry(16, 8, 423, 18);
    FrageInfoLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

    FlatProgressBar1 = new TFlatProgressBar(this);
    FlatProgressBar1->setObjectName(QStringLiteral("FlatProgressBar1"));
    FlatProgressBar1->setRange(0, 100);
    FlatProgressBar1->setValue(0);
    FlatProgressBar1->setGeometry(16, 32, 423, 12);
    FlatProgressBar1->setAttribute(Qt::WA_TransparentForMouseEvents);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

}  // namespace trivanto
