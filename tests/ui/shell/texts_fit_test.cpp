// Every caption of every window fits its control, in both languages, at every screen the game
// goes through. The same test runs again at the zoom steps (as Qt's scale factor), where fonts
// are measured at another pixel density.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/game/game_engine.h"
#include "support/app_fixture.h"
#include "support/game_fixture.h"
#include "support/test_names.h"
#include "ui/shell/main_form.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_picture_button.h"

namespace trivanto {
namespace {

// The caption as painted: "&&" is one "&", a single "&" marks a shortcut and is not drawn.
QString shownCaption(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Why `widget`'s caption does not fit, or nothing.
QString overflow(QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    const auto needs = [&](const QString& text, int extra, int room) -> QString {
        const int width = metrics.horizontalAdvance(text) + extra;
        if (width <= room) {
            return {};
        }
        return QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(width).arg(room);
    };
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QString text = shownCaption(label->text());
        if (text.isEmpty() || label->textFormat() == Qt::RichText || !label->pixmap().isNull()) {
            return {};
        }
        const int room =
            label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
        if (label->wordWrap()) {
            const int height = label->heightForWidth(label->width());
            return height <= label->height() ? QString()
                                             : QStringLiteral("\"%1\" needs %2 px high, has %3")
                                                   .arg(text)
                                                   .arg(height)
                                                   .arg(label->height());
        }
        // Each line of a text with line breaks on its own.
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (QString problem = needs(line, 0, room); !problem.isEmpty()) {
                return problem;
            }
        }
        return {};
    }
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (button == nullptr || button->text().isEmpty()) {
        return {};
    }
    if (qobject_cast<TPictureButton*>(button) != nullptr) {
        // The caption spans the button's width.
        return needs(shownCaption(button->text()), 0, button->width());
    }
    if (qobject_cast<QCheckBox*>(button) != nullptr ||
        qobject_cast<QRadioButton*>(button) != nullptr) {
        // Their size hints measure the caption beside or below the picture or the box.
        const int hint = button->sizeHint().width();
        return hint <= button->width() ? QString()
                                       : QStringLiteral("\"%1\" needs %2 px, has %3")
                                             .arg(shownCaption(button->text()))
                                             .arg(hint)
                                             .arg(button->width());
    }
    if (auto* flat = qobject_cast<TFlatButton*>(button)) {
        // A text from data is fitted on its own (shrunk, wrapped, elided with a tooltip).
        return flat->hasPlainText()
                   ? QString()
                   : needs(flat->shownText(), 0, flat->width() - TFlatButton::kCaptionChrome);
    }
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    return needs(shownCaption(button->text()), icon, button->contentsRect().width() - 8);
}

struct FitRun {
    Language language;
    const char* name;
};

class TextsFit : public ShellAppTest, public ::testing::WithParamInterface<FitRun> {
protected:
    void SetUp() override {
        ShellAppTest::SetUp();
        ASSERT_TRUE(startApp(environment(GetParam().language)));
    }

    // The captions of every window that do not fit, one per line. Each window is measured as
    // it shows, as captions of hidden controls are fitted when they first show.
    std::string overflowing() const {
        QStringList found;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            const bool hidden = window->isHidden();
            window->show();
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(window)) {
                    continue;
                }
                if (const QString problem = overflow(widget); !problem.isEmpty()) {
                    found << window->objectName() + QLatin1Char('/') + widget->objectName() +
                                 QStringLiteral(": ") + problem;
                }
            }
            if (hidden) {
                window->hide();
            }
        }
        return found.join(QLatin1Char('\n')).toStdString();
    }
};

TEST_P(TextsFit, EveryCaptionOfEveryWindowFitsItsControl) {
    // Run at a zoom step, the windows are drawn at its pixel ratio.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_DOUBLE_EQ(app->mainForm()->devicePixelRatioF(),
                         qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    EXPECT_EQ(overflowing(), "") << "at start";
    ASSERT_TRUE(beginGame({QStringLiteral("MMMMMMMMMMMMMMM"), QStringLiteral("Bob"),
                           QStringLiteral("Cy"), QStringLiteral("Di")},
                          4, 1, QStringLiteral("Question %1")));
    EXPECT_EQ(overflowing(), "") << "betting";
    ASSERT_TRUE(app->engine()->EinsatzPruefen(QStringLiteral("100")));
    EXPECT_EQ(overflowing(), "") << "question";
    QTest::mouseClick(control(app->mainForm(), "Antwort1Button"), Qt::LeftButton);
    EXPECT_EQ(overflowing(), "") << "result";
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, TextsFit,
                         ::testing::Values(FitRun{Language::Englisch, "English"},
                                           FitRun{Language::Deutsch, "German"}),
                         [](const auto& info) { return testName(info.param.name); });

}  // namespace
}  // namespace trivanto
