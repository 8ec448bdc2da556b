// The editor's dialogs in both languages: every text reaches its control and fits it.
#include <QAbstractButton>
#include <QLabel>

#include "core/editor/question_editor.h"
#include "support/editor_dialogs_fixture.h"
#include "support/test_names.h"
#include "ui/editor/fragendatei_oeffnen_form.h"
#include "ui/editor/neue_fragendatei_form.h"
#include "ui/editor/suchen_form.h"

namespace trivanto {
namespace {

struct DialogCase {
    const char* windowClass;
    Language language;
};

class EditorDialogTexts : public EditorDialogsFixture,
                          public ::testing::WithParamInterface<DialogCase> {
protected:
    std::unique_ptr<QWidget> makeForm(const QString& windowClass) {
        if (windowClass == QLatin1String("TNeueFragendateiForm")) {
            return std::make_unique<TNeueFragendateiForm>(fakes.services());
        }
        if (windowClass == QLatin1String("TFragendateiOeffnenForm")) {
            return std::make_unique<TFragendateiOeffnenForm>(fakes.services());
        }
        return std::make_unique<TSuchenForm>(fakes.services(), editor);
    }

    QuestionEditor editor{
        EditorServices{fakes.dialog, fakes.catalogue, fakes.clock, fakes.paths.progDir}};
};

// The width a control needs for its text: a label its text, a button its size hint.
int neededWidth(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->fontMetrics().horizontalAdvance(label->text());
    }
    return control->sizeHint().width();
}

TEST_P(EditorDialogTexts, EveryTextReachesItsControlAndFits) {
    const DialogCase& c = GetParam();
    const QString windowClass = QLatin1String(c.windowClass);
    const std::unique_ptr<QWidget> form = makeForm(windowClass);
    const QList<WindowText> texts = resolvedWindowTexts(windowClass, c.language);
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(applyWindowTexts(form.get(), texts), texts.size());
    form->show();
    for (const WindowText& text : texts) {
        SCOPED_TRACE(text.objectName.toStdString());
        const auto* control = form->findChild<QWidget*>(text.objectName);
        ASSERT_NE(control, nullptr);
        if (text.kind == WindowTextKind::Hint) {
            EXPECT_EQ(control->toolTip(), text.text);
            continue;
        }
        EXPECT_LE(neededWidth(control), control->width());
        EXPECT_LE(control->geometry().right(), form->width());
        EXPECT_GE(control->height(), control->fontMetrics().height());
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            EXPECT_EQ(button->text(), text.text);
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            EXPECT_EQ(label->text(), text.text);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
        }
    }
}

const DialogCase kDialogs[] = {
    {"TNeueFragendateiForm", Language::Englisch},
    {"TNeueFragendateiForm", Language::Deutsch},
    {"TFragendateiOeffnenForm", Language::Englisch},
    {"TFragendateiOeffnenForm", Language::Deutsch},
    {"TSuchenForm", Language::Englisch},
    {"TSuchenForm", Language::Deutsch},
};

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, EditorDialogTexts, ::testing::ValuesIn(kDialogs), [](const auto& info) {
        return testName(std::string(info.param.windowClass) +
                        (info.param.language == Language::Deutsch ? "_deutsch" : "_englisch"));
    });

}  // namespace
}  // namespace trivanto
