#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <memory>

#include "core/common/file_path.h"
#include "core/game/game_engine.h"
#include "core/setup/new_game_setup.h"
#include "support/category_files.h"
#include "support/fake_services.h"
#include "support/find_control.h"
#include "support/finish_game_start.h"
#include "ui/common/warten_form.h"
#include "ui/common/window_text_applier.h"
#include "ui/setup/spieler_form.h"

namespace trivanto {

// The new-game window on fakes with three small categories, opened the way "New Game" opens
// it (without the modal loop). Titles sort as the file names: Animals 5, Bridges 5 with 2
// estimations, Cities 12 (22 questions for one player).
class SetupFormFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        QDir(tmp.path()).mkpath(QStringLiteral("prog"));
        QDir(tmp.path()).mkpath(QStringLiteral("win"));
        setuptest::writeCategory(prog(), QStringLiteral("Animals"), 5);
        setuptest::writeCategory(prog(), QStringLiteral("Bridges"), 5, 2);
        setuptest::writeCategory(prog(), QStringLiteral("Cities"), 12);
        engine = std::make_unique<GameEngine>(fakes.services());
        setup = std::make_unique<NewGameSetup>(fakes.services(), *engine);
        waiting = std::make_unique<TWartenForm>();
        form = std::make_unique<TSpielerForm>(fakes.services(), *setup, waiting.get(),
                                              [this] { ++infoShown; });
        applyWindowTexts(form.get(),
                         resolvedWindowTexts(QStringLiteral("TSpielerForm"), Language::Englisch));
        reopen();
    }

    void reopen() {
        form->FormActivate();
        form->show();
    }

    QString prog() const { return tmp.filePath(QStringLiteral("prog")); }

    template <typename T = QWidget>
    T* control(const QString& name) {
        return findControl<T>(form.get(), name);
    }
    template <typename T = QWidget>
    T* control(const char* name) {
        return control<T>(QLatin1String(name));
    }
    QString label(const QString& name) { return control<QLabel>(name)->text(); }

    // Runs a game start that "OK" began, on the clock, to its end.
    void finishStart() { finishGameStart(*setup, clock); }

    QTemporaryDir tmp;
    FakeServices fakes{tmp.filePath(QStringLiteral("prog")), tmp.filePath(QStringLiteral("win"))};
    MemorySettingsStore& settings = fakes.settings;
    ManualClock& clock = fakes.clock;
    ScriptedRandom& random = fakes.random;
    RecordingMessageDialog& dialog = fakes.dialog;
    RecordingSoundBackend& sound = fakes.soundBackend;
    RecordingHelpViewer& help = fakes.help;
    ScriptedFileDialogs& files = fakes.files;
    MessageCatalogue& catalogue = fakes.catalogue;
    std::unique_ptr<GameEngine> engine;
    std::unique_ptr<NewGameSetup> setup;
    std::unique_ptr<TWartenForm> waiting;
    std::unique_ptr<TSpielerForm> form;
    int infoShown = 0;
};

}  // namespace trivanto
