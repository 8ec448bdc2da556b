#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>

#include "core/lang/message_shapes.h"
#include "support/test_names.h"
#include "ui/common/fehlermeldung_form.h"
#include "ui/widgets/theme.h"

namespace trivanto {
namespace {

struct ShownMessage {
    Language language;
    DialogMessage message;
};

std::string caseName(const ShownMessage& shown) {
    return testName(std::string(msgKeyName(shown.message.key)) +
                    (shown.language == Language::Deutsch ? "_German" : "_English"));
}

std::vector<ShownMessage> allMessages() {
    std::vector<ShownMessage> cases;
    for (const Language language : {Language::Englisch, Language::Deutsch}) {
        for (const DialogMessage& message : dialogMessages()) {
            cases.push_back({language, message});
        }
    }
    return cases;
}

// The whole text lies inside the label, by the label's own measure and by the font's, and the
// label inside the window above its buttons.
void expectWholeText(TFehlermeldungForm& form, const QString& text, int width) {
    auto* label = form.findChild<QLabel*>(QStringLiteral("Fehlermeldung"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), text);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_GE(label->width(), width) << "the caller's width is the least width";
    const QFontMetrics metrics(label->font());
    const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
    const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 100000), flags, text);
    EXPECT_LE(needed.width(), label->width()) << text.toStdString();
    EXPECT_LE(needed.height(), label->height()) << text.toStdString();
    if (label->wordWrap()) {
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
    } else {
        EXPECT_LE(label->sizeHint().width(), label->width());
    }
    EXPECT_TRUE(form.rect().contains(label->geometry())) << text.toStdString();
    for (const char* panel : {"HinweisPanel", "FragePanel"}) {
        auto* shown = form.findChild<QWidget*>(QLatin1String(panel));
        if (shown->isVisibleTo(&form)) {
            EXPECT_GT(shown->y(), label->geometry().bottom());
            EXPECT_LE(shown->geometry().bottom(), form.height());
        }
    }
}

class CatalogueMessagesInTheDialog : public ::testing::TestWithParam<ShownMessage> {
protected:
    TFehlermeldungForm form;
};

TEST_P(CatalogueMessagesInTheDialog, ShowTheirWholeText) {
    const ShownMessage& c = GetParam();
    MessageCatalogue catalogue;
    catalogue.apply(c.language);
    QString text = catalogue.text(c.message.key) + QString::fromUtf16(c.message.appended);
    if (c.message.tail != Msg::Count) {
        text += catalogue.text(c.message.tail);
    }
    ASSERT_FALSE(text.isEmpty());
    // The shipped font, not a stand-in that happens to be narrower.
    EXPECT_EQ(QFontInfo(Theme::bodyFont()).family(), Theme::kFontFamily);
    for (const DialogMode mode : {DialogMode::Notice, DialogMode::Question}) {
        form.present({mode, text, c.message.shape.width, c.message.shape.wordWrap});
        expectWholeText(form, text, c.message.shape.width);
        form.hide();
    }
}

INSTANTIATE_TEST_SUITE_P(MessageTexts, CatalogueMessagesInTheDialog,
                         ::testing::ValuesIn(allMessages()),
                         [](const auto& info) { return caseName(info.param); });

TEST(MessageTextsBeyondTheCatalogue, NotFinishedNoticeAndTextsWiderThanTheScreen) {
    TFehlermeldungForm form;
    struct Case {
        QString text;
        int width;
        bool wordWrap;
    } cases[] = {
        // The same German notice in both languages, 201 pixels and no wrap by design.
        {QStringLiteral("Diese Funktion ist noch nicht fertiggestellt."), 201, false},
        // Wider than any screen: it wraps, and the dialog grows.
        {QStringLiteral("A line that goes on and on. ").repeated(20), 237, false},
        // One word wider than the label: the label widens to it.
        {QStringLiteral("Unreadable: ") + QString(36, QLatin1Char('W')) + QStringLiteral(".trv"),
         300, true},
        // Markup and shortcut marks in data are shown as typed.
        {QStringLiteral("&<b>x</b> cannot be read."), 300, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        form.present({DialogMode::Notice, c.text, c.width, c.wordWrap});
        expectWholeText(form, c.text, c.width);
        form.hide();
    }
}

}  // namespace
}  // namespace trivanto
