#pragma once

#include <array>
#include <functional>

#include "core/app/services.h"
#include "core/scores/hall_of_fame.h"
#include "ui/widgets/t_shaped_form.h"

class QLabel;

namespace trivanto {

class TElidedLabel;
class TFlatButton;
class TPictureButton;

// The high-score window "Hall Of Fame": the local top ten or one page of the weekly on-line
// top fifty in ten rows, with the buttons to switch, clear, refresh and page. It renders its
// HallOfFame model and forwards the clicks; Escape and the close icon close it, F1 and the
// help buttons open its help topic.
class TBestenlisteForm final : public TShapedForm {
    Q_OBJECT

public:
    static constexpr int kLocalMoneyLeft = 422;
    static constexpr int kOnlineMoneyLeft = 396;

    // `showInfo` opens the information window.
    TBestenlisteForm(const Services& services, HallOfFame& model, std::function<void()> showInfo,
                     QWidget* parent = nullptr);
    ~TBestenlisteForm() override;

    HallOfFame& model() { return m_model; }

    // The main window's "Hall Of Fame": the local view, modal until closed.
    void OpenFromMain();
    // Modal until closed, building the view the model names once the window is up.
    void open();
    // The window has come up: builds the view (open() calls it).
    void FormShow();

    static QString helpTopic() { return QStringLiteral("Bestenliste"); }

protected:
    void formKeyPress(QKeyEvent* event) override;

private:
    struct Row {
        TElidedLabel* place = nullptr;
        TElidedLabel* name = nullptr;
        TElidedLabel* date = nullptr;
        TElidedLabel* time = nullptr;
        TElidedLabel* email = nullptr;
        QLabel* flag = nullptr;
        TElidedLabel* money = nullptr;
    };

    void buildControls();
    void buildRows();
    void render();

    Services m_services;
    HallOfFame& m_model;
    std::function<void()> m_showInfo;
    QLabel* m_title = nullptr;
    std::array<Row, kOnlinePageRows> m_rows;
    TPictureButton* m_localButton = nullptr;
    TPictureButton* m_onlineButton = nullptr;
    TFlatButton* m_deleteButton = nullptr;
    TFlatButton* m_updateButton = nullptr;
    TPictureButton* m_previousButton = nullptr;
    TPictureButton* m_nextButton = nullptr;
};

}  // namespace trivanto
