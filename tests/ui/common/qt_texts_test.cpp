#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "ui/common/box_plain_message.h"
#include "ui/common/qt_translations.h"

namespace trivanto {
namespace {

QStringList labelTexts(QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        texts << button->text();
    }
    // Without the shortcut marks ("Datei&name:").
    for (QString& text : texts) {
        text.remove(QLatin1Char('&'));
    }
    return texts;
}

TEST(QtTexts, TheGermanBuildShowsQtsOwnDialogsInGerman) {
    EXPECT_EQ(installQtTranslations(Language::Englisch), nullptr);
    const auto german = installQtTranslations(Language::Deutsch);
    ASSERT_NE(german, nullptr) << "Qt's German translation (qt6-translations-l10n) is missing";
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList texts = labelTexts(dialog);
    EXPECT_TRUE(texts.contains(QStringLiteral("Suchen in:"))) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Dateiname:"))) << texts.join('|').toStdString();
    EXPECT_FALSE(texts.contains(QStringLiteral("Look in:")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Cancel")));
}

TEST(QtTexts, SecondStartNoticeStaysOnTopAsPlainText) {
    const auto box = BoxPlainMessage::makeBox(QStringLiteral("Trivanto 1.04"),
                                              QStringLiteral("Trivanto is already running."));
    EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), QStringLiteral("Trivanto is already running."));
}

}  // namespace
}  // namespace trivanto
