#include "core/questions/category_title.h"

#include "core/questions/question_file.h"
#include "core/text/control_character.h"
#include "core/text/cp1252.h"

namespace trivanto {
namespace {

constexpr char kSuffix[] = ".trv";
// The longest file name in bytes that common file systems take.
constexpr qsizetype kLongestFileName = 255;

}  // namespace

TitleVerdict checkCategoryTitle(const QString& title) {
    if (title.isEmpty()) {
        return TitleVerdict::Empty;
    }
    static const QString forbidden = QStringLiteral("\\/:*\"<>|");
    for (const QChar c : title) {
        if (forbidden.contains(c)) {
            return TitleVerdict::ForbiddenCharacter;
        }
    }
    for (const QChar c : title) {
        if (isControlCharacter(c.unicode())) {
            return TitleVerdict::ControlCharacter;
        }
    }
    if (!isCp1252(title)) {
        return TitleVerdict::NotCodePage;
    }
    if (title.size() > kFieldCapacity ||
        categoryFileName(title).toUtf8().size() > kLongestFileName) {
        return TitleVerdict::TooLong;
    }
    if (title.startsWith(QLatin1Char('.'))) {
        return TitleVerdict::Hidden;
    }
    return TitleVerdict::Valid;
}

QString categoryFileName(const QString& title) {
    return title + QLatin1String(kSuffix);
}

QString categoryTitleOfFileName(const QString& fileName) {
    return fileName.endsWith(QLatin1String(kSuffix), Qt::CaseInsensitive) ? fileName.chopped(4)
                                                                          : fileName;
}

}  // namespace trivanto
