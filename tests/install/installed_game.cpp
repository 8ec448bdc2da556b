#include "install/installed_game.h"

#include <QFile>
#include <QRegularExpression>

namespace trivanto {

std::string ProgramRun::describe() const {
    return QStringLiteral("finished %1, exit code %2\nstdout:\n%3\nstderr:\n%4")
        .arg(finished)
        .arg(exitCode)
        .arg(QString::fromUtf8(out), QString::fromUtf8(err))
        .toStdString();
}

ProgramRun runProgram(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment, int timeoutMs) {
    ProgramRun run;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    run.finished = process.waitForStarted(timeoutMs) && process.waitForFinished(timeoutMs) &&
                   process.exitStatus() == QProcess::NormalExit;
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

ProgramRun installBuild(const QString& prefix) {
    return runProgram(QStringLiteral(TRIVANTO_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(TRIVANTO_BUILD_DIR),
                       QStringLiteral("--prefix"), prefix});
}

QMap<QString, QByteArray> shippedFiles(const QString& dataDir) {
    QMap<QString, QByteArray> files;
    QFile list(dataDir + QStringLiteral("/shipped-files.sha256"));
    if (!list.open(QIODevice::ReadOnly)) {
        return files;
    }
    while (!list.atEnd()) {
        const QByteArray line = list.readLine().trimmed();
        if (line.size() > 66) {
            files.insert(QString::fromUtf8(line.mid(66)), line.left(64));
        }
    }
    return files;
}

VirtualDisplay::VirtualDisplay() {
    // Xvfb chooses a free display itself and writes its number to standard output.
    m_server.start(
        QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
         QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(kScreen.width()).arg(kScreen.height()),
         QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!m_server.waitForStarted(10000)) {
        return;
    }
    QByteArray out;
    while (!out.contains('\n') && m_server.waitForReadyRead(10000)) {
        out += m_server.readAllStandardOutput();
    }
    bool ok = false;
    const int number = out.trimmed().toInt(&ok);
    if (ok) {
        m_name = QStringLiteral(":%1").arg(number);
    }
}

VirtualDisplay::~VirtualDisplay() {
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished();
        }
    }
}

QList<VirtualDisplay::Window> VirtualDisplay::visibleWindows() const {
    const ProgramRun tree = runProgram(
        QStringLiteral("xwininfo"),
        {QStringLiteral("-display"), m_name, QStringLiteral("-root"), QStringLiteral("-children")});
    QList<Window> windows;
    // Lines such as:     0x20000f "Trivanto 1.04": ("trivanto" "Trivanto")  640x479+0+0  +0+0
    static const QRegularExpression child(
        QStringLiteral(
            "^\\s+(0x[0-9a-f]+) \"([^\"]*)\": \\((?:\"[^\"]*\" \"([^\"]*)\")?\\)\\s+(\\d+)x(\\d+)"),
        QRegularExpression::MultilineOption);
    for (auto it = child.globalMatch(QString::fromUtf8(tree.out)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const ProgramRun info = runProgram(
            QStringLiteral("xwininfo"),
            {QStringLiteral("-display"), m_name, QStringLiteral("-id"), match.captured(1)});
        if (info.out.contains("Map State: IsViewable")) {
            windows << Window{match.captured(2), match.captured(3),
                              QSize(match.captured(4).toInt(), match.captured(5).toInt())};
        }
    }
    return windows;
}

}  // namespace trivanto
