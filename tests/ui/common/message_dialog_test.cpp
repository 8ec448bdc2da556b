#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "ui/common/fehlermeldung_form.h"

namespace trivanto {
namespace {

class MessageDialogTest : public ::testing::Test {
protected:
    QWidget* child(const char* name) {
        QWidget* w = m_form.findChild<QWidget*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    TFehlermeldungForm m_form;
};

TEST_F(MessageDialogTest, LayoutFollowsTheTextWidth) {
    struct Case {
        MessageRequest request;
        int width, closeLeft, labelTop, panelLeft;
        const char* shownPanel;
        const char* hiddenPanel;
    };
    const Case cases[] = {
        {{DialogMode::Notice, QStringLiteral("Short notice."), 237, false},
         328,
         305,
         54,
         119,
         "HinweisPanel",
         "FragePanel"},
        {{DialogMode::Question, QStringLiteral("Short question?"), 347, true},
         438,
         415,
         48,
         69,
         "FragePanel",
         "HinweisPanel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        m_form.present(c.request);
        EXPECT_EQ(m_form.width(), c.width);
        EXPECT_EQ(m_form.height(), 118);
        EXPECT_EQ(child("Button3")->x(), c.closeLeft);
        EXPECT_EQ(child("Fehlermeldung")->geometry(), QRect(70, c.labelTop, c.request.width, 29));
        EXPECT_EQ(child(c.shownPanel)->pos(), QPoint(c.panelLeft, 90));
        EXPECT_TRUE(child(c.shownPanel)->isVisible());
        EXPECT_FALSE(child(c.hiddenPanel)->isVisible());
        EXPECT_EQ(qobject_cast<QLabel*>(child("Fehlermeldung"))->text(), c.request.text);
        m_form.hide();
    }
}

TEST_F(MessageDialogTest, LongTextGrowsTheDialogInsteadOfBeingCut) {
    const QString text = QStringLiteral("A long message that needs many lines. ").repeated(12);
    m_form.present({DialogMode::Notice, text, 363, true});
    QWidget* label = child("Fehlermeldung");
    const int needed = QFontMetrics(label->font())
                           .boundingRect(QRect(0, 0, 363, 10000), Qt::TextWordWrap, text)
                           .height();
    ASSERT_GT(needed, 29);
    EXPECT_GE(label->height(), needed);
    EXPECT_GT(m_form.height(), 118);
    // The OK panel stays below the text and inside the window.
    QWidget* panel = child("HinweisPanel");
    EXPECT_GE(panel->y(), label->geometry().bottom());
    EXPECT_LE(panel->geometry().bottom(), m_form.height());
}

TEST_F(MessageDialogTest, ButtonsAndKeysAnswer) {
    struct Case {
        const char* name;
        DialogMode mode;
        const char* button;  // clicked when set
        Qt::Key key;         // pressed otherwise
        int answer;
    };
    const Case cases[] = {
        {"Yes button", DialogMode::Question, "JaButton", Qt::Key_unknown, AnswerYes},
        {"No button", DialogMode::Question, "NeinButton", Qt::Key_unknown, AnswerNo},
        {"Cancel button", DialogMode::Question, "AbbrechenButton", Qt::Key_unknown, AnswerCancel},
        {"close icon on a question", DialogMode::Question, "Button3", Qt::Key_unknown,
         AnswerCancel},
        {"Enter on a question", DialogMode::Question, nullptr, Qt::Key_Return, AnswerYes},
        {"Escape on a question", DialogMode::Question, nullptr, Qt::Key_Escape, AnswerCancel},
        {"OK on a notice", DialogMode::Notice, "OKButton", Qt::Key_unknown, AnswerYes},
        {"Enter on a notice", DialogMode::Notice, nullptr, Qt::Key_Enter, AnswerYes},
        {"Escape on a notice", DialogMode::Notice, nullptr, Qt::Key_Escape, AnswerYes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A previous No must not leak into this showing.
        m_form.DialogAnswer = AnswerNo;
        QTimer::singleShot(0, &m_form, [&] {
            ASSERT_TRUE(m_form.isVisible());
            if (c.button != nullptr) {
                QTest::mouseClick(child(c.button), Qt::LeftButton);
            } else {
                QTest::keyClick(&m_form, c.key);
            }
        });
        const int answer = m_form.show({c.mode, QStringLiteral("Text"), 237, false});
        EXPECT_FALSE(m_form.isVisible());
        EXPECT_EQ(answer, c.answer);
    }
}

TEST_F(MessageDialogTest, OtherKeysLeaveTheDialogOpen) {
    m_form.present({DialogMode::Question, QStringLiteral("Text"), 237, false});
    QTest::keyClick(&m_form, Qt::Key_N);
    QTest::keyClick(&m_form, Qt::Key_Space);
    EXPECT_TRUE(m_form.isVisible());
    m_form.hide();
}

// While a message is up, no other window takes a click or a key: the game behind a question
// must not move on.
TEST_F(MessageDialogTest, AMessageBlocksEveryOtherWindow) {
    QWidget behind;
    behind.resize(200, 100);
    behind.show();
    // Shown before (as a test or a caller may do) and then made modal: it must still block.
    m_form.present({DialogMode::Question, QStringLiteral("Save?"), 237, false});
    QWidget* modal = nullptr;
    QTimer::singleShot(0, &m_form, [&] {
        modal = QApplication::activeModalWidget();
        QTest::keyClick(&m_form, Qt::Key_Escape);
    });
    EXPECT_EQ(m_form.show({DialogMode::Question, QStringLiteral("Save?"), 237, false}),
              AnswerCancel);
    EXPECT_EQ(modal, &m_form);
}

}  // namespace
}  // namespace trivanto
