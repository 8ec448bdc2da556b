#pragma once

#include "core/app/help_viewer.h"
#include "ui/widgets/t_shaped_form.h"

class QTextBrowser;
class QUrl;

namespace trivanto {

class ShellOpener;

// The help window: one HTML page per topic in the program folder's help folder ("help" or
// "hilfe"), with back, forward and home (the "INDEX" page). Links between pages stay in the
// window; web addresses open in the desktop's browser; anything else is ignored.
class THelpViewer final : public TShapedForm, public HelpViewer {
    Q_OBJECT
public:
    THelpViewer(QString progDir, ShellOpener& shell, QWidget* parent = nullptr);

    // The language's help folder name inside the program folder.
    void setHelpFolder(const QString& folder) { m_folder = folder; }
    QString helpFolderPath() const;

    // Opens the window at the topic; an unknown topic shows a short note instead.
    void HelpJump(const QString& topic) override;

    QString currentTopic() const;
    QTextBrowser* browser() const { return m_browser; }

protected:
    void formKeyPress(QKeyEvent* event) override;

private:
    void followLink(const QUrl& url);
    void showMissing(const QString& topic);

    QString m_progDir;
    QString m_folder = QStringLiteral("help");
    ShellOpener& m_shell;
    QTextBrowser* m_browser = nullptr;
};

}  // namespace trivanto
