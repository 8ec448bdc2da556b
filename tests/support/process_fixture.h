#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <utility>

namespace trivanto {

// Runs the built executable headless against temporary folders and settings.
class ShellProcessTest : public ::testing::Test {
protected:
    static constexpr int kTimeoutMs = 60000;

    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        ASSERT_TRUE(QFileInfo(program()).isExecutable())
            << "the trivanto executable is built beside the program folder";
        for (const char* sub : {"prog", "win", "lock", "home"}) {
            ASSERT_TRUE(QDir(m_tmp.path()).mkpath(QLatin1String(sub)));
        }
    }

    static QString program() {
        return QStringLiteral(TRIVANTO_BUILD_PROG_DIR) + QStringLiteral("/trivanto");
    }
    QString path(const char* sub) const { return m_tmp.filePath(QLatin1String(sub)); }

    // `environment` adds to or replaces variables of the test's own environment.
    std::unique_ptr<QProcess> launch(QStringList extra,
                                     const QList<std::pair<QString, QString>>& environment = {}) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("TRIVANTO_PLAIN_MESSAGES"), QStringLiteral("stderr"));
        env.insert(QStringLiteral("HOME"), path("home"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path("home"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path("home"));
        for (const auto& [name, value] : environment) {
            env.insert(name, value);
        }
        p->setProcessEnvironment(env);
        p->setProgram(program());
        p->setArguments(QStringList{QStringLiteral("--no-splash"), QStringLiteral("--prog-dir"),
                                    path("prog"), QStringLiteral("--windows-dir"), path("win"),
                                    QStringLiteral("--lock-dir"), path("lock"),
                                    QStringLiteral("--settings"), path("settings.ini")} +
                        extra);
        p->start();
        EXPECT_TRUE(p->waitForStarted(kTimeoutMs));
        return p;
    }

    // Starts a copy that stays in its message loop and waits until it says so.
    std::unique_ptr<QProcess> launchRunning() {
        auto p = launch({QStringLiteral("--report-ready")});
        QByteArray out;
        while (!out.contains("Trivanto ready") && p->state() == QProcess::Running &&
               p->waitForReadyRead(kTimeoutMs)) {
            out += p->readAllStandardOutput();
        }
        EXPECT_TRUE(out.contains("Trivanto ready")) << p->readAllStandardError().toStdString();
        return p;
    }

    QTemporaryDir m_tmp;
};

}  // namespace trivanto
