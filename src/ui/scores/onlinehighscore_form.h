#pragma once

#include <array>
#include <functional>

#include "core/app/services.h"
#include "core/scores/score_upload.h"
#include "ui/widgets/t_shaped_form.h"

class QLabel;
class QLineEdit;
class QStackedWidget;

namespace trivanto {

class TBusyIndicator;
class TElidedLabel;
class TFlatButton;
class TFlatCheckBox;

// The upload wizard "Top50 of the week - Update": five pages without tabs (start, namen,
// verbinden, online, fertig) that send the game's winners to the weekly top fifty and fetch
// the list. It renders its ScoreUpload model and forwards the clicks and typing. Escape and
// the close icon do what Cancel does; Enter presses Proceed; F1 opens the page's help topic.
class TOnlinehighscoreForm final : public TShapedForm {
    Q_OBJECT

public:
    struct Hooks {
        std::function<void()> showInfo;        // the information window
        std::function<void()> showHallOfFame;  // the high-score window, modal
    };

    TOnlinehighscoreForm(const Services& services, ScoreUpload& model, Hooks hooks,
                         QWidget* parent = nullptr);
    ~TOnlinehighscoreForm() override;

    ScoreUpload& model() { return m_model; }

    // The game end's "Submit Game to the Top50"; modal until closed.
    void OpenForGameEnd();
    // The high-score window's fetch; modal until closed.
    void OpenForDownload();

    static QString pageName(UploadPage page);

protected:
    void formKeyPress(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct WinnerRow {
        TElidedLabel* label = nullptr;
        QLineEdit* name = nullptr;
        QLabel* amount = nullptr;
        QLineEdit* email = nullptr;
    };
    struct PlaceRow {
        TElidedLabel* name = nullptr;
        TElidedLabel* place = nullptr;
    };

    void buildFrame();
    QWidget* pageWidget(UploadPage page);
    void buildStart();
    void buildNames();
    void buildConnect();
    void buildOnline();
    void buildDone();
    void render();

    void WeiterButtonClick();
    void AbbrechenButtonClick();

    Services m_services;
    ScoreUpload& m_model;
    Hooks m_hooks;
    QStackedWidget* m_pages = nullptr;
    TFlatCheckBox* m_submit = nullptr;
    TFlatCheckBox* m_fetch = nullptr;
    TFlatCheckBox* m_show = nullptr;
    std::array<WinnerRow, kMaxPlayers> m_winners;
    QLabel* m_placesLabel = nullptr;
    std::array<PlaceRow, kMaxPlayers> m_places;
    TBusyIndicator* m_busy = nullptr;
    TFlatButton* m_back = nullptr;
    TFlatButton* m_proceed = nullptr;
    TFlatButton* m_cancel = nullptr;
};

}  // namespace trivanto
