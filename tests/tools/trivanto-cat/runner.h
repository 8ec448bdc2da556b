#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <array>

namespace trivanto::test {

struct CatResult {
    int exitCode = -1;
    QByteArray out;
    QString err;  // stderr as UTF-8 text
    QStringList errLines() const;
};

// Runs `program` with `args` (in `workDir` when given) and SOURCE_DATE_EPOCH set to 2000-01-01.
CatResult runProgram(const QString& program, const QStringList& args, const QString& workDir = {});
// Runs the real trivanto-cat with `args` (in `workDir` when given) and a fixed save time.
CatResult runCat(const QStringList& args, const QString& workDir = {});

// Writes the record byte by byte from the layout alone: entry k at 666*k, field f at 111*f, a
// length byte, then the text; question and answers XOR-ed with the scramble key.
class LayoutWriter {
public:
    LayoutWriter();
    void put(int entry, int field, const QByteArray& text, bool scrambled);
    void putLength(int entry, int field, quint8 length);
    void question(int slot, const QByteArray& q, const std::array<QByteArray, 4>& answers,
                  const QByteArray& correct);
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Folder for one test's files.
class TempFolder {
public:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString dir() const { return m_dir.path(); }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

}  // namespace trivanto::test
