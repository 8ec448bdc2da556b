#include "runner.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include "core/questions/question_file.h"

namespace trivanto::test {

QStringList CatResult::errLines() const {
    return err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

CatResult runCat(const QStringList& args, const QString& workDir) {
    return runProgram(QStringLiteral(TRIVANTO_CAT_PATH), args, workDir);
}

CatResult runProgram(const QString& program, const QStringList& args, const QString& workDir) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QStringLiteral("946684800"));
    process.setProcessEnvironment(env);
    if (!workDir.isEmpty()) {
        process.setWorkingDirectory(workDir);
    }
    process.start(program, args);
    CatResult result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << program.toStdString()
                      << " did not finish normally: " << args.join(QLatin1Char(' ')).toStdString();
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

LayoutWriter::LayoutWriter() : m_bytes(133866, '\0') {}

void LayoutWriter::put(int entry, int field, const QByteArray& text, bool scrambled) {
    const int at = 666 * entry + 111 * field;
    m_bytes[at] = char(text.size());
    for (int i = 0; i < text.size(); ++i) {
        m_bytes[at + 1 + i] = scrambled ? char(quint8(text[i]) ^ ScrambleKey) : text[i];
    }
}

void LayoutWriter::putLength(int entry, int field, quint8 length) {
    m_bytes[666 * entry + 111 * field] = char(length);
}

void LayoutWriter::question(int slot, const QByteArray& q, const std::array<QByteArray, 4>& answers,
                            const QByteArray& correct) {
    put(slot, 0, q, true);
    for (int i = 0; i < 4; ++i) {
        put(slot, 1 + i, answers[size_t(i)], true);
    }
    put(slot, 5, correct, false);
}

void TempFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray TempFolder::read(const QString& name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace trivanto::test
