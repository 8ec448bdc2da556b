#pragma once

#include <QByteArray>
#include <QString>

#include "core/questions/question_file.h"

namespace trivanto {

// The plain-text copy of the question pool, "fragen.tmp": sections "1".."C" (keys "0" to "4"
// the question and its answers, "5" the right answer as stored), then "BT" with "HEADER" = C.
// CRLF lines in Windows-1252, each line cut at 255 characters and free of line breaks, a blank
// line after each section: the same bytes the general INI document writes for these values,
// built in one pass without its lookups. The texts go in as stored, unscrambled but never
// decoded: the file is written in the code page they are kept in.
class PoolFileText final {
public:
    // Appends the next section: the question of a category file's slot.
    void add(const TQuestionEntry& entry);
    int count() const { return m_count; }
    // Appends "BT"/"HEADER" and hands the whole text over; the writer starts anew.
    QByteArray finish();

private:
    void appendField(char key, const TQuestionField& field, bool scrambled);

    QByteArray m_bytes;
    int m_count = 0;
};

}  // namespace trivanto
