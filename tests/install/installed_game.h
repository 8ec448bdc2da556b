#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>

namespace trivanto {

// One program run to its end.
struct ProgramRun {
    bool finished = false;  // ended by itself within the time allowed
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    bool ok() const { return finished && exitCode == 0; }
    // The run as text for a failed check.
    std::string describe() const;
};

ProgramRun runProgram(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
    int timeoutMs = 120000);

// `cmake --install` of this build into `prefix`, as a user installs it.
ProgramRun installBuild(const QString& prefix);

// The files an installed game ships, from the list in `dataDir` (share/trivanto): name -> SHA-256.
QMap<QString, QByteArray> shippedFiles(const QString& dataDir);

// An X server of its own (Xvfb) on a free display for as long as the object lives.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool running() const { return !m_name.isEmpty(); }
    // ":N", empty when the server did not come up.
    const QString& name() const { return m_name; }
    static constexpr QSize kScreen{1280, 1024};

    // A mapped top-level window, as xwininfo shows it.
    struct Window {
        QString name;
        QString windowClass;  // the class part of WM_CLASS
        QSize size;
    };
    QList<Window> visibleWindows() const;

private:
    QProcess m_server;
    QString m_name;
};

}  // namespace trivanto
