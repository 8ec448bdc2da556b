#pragma once

#include <functional>
#include <memory>

#include "core/app/online_services.h"
#include "core/app/services.h"
#include "core/update/online_update.h"
#include "ui/widgets/t_shaped_form.h"

class QLabel;
class QPlainTextEdit;
class QStackedWidget;

namespace trivanto {

class FileFetchPort;
class TCheckGroupList;
class TFlatButton;
class TFlatProgressBar;

// The on-line update wizard: pages start (going on line), auswahl (the packages of the
// catalogue in a grouped check list), download (the progress of fetching and unpacking) and
// fertig (the closing text). Every rule and message lives in OnlineUpdate; the window renders
// its state and forwards the user's actions. Cancel and the close icon ask first and stop
// everything; Escape stops everything without asking; Close on the last page opens the start
// files of the installed packages. F1 and the help icon open the help; Enter is Proceed.
class TOnlineupdateForm final : public TShapedForm {
    Q_OBJECT

public:
    // Goes on line through `online.connections`, fetches on `online.network` (or with `fetcher`
    // when one is given, as tests do), clears IsOnline when a transfer fails and starts the
    // banner once the update server has answered.
    TOnlineupdateForm(const Services& services, const OnlineServices& online,
                      std::unique_ptr<FileFetchPort> fetcher = nullptr, QWidget* parent = nullptr);
    ~TOnlineupdateForm() override;

    static QString helpTopic() { return QStringLiteral("Onlineupdate"); }

    // The Online Update button: FormShow, then modal until the wizard closes.
    void open();
    // Each opening: page start with Proceed active and Cancel captioned "Cancel".
    void FormShow();

    // The page shown: "start", "auswahl", "download" or "fertig".
    QString currentPage() const;
    const OnlineUpdate& update() const { return *m_update; }

protected:
    void formKeyPress(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTitle();
    void buildPages();
    void buildButtons();
    QWidget* addPage(const QString& name);
    void layoutSelectionPage();

    void showPage(QWidget* page);
    void setBusy(bool busy);
    void enableProceed(bool enabled);
    void closeWizard();

    void WeiterButtonClick();
    void Abbrechen();
    void catalogueFetched(OnlineUpdate::CatalogueOutcome outcome);
    void AuswahlBoxEinlesen();
    void renderTicks();
    void AuswahlBoxCheckBoxClick(int group, int index, bool checked);
    void AuswahlBoxSubItemClick(int group, int index);
    void DownloadStart();
    void renderRun();
    void runFinished();

    Services m_services;
    OnlineServices m_online;
    std::unique_ptr<FileFetchPort> m_fetcher;  // before m_update, which it must outlive
    std::unique_ptr<OnlineUpdate> m_update;
    bool m_busy = false;  // going on line or fetching the catalogue

    QStackedWidget* m_pages = nullptr;
    QWidget* m_start = nullptr;
    QWidget* m_auswahl = nullptr;
    QWidget* m_download = nullptr;
    QWidget* m_fertig = nullptr;
    QLabel* m_hintLabel = nullptr;
    QLabel* m_infoLabel = nullptr;
    TCheckGroupList* m_list = nullptr;
    QPlainTextEdit* m_infoMemo = nullptr;
    QLabel* m_downloadLabel = nullptr;
    TFlatProgressBar* m_downloadBar = nullptr;
    QLabel* m_zipLabel = nullptr;
    TFlatProgressBar* m_zipBar = nullptr;
    QLabel* m_closingLabel = nullptr;
    TFlatButton* m_back = nullptr;
    TFlatButton* m_proceed = nullptr;
    TFlatButton* m_cancel = nullptr;
};

}  // namespace trivanto
