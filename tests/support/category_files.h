#pragma once

#include <gtest/gtest.h>

#include <QDateTime>
#include <QString>

#include "core/common/file_path.h"
#include "core/questions/question_file.h"

namespace trivanto::setuptest {

// Writes "<title>.trv" into `folder` (with a trailing separator): `choice` multiple-choice
// questions whose right answer is 1, then `estimations` estimation questions whose exact value
// is 100. Question texts start with the title, so every category's texts differ.
inline void writeCategory(const QString& folder, const QString& title, int choice,
                          int estimations = 0) {
    TQuestionFile file;
    writeCategoryHeader(file, title, QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)));
    int slot = 1;
    for (int i = 1; i <= choice; ++i, ++slot) {
        const QString q = QStringLiteral("%1 question %2").arg(title).arg(i);
        storeSlot(file.entries[static_cast<std::size_t>(slot)],
                  {q,
                   {q + QStringLiteral(" right"), q + QStringLiteral(" wrong B"),
                    q + QStringLiteral(" wrong C"), q + QStringLiteral(" wrong D")},
                   QStringLiteral("1")});
    }
    for (int i = 1; i <= estimations; ++i, ++slot) {
        storeSlot(file.entries[static_cast<std::size_t>(slot)],
                  {QStringLiteral("%1 estimate %2").arg(title).arg(i),
                   {QStringLiteral("100"), QStringLiteral("ife"), QStringLiteral("ife"),
                    QStringLiteral("ife")},
                   QStringLiteral("1")});
    }
    ASSERT_TRUE(WriteQuestionFile(filePath(folder, title + QStringLiteral(".trv")), file));
}

}  // namespace trivanto::setuptest
