#include "ui/shell/main_game.h"

#include <QKeyEvent>

#include "core/game/game_engine.h"
#include "core/game/saved_game.h"
#include "core/setup/new_game_setup.h"
#include "ui/game/game_board.h"
#include "ui/shell/main_form.h"

namespace trivanto {

MainGame::MainGame(TMainForm& main, GameEngine& engine, NewGameSetup& setup, SavedGames& savedGames,
                   QObject* parent)
    : QObject(parent), m_main(main), m_engine(engine), m_setup(setup), m_savedGames(savedGames) {
    m_board = new TGameBoard(m_engine);
    main.attachBoard(m_board);
    connect(&m_engine, &GameEngine::changed, this, &MainGame::renderFrame);
    renderFrame();

    MainFormGameHooks hooks;
    hooks.gameInProgress = [this] { return m_engine.view().gameInProgress; };
    hooks.offerToSave = [this] { return m_savedGames.offerToSave(); };
    hooks.SpielSpeichern = [this] { m_savedGames.SpielSpeichern(); };
    hooks.openGame = [this] { m_savedGames.openGame(); };
    hooks.busy = [this] { return m_engine.inTransition() || m_setup.building(); };
    main.setGameHooks(std::move(hooks));

    // The result screens take the keyboard before their controls (Enter goes on); while the
    // answers are shown, the digit keys press them wherever the focus is.
    // An Enter held down from the bet repeats: a repeat never goes on.
    connect(&main, &TShapedForm::keyPreview, this, [this](QKeyEvent* event) {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && event->isAutoRepeat() && m_engine.view().enterProceeds) {
            event->accept();
        } else if (m_engine.view().keyPreview && m_engine.resultKeyPressed(enter)) {
            event->accept();
        } else if (m_board->answerKey(*event)) {
            event->accept();
        }
    });
}

MainGame::~MainGame() = default;

void MainGame::renderFrame() {
    const GameView& view = m_engine.view();
    m_main.showQuestionCounter(view.headLine, view.headLineVisible);
    m_main.enableGameFiles(view.openEnabled, view.saveEnabled);
}

void MainGame::languageApplied() {
    m_engine.Ursprung();
}

}  // namespace trivanto
