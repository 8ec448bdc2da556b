#include "ui/editor/neue_fragendatei_form.h"

#include "core/questions/question_file.h"
#include "ui/common/window_text_applier.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_flat_edit.h"

namespace trivanto {

namespace {

constexpr int kFieldLeft = 86;
constexpr int kRowHeight = 24;

}  // namespace

TNeueFragendateiForm::TNeueFragendateiForm(const Services& services, QWidget* parent)
    : TEditorDialog(services, QStringLiteral("NeueFragendateiForm"), kSize, helpTopic(), parent),
      m_model(services.dialog, services.catalogue, services.paths.progDir) {
    makeHeading(QStringLiteral("NeueFragendateiLabel"));
    makeCloseButton(QStringLiteral("Button3"));
    makeHelpButton(QStringLiteral("Button2"));
    const int top = kContentTop + 8;
    makeCaption(QStringLiteral("RubriktitelLabel"),
                {kMargin + 4, top, kFieldLeft - kMargin - 8, kRowHeight});
    m_name = new TFlatEdit(this);
    m_name->setObjectName(QStringLiteral("DateinameEdit"));
    m_name->setGeometry(kFieldLeft, top, kSize.width() - kMargin - 4 - kFieldLeft, kRowHeight);
    // A title is stored in one field of the category's header.
    m_name->setMaxLength(kFieldCapacity);
    setFirstControl(m_name);
    TFlatButton* ok = makeButton(QStringLiteral("OKButton"), 1);
    TFlatButton* cancel = makeButton(QStringLiteral("AbbrechenButton"), 0);
    connect(ok, &QAbstractButton::clicked, this, &TNeueFragendateiForm::OKButtonClick);
    connect(cancel, &QAbstractButton::clicked, this, &TNeueFragendateiForm::AbbrechenButtonClick);
    setTabOrder(m_name, ok);
    setTabOrder(ok, cancel);

    // The design captions, until the language table replaces them.
    applyWindowTexts(
        this, resolvedWindowTexts(QStringLiteral("TNeueFragendateiForm"), Language::Deutsch));
}

TNeueFragendateiForm::~TNeueFragendateiForm() = default;

std::optional<QString> TNeueFragendateiForm::askTitle() {
    present();
    showModal();
    if (!m_model.confirmed()) {
        return std::nullopt;
    }
    return m_model.title();
}

void TNeueFragendateiForm::FormActivate() {
    m_model.FormActivate();
    m_name->clear();
}

void TNeueFragendateiForm::OKButtonClick() {
    switch (m_model.confirm(m_name->text())) {
        case NewCategoryDialog::Outcome::Confirmed:
            hide();
            return;
        case NewCategoryDialog::Outcome::Refused:
        case NewCategoryDialog::Outcome::Declined:
            // The name is still there to be changed or typed over.
            selectWholeName();
            return;
    }
}

void TNeueFragendateiForm::AbbrechenButtonClick() {
    m_model.cancel();
    hide();
}

void TNeueFragendateiForm::selectWholeName() {
    m_name->setFocus(Qt::OtherFocusReason);
    m_name->selectAll();
}

}  // namespace trivanto
