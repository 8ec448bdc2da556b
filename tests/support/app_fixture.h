#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <array>
#include <memory>

#include "core/app/app_environment.h"
#include "core/app/memory_settings_store.h"
#include "core/common/file_path.h"
#include "core/setup/new_game_setup.h"
#include "net/qt_http_client.h"
#include "support/find_control.h"
#include "support/finish_game_start.h"
#include "support/game_fixture.h"
#include "support/manual_clock.h"
#include "support/recording_help_viewer.h"
#include "support/recording_message_dialog.h"
#include "support/recording_plain_message_box.h"
#include "support/recording_shell_opener.h"
#include "support/recording_sound_backend.h"
#include "support/scripted_connection_backend.h"
#include "support/scripted_random.h"
#include "ui/setup/spieler_form.h"
#include "ui/shell/main_form.h"
#include "ui/shell/trivanto_app.h"

namespace trivanto {

// The whole program in-process: a temporary program folder and fakes for every seam.
class ShellAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        m_oldCurrent = QDir::currentPath();
        QDir(m_tmp.path()).mkpath(QStringLiteral("prog"));
        QDir(m_tmp.path()).mkpath(QStringLiteral("win"));
        QDir(m_tmp.path()).mkpath(QStringLiteral("lock"));
    }
    void TearDown() override {
        app.reset();
        QDir::setCurrent(m_oldCurrent);
    }

    QString progDir() const { return m_tmp.filePath(QStringLiteral("prog")); }
    QString lockDir() const { return m_tmp.filePath(QStringLiteral("lock")); }

    AppEnvironment environment(Language language = Language::Englisch) {
        AppEnvironment env;
        env.settings = &settings;
        env.clock = &clock;
        env.random = &random;
        env.sound = &sound;
        env.connections = &connections;
        env.shell = &shell;
        env.plainMessages = &plain;
        env.messageDialog = &dialog;
        env.helpViewer = &help;
        env.network = &network;
        env.colourDepth = [this] { return depth; };
        env.paths.progDir = progDir();
        env.paths.windowsFolder = m_tmp.filePath(QStringLiteral("win"));
        env.paths.lockDir = lockDir();
        env.language = language;
        env.options.noSplash = true;
        return env;
    }

    // Builds and starts the application; false when the start-up ended early.
    bool startApp(AppEnvironment env) {
        app = std::make_unique<TrivantoApp>(std::move(env));
        return app->start();
    }
    bool startApp() { return startApp(environment()); }

    template <typename T = QWidget>
    T* control(QWidget* window, const char* name) {
        return findControl<T>(window, QLatin1String(name));
    }

    // A game begun on the engine itself, without the setup window: `names` (empty for an empty
    // seat), and multiple-choice questions `pattern` with %1 = 1, 2, ... for `perPlayer` turns
    // each.
    bool beginGame(std::array<QString, 4> names, int players, int perPlayer,
                   const QString& pattern) {
        std::vector<QuestionSlot> list;
        for (int i = 1; i <= players * perPlayer; ++i) {
            list.push_back(gametest::mcSlot(pattern.arg(i)));
        }
        NewGameData data;
        data.PlayerCount = players;
        data.QuestionsPerPlayer = perPlayer;
        data.names = std::move(names);
        return app->engine()->NeuesSpiel(data, std::move(list));
    }

    // Runs a game start that "OK" began, on the clock, to its end.
    void finishStart() { finishGameStart(*app->setup(), clock); }

    // "New Game" with the first player alone, every category ticked and the shortest game (ten
    // questions): the draws take the pool in order and put the one joker on `jokerSlot`.
    void startShortestGame(int jokerSlot) {
        for (int j = 1; j <= 10; ++j) {
            random.push(1);
        }
        random.push({1, jokerSlot});
        whenModal([this] {
            QTest::mouseClick(control(app->spielerForm(), "AllesButton"), Qt::LeftButton);
            control<QComboBox>(app->spielerForm(), "MaxCombo")->setCurrentIndex(0);
            QTest::mouseClick(control(app->spielerForm(), "OKButton"), Qt::LeftButton);
        });
        QTest::mouseClick(control(app->mainForm(), "NeuesSpielButton"), Qt::LeftButton);
        finishStart();
    }

    // Runs `action` once the next modal loop is running.
    static void whenModal(std::function<void()> action) {
        QTimer::singleShot(0, qApp, std::move(action));
    }

    MemorySettingsStore settings;
    ManualClock clock;
    ScriptedRandom random;
    RecordingSoundBackend sound;
    ScriptedConnectionBackend connections;
    RecordingShellOpener shell;
    RecordingPlainMessageBox plain;
    RecordingMessageDialog dialog;
    RecordingHelpViewer help;
    QtHttpClient network{QtHttpClient::Proxy::None};
    int depth = 24;
    std::unique_ptr<TrivantoApp> app;

private:
    QTemporaryDir m_tmp;
    QString m_oldCurrent;
};

}  // namespace trivanto
