#pragma once

#include "ui/widgets/t_shaped_form.h"

class QLabel;

namespace trivanto {

class HelpViewer;
class SettingsStore;

// The about box: program name and version, the credit lines and the user's name and company.
// OK, Escape and the close icon close it; the help icon and F1 open its help topic.
class TInfoForm final : public TShapedForm {
    Q_OBJECT
public:
    TInfoForm(const SettingsStore& settings, HelpViewer& help, QWidget* parent = nullptr);

    // Settings values of the user lines; "???" where absent.
    static QString userNameKey() { return QStringLiteral("UserInfo/Name"); }
    static QString companyKey() { return QStringLiteral("UserInfo/Company"); }
    static QString helpTopic() { return QStringLiteral("Infos_zu_Trivanto"); }

    void FormCreate(const SettingsStore& settings);

protected:
    void formKeyPress(QKeyEvent* event) override;

private:
    HelpViewer& m_help;
    QLabel* m_userName = nullptr;
    QLabel* m_companyName = nullptr;
};

}  // namespace trivanto
