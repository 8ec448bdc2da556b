#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace trivanto {

class MessageCatalogue;
class MessageDialog;

inline constexpr int kMaxCategories = 101;

struct CategoryRow {
    QString path;
    QString title;
    int UsableCount = 0;
    int SkippedEstimationCount = 0;
    bool ticked = false;
    int total() const { return UsableCount + SkippedEstimationCount; }
};

// The category half of the new-game window: every "*.trv" of the program folder (the first
// 101 by name), recounted from disk on every change so the numbers always match the files.
class CategorySelection final {
public:
    CategorySelection(MessageDialog& dialog, const MessageCatalogue& catalogue);

    // Lists and counts the files, nothing ticked. Unreadable files (a FIFO or a device of
    // that name too) are named and left out; files beyond the first 101 are counted in a
    // message.
    void build(const QString& progDir, int playerCount);
    // Reads every listed file again; with one player estimation questions are skipped.
    void recount(int playerCount);

    const std::vector<CategoryRow>& rows() const { return m_rows; }
    void setTicked(int index, bool ticked, int playerCount);  // RubrikwahlClick
    void tickAll(int playerCount);
    void untickAll(int playerCount);

    int tickedCount() const { return m_tickedCount; }      // AnzRubLabel
    int questionCount() const { return m_questionCount; }  // AnzFragLabel
    // The ticked rows in list order.
    std::vector<CategoryRow> chosen() const;
    // Drops a row whose file went bad (after the caller named it).
    void removeRow(const QString& path);

    // MaxCombo: 10..50 times the player count; the second entry is the default.
    static QStringList gameLengthEntries(int playerCount);
    static constexpr int kDefaultGameLengthIndex = 1;

private:
    void reportUnreadable(const QString& path);

    MessageDialog& m_dialog;
    const MessageCatalogue& m_catalogue;
    std::vector<CategoryRow> m_rows;
    int m_tickedCount = 0;
    int m_questionCount = 0;
};

}  // namespace trivanto
