#include "ui/game/main_game.h"

#include <QKeyEvent>

#include "core/game/game_engine.h"
#include "ui/app/main_form.h"
#include "ui/game/game_board.h"

namespace trivanto {

MainGame::MainGame(TMainForm& main, Services services, QObject* parent)
    : QObject(parent), m_main(main) {
    m_engine = std::make_unique<GameEngine>(
        GameServices{services.settings, services.clock, services.random, services.dialog,
                     main.mp3(), services.catalogue, main.WindowsFolder()});
    m_board = new TGameBoard(*m_engine, &main);
    main.attachBoard(m_board);
    m_board->setSubmitAction([this] { m_main.NochNichtFertig(); });

    MainFormGameHooks hooks;
    hooks.gameInProgress = [this] { return m_engine->view().gameInProgress; };
    hooks.GameSaved = [this] { return m_engine->state().GameSaved; };
    // Saved games do not exist yet: a "Yes" to the offer says so.
    hooks.SpielSpeichern = [this] { m_main.NochNichtFertig(); };
    main.setGameHooks(std::move(hooks));

    // The result screens take the keyboard before their controls (Enter goes on); while the
    // answers are shown, the digit keys press them wherever the focus is.
    connect(&main, &TShapedForm::keyPreview, this, [this](QKeyEvent* event) {
        if (m_engine->view().keyPreview && m_engine->FormKeyPress(event->key())) {
            event->accept();
        } else if (m_board->answerKey(*event)) {
            event->accept();
        }
    });
}

MainGame::~MainGame() = default;

void MainGame::languageApplied() {
    m_engine->Ursprung();
}

}  // namespace trivanto
