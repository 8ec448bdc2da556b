#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstring>

#include "core/questions/question_file.h"

namespace trivanto::savetest {

// A saved game's 134,852 bytes put together by hand at the offsets of the format, so a test
// does not trust the codec it checks. Integers are written little-endian byte by byte.
struct RecordBytes {
    QByteArray bytes = QByteArray(134852, '\0');

    void int32(int offset, qint32 value) {
        const auto v = static_cast<quint32>(value);
        for (int i = 0; i < 4; ++i) {
            bytes[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        }
    }
    void byte(int offset, quint8 value) { bytes[offset] = static_cast<char>(value); }
    // A short string: its length byte, then the bytes.
    void text(int offset, const QByteArray& value) {
        byte(offset, static_cast<quint8>(value.size()));
        std::memcpy(bytes.data() + offset + 1, value.constData(),
                    static_cast<std::size_t>(value.size()));
    }
    void questions(const TQuestionFile& list) { std::memcpy(bytes.data(), &list, sizeof list); }

    // Name n (1..4) and own-picture path n, at 133,866 + 31 (n - 1) and 134,040 + 201 (n - 1).
    void name(int n, const QByteArray& value) { text(133866 + 31 * (n - 1), value); }
    void ownPicture(int n, const QByteArray& path) {
        byte(134036 + n - 1, 1);
        text(134040 + 201 * (n - 1), path);
    }
    void account(int n, qint32 value) { int32(133992 + 4 * (n - 1), value); }
    void pictureNumber(int n, qint32 value) { int32(134008 + 4 * (n - 1), value); }
    void questionNumber(qint32 value) { int32(134024, value); }
    void currentPlayer(qint32 value) { int32(134028, value); }
    void playerCount(qint32 value) { int32(134032, value); }
    void questionsPerPlayer(qint32 value) { int32(134844, value); }
    void randomOrder(bool value) { byte(134848, value ? 1 : 0); }
};

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace trivanto::savetest
