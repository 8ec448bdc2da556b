#include "core/lang/window_texts.h"

#include <QHash>
#include <algorithm>

#include "core/lang/window_text_tables.h"

namespace trivanto {

namespace {

struct LanguageTable {
    QStringList classes;
    QHash<QString, QList<WindowText>> byClass;
};

LanguageTable buildTable(std::span<const RawWindowText> rows) {
    LanguageTable table;
    for (const RawWindowText& row : rows) {
        const QString windowClass = QString::fromUtf16(row.windowClass);
        if (!table.byClass.contains(windowClass)) {
            table.classes.append(windowClass);
        }
        table.byClass[windowClass].append(
            {QString::fromUtf16(row.objectName), row.kind, QString::fromUtf16(row.text)});
    }
    return table;
}

const LanguageTable& tableFor(Language language) {
    // Built once on first use; afterwards only read.
    static const LanguageTable english = buildTable(englishWindowTexts());
    static const LanguageTable german = buildTable(germanWindowTexts());
    return language == Language::Deutsch ? german : english;
}

}  // namespace

const QList<WindowText>& windowTexts(const QString& windowClass, Language language) {
    static const QList<WindowText> kNone;
    const LanguageTable& table = tableFor(language);
    const auto it = table.byClass.constFind(windowClass);
    return it == table.byClass.constEnd() ? kNone : *it;
}

QStringList windowTextClasses(Language language) {
    return tableFor(language).classes;
}

QList<WindowText> resolvedWindowTexts(const QString& windowClass, Language language) {
    QList<WindowText> result = windowTexts(windowClass, Language::Deutsch);
    const QList<WindowText>& replacements =
        language == Language::Deutsch ? QList<WindowText>() : windowTexts(windowClass, language);
    for (const WindowText& replacement : replacements) {
        auto it = std::find_if(result.begin(), result.end(), [&](const WindowText& design) {
            return design.objectName == replacement.objectName && design.kind == replacement.kind;
        });
        if (it != result.end()) {
            it->text = replacement.text;
        } else {
            result.append(replacement);
        }
    }
    result.append(accessibleNameTexts(windowClass, language));
    return result;
}

}  // namespace trivanto
