#include "core/setup/pool_file.h"

#include <algorithm>

namespace trivanto {

void PoolFileText::appendField(char key, const TQuestionField& field, bool scrambled) {
    // "k=" and the text as stored (at most 110 bytes: no line reaches the INI limit), each
    // line break a blank, then CR LF. Written in place: this runs for every question of a
    // game start.
    const int length = std::min<int>(field[0], kFieldCapacity);
    const qsizetype at = m_bytes.size();
    const qsizetype needed = at + length + 4;
    if (m_bytes.capacity() < needed) {
        m_bytes.reserve(std::max(needed, 2 * m_bytes.capacity()));
    }
    m_bytes.resize(needed);
    char* out = m_bytes.data() + at;
    *out++ = key;
    *out++ = '=';
    const quint8 mask = scrambled ? ScrambleKey : 0;
    for (int i = 1; i <= length; ++i) {
        const char c = static_cast<char>(field[static_cast<std::size_t>(i)] ^ mask);
        *out++ = (c == '\r' || c == '\n') ? ' ' : c;
    }
    *out++ = '\r';
    *out = '\n';
}

void PoolFileText::add(const TQuestionEntry& entry) {
    ++m_count;
    m_bytes += '[';
    m_bytes += QByteArray::number(m_count);
    m_bytes += "]\r\n";
    for (int field = FieldQuestion; field <= FieldCorrect; ++field) {
        appendField(static_cast<char>('0' + field), entry.fields[static_cast<std::size_t>(field)],
                    field != FieldCorrect);
    }
    m_bytes += "\r\n";
}

QByteArray PoolFileText::finish() {
    m_bytes += "[BT]\r\nHEADER=";
    m_bytes += QByteArray::number(m_count);
    m_bytes += "\r\n\r\n";
    QByteArray bytes = std::move(m_bytes);
    m_bytes = QByteArray();
    m_count = 0;
    return bytes;
}

}  // namespace trivanto
