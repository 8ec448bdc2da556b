#include "core/setup/category_selection.h"

#include <QDir>
#include <QFileInfo>

#include "core/app/message_dialog.h"
#include "core/lang/message_catalogue.h"
#include "core/lang/message_shapes.h"
#include "core/questions/category_files.h"
#include "core/questions/question_file.h"

namespace trivanto {

namespace {

struct Counts {
    bool ok = false;
    QString title;
    int usable = 0;
    int skipped = 0;
};

Counts countFile(const QString& path, int playerCount) {
    const auto read = ReadQuestionFile(path);
    Counts c;
    if (!read.ok()) {
        return c;
    }
    c.ok = true;
    c.title = categoryTitle(*read);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const TQuestionEntry& entry = read->entries[static_cast<std::size_t>(slot)];
        if (entry.fields[FieldQuestion][0] == 0) {
            continue;
        }
        if (playerCount == 1 && QuestionKindOf(entry) == QuestionKind::Estimation) {
            ++c.skipped;
        } else {
            ++c.usable;
        }
    }
    return c;
}
}  // namespace

CategorySelection::CategorySelection(MessageDialog& dialog, const MessageCatalogue& catalogue)
    : m_dialog(dialog), m_catalogue(catalogue) {}

void CategorySelection::reportUnreadable(const QString& path) {
    m_dialog.show(catalogueMessage(m_catalogue, Msg::MsgCategoryUnreadable, DialogMode::Notice,
                                   QFileInfo(path).fileName()));
}

void CategorySelection::build(const QString& progDir, int playerCount) {
    m_rows.clear();
    // Unreadable files stay in the listing so the count names them instead of hiding them.
    const QStringList files = categoryFileNames(progDir);
    if (files.isEmpty()) {
        m_dialog.show(catalogueMessage(m_catalogue, Msg::MsgNoQuestionFiles));
    }
    if (files.size() > kMaxCategories) {
        const MessageShape shape = messageShape(Msg::MsgCategoriesNotListed);
        m_dialog.notice(m_catalogue.text(Msg::MsgCategoriesNotListed) +
                            QString::number(files.size() - kMaxCategories),
                        shape.width, shape.wordWrap);
    }
    for (const QString& name : files.mid(0, kMaxCategories)) {
        CategoryRow row;
        row.path = QDir(progDir).filePath(name);
        m_rows.push_back(row);
    }
    recount(playerCount);
}

void CategorySelection::recount(int playerCount) {
    m_tickedCount = 0;
    m_questionCount = 0;
    for (auto it = m_rows.begin(); it != m_rows.end();) {
        const Counts c = countFile(it->path, playerCount);
        if (!c.ok) {
            reportUnreadable(it->path);
            it = m_rows.erase(it);
            continue;
        }
        it->title = c.title;
        it->UsableCount = c.usable;
        it->SkippedEstimationCount = c.skipped;
        if (it->ticked) {
            ++m_tickedCount;
            m_questionCount += c.usable;
        }
        ++it;
    }
}

void CategorySelection::setTicked(int index, bool ticked, int playerCount) {
    if (index < 0 || index >= static_cast<int>(m_rows.size())) {
        return;
    }
    m_rows[static_cast<std::size_t>(index)].ticked = ticked;
    recount(playerCount);
}

void CategorySelection::tickAll(int playerCount) {
    for (auto& row : m_rows) {
        row.ticked = true;
    }
    recount(playerCount);
}

void CategorySelection::untickAll(int playerCount) {
    for (auto& row : m_rows) {
        row.ticked = false;
    }
    recount(playerCount);
}

std::vector<CategoryRow> CategorySelection::chosen() const {
    std::vector<CategoryRow> out;
    for (const auto& row : m_rows) {
        if (row.ticked) {
            out.push_back(row);
        }
    }
    return out;
}

void CategorySelection::removeRow(const QString& path) {
    std::erase_if(m_rows, [&](const CategoryRow& row) { return row.path == path; });
}

QStringList CategorySelection::gameLengthEntries(int playerCount) {
    QStringList entries;
    for (int perPlayer = 10; perPlayer <= 50; perPlayer += 10) {
        entries << QString::number(perPlayer * playerCount);
    }
    return entries;
}

}  // namespace trivanto
