#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <memory>

#include "core/app/memory_settings_store.h"
#include "core/game/game_engine.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_catalogue.h"
#include "setup_category_files.h"
#include "support/manual_clock.h"
#include "support/recording_help_viewer.h"
#include "support/recording_message_dialog.h"
#include "support/recording_sound_backend.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_random.h"
#include "ui/app/warten_form.h"
#include "ui/app/window_text_applier.h"
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
        catalogue.SetEnglishTexts();
        setuptest::writeCategory(prog(), QStringLiteral("Animals"), 5);
        setuptest::writeCategory(prog(), QStringLiteral("Bridges"), 5, 2);
        setuptest::writeCategory(prog(), QStringLiteral("Cities"), 12);
        cues = std::make_unique<SoundCues>(settings, sound, prog());
        const QString win = tmp.filePath(QStringLiteral("win"));
        engine = std::make_unique<GameEngine>(
            GameServices{settings, clock, random, dialog, *cues, catalogue, win});
        SetupServices services{settings, clock, random, dialog, *cues, catalogue, prog(), win};
        waiting = std::make_unique<TWartenForm>();
        form = std::make_unique<TSpielerForm>(SpielerFormContext{
            services, *engine, help, files, waiting.get(), [this] { ++infoShown; }});
        applyWindowTexts(form.get(),
                         resolvedWindowTexts(QStringLiteral("TSpielerForm"), Language::Englisch));
        reopen();
    }

    void reopen() {
        form->FormActivate();
        form->show();
    }

    QString prog() const { return tmp.filePath(QStringLiteral("prog")) + QLatin1Char('/'); }

    template <typename T = QWidget>
    T* control(const QString& name) {
        T* found = form->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    template <typename T = QWidget>
    T* control(const char* name) {
        return control<T>(QLatin1String(name));
    }
    QString label(const QString& name) { return control<QLabel>(name)->text(); }

    QTemporaryDir tmp;
    MemorySettingsStore settings;
    ManualClock clock;
    ScriptedRandom random;
    RecordingMessageDialog dialog;
    RecordingSoundBackend sound;
    RecordingHelpViewer help;
    ScriptedFileDialogs files;
    MessageCatalogue catalogue;
    std::unique_ptr<SoundCues> cues;
    std::unique_ptr<GameEngine> engine;
    std::unique_ptr<TWartenForm> waiting;
    std::unique_ptr<TSpielerForm> form;
    int infoShown = 0;
};

}  // namespace trivanto
