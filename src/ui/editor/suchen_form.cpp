#include "ui/editor/suchen_form.h"

#include <QButtonGroup>

#include "ui/common/window_text_applier.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_flat_check_box.h"
#include "ui/widgets/t_flat_edit.h"
#include "ui/widgets/t_flat_radio_button.h"
#include "ui/widgets/theme.h"

namespace trivanto {

namespace {

constexpr int kFieldLeft = 120;
constexpr int kRowHeight = 24;
constexpr int kOptionsTop = 84;
constexpr int kOptionStep = 26;
constexpr int kRightColumn = 170;

template <typename Control>
Control* makeOption(QWidget* form, const char* name, QRect geometry) {
    auto* control = new Control(form);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    control->setFont(Theme::bodyFont());
    return control;
}

}  // namespace

TSuchenForm::TSuchenForm(const Services& services, QuestionEditor& editor, QWidget* parent)
    : TEditorDialog(services, QStringLiteral("SuchenForm"), kSize, helpTopic(), parent),
      m_editor(editor),
      m_search(services.dialog, services.catalogue) {
    buildControls();
    // The design captions, until the language table replaces them.
    applyWindowTexts(this, resolvedWindowTexts(QStringLiteral("TSuchenForm"), Language::Deutsch));
    FormActivate();
}

TSuchenForm::~TSuchenForm() = default;

void TSuchenForm::buildControls() {
    makeHeading(QStringLiteral("Label2"));
    makeCloseButton(QStringLiteral("ToolbarButton972"));

    makeCaption(QStringLiteral("SuchenLabel"),
                {kMargin + 4, kContentTop, kFieldLeft - kMargin - 8, kRowHeight});
    m_text = new TFlatEdit(this);
    m_text->setObjectName(QStringLiteral("SuchenEdit"));
    m_text->setGeometry(kFieldLeft, kContentTop, kSize.width() - kMargin - 4 - kFieldLeft,
                        kRowHeight);
    setFirstControl(m_text);

    const int left = kMargin + 4;
    makeCaption(QStringLiteral("Label1"), {left, kOptionsTop, kRightColumn - left - 8, kRowHeight});
    const int optionWidth = kRightColumn - left - 24;
    m_up = makeOption<TFlatRadioButton>(
        this, "obenradio", {left + 12, kOptionsTop + kOptionStep, optionWidth, kRowHeight});
    m_down = makeOption<TFlatRadioButton>(
        this, "untenradio", {left + 12, kOptionsTop + 2 * kOptionStep, optionWidth, kRowHeight});
    auto* direction = new QButtonGroup(this);
    direction->addButton(m_up);
    direction->addButton(m_down);

    const int checkWidth = kSize.width() - kMargin - kRightColumn;
    m_inQuestions = makeOption<TFlatCheckBox>(this, "FrageCheck",
                                              {kRightColumn, kOptionsTop, checkWidth, kRowHeight});
    m_inAnswers = makeOption<TFlatCheckBox>(
        this, "AntwortCheck", {kRightColumn, kOptionsTop + kOptionStep, checkWidth, kRowHeight});
    m_caseSensitive = makeOption<TFlatCheckBox>(
        this, "grosskleincheck",
        {kRightColumn, kOptionsTop + 2 * kOptionStep, checkWidth, kRowHeight});

    TFlatButton* proceed = makeButton(QStringLiteral("WeitersuchenButton"), 1);
    TFlatButton* cancel = makeButton(QStringLiteral("AbbrechenButton"), 0);

    for (QAbstractButton* option : std::initializer_list<QAbstractButton*>{
             m_up, m_down, m_inQuestions, m_inAnswers, m_caseSensitive}) {
        connect(option, &QAbstractButton::toggled, this, &TSuchenForm::takeOptions);
    }
    connect(m_text, &QLineEdit::textChanged, this, &TSuchenForm::takeOptions);
    connect(proceed, &QAbstractButton::clicked, this, &TSuchenForm::WeitersuchenButtonClick);
    connect(cancel, &QAbstractButton::clicked, this, [this] { AbbrechenButtonClick(); });

    setTabOrder(m_text, m_up);
    setTabOrder(m_up, m_down);
    setTabOrder(m_down, m_inQuestions);
    setTabOrder(m_inQuestions, m_inAnswers);
    setTabOrder(m_inAnswers, m_caseSensitive);
    setTabOrder(m_caseSensitive, proceed);
    setTabOrder(proceed, cancel);
}

void TSuchenForm::open() {
    present();
    showModal();
}

void TSuchenForm::FormActivate() {
    // Rendering the settings must not write half of them back on the way.
    const SearchOptions options = m_search.options();
    const QSignalBlocker quietText(m_text);
    const QSignalBlocker quietUp(m_up);
    const QSignalBlocker quietDown(m_down);
    const QSignalBlocker quietQuestions(m_inQuestions);
    const QSignalBlocker quietAnswers(m_inAnswers);
    const QSignalBlocker quietCase(m_caseSensitive);
    m_text->setText(options.text);
    m_up->setChecked(options.up);
    m_down->setChecked(!options.up);
    m_inQuestions->setChecked(options.inQuestions);
    m_inAnswers->setChecked(options.inAnswers);
    m_caseSensitive->setChecked(options.caseSensitive);
    m_text->selectAll();
}

void TSuchenForm::takeOptions() {
    SearchOptions& options = m_search.options();
    options.text = m_text->text();
    options.up = m_up->isChecked();
    options.inQuestions = m_inQuestions->isChecked();
    options.inAnswers = m_inAnswers->isChecked();
    options.caseSensitive = m_caseSensitive->isChecked();
}

void TSuchenForm::WeitersuchenButtonClick() {
    m_search.FrageSuchen(m_editor);
}

void TSuchenForm::SuchenEditKeyPress() {
    m_search.FrageSuchen(m_editor);
    hide();
}

}  // namespace trivanto
