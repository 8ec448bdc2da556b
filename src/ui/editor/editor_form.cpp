#include "ui/editor/editor_form.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

#include "core/app/help_viewer.h"
#include "core/editor/question_editor.h"
#include "core/questions/question_file.h"
#include "ui/common/window_text_applier.h"
#include "ui/widgets/lazy_picture.h"
#include "ui/widgets/t_flat_check_box.h"
#include "ui/widgets/t_flat_edit.h"
#include "ui/widgets/t_flat_radio_button.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/text_label.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/title_bar.h"

namespace trivanto {

namespace {

constexpr QSize kWindowSize{800, 400};
constexpr int kMargin = 16;

// The toolbar: picture buttons with their caption below.
constexpr int kToolbarTop = 38;
constexpr QSize kToolbarButton{84, 48};
constexpr int kToolbarStep = 88;

// The question column: navigation row, labels, fields and the right-answer buttons.
constexpr int kNavigationTop = 98;
constexpr int kNavigationHeight = 28;
constexpr int kLabelWidth = 96;
constexpr int kFieldLeft = kMargin + kLabelWidth + 6;
constexpr int kFieldWidth = 380;
constexpr int kRightLeft = kFieldLeft + kFieldWidth + 8;
constexpr int kColumnRight = kRightLeft + 24;
constexpr int kQuestionTop = 140;
constexpr int kAnswerTop = 178;
constexpr int kRowStep = 32;
constexpr int kRowHeight = 26;
constexpr int kEstimationTop = kAnswerTop + 4 * kRowStep + 2;
constexpr int kStatusTop = kWindowSize.height() - 36;

// The checks beside the question.
constexpr int kChecksLeft = kColumnRight + 18;
constexpr int kChecksWidth = kWindowSize.width() - kMargin - kChecksLeft;

TPictureButton* makeToolButton(QWidget* parent, const QString& name, artwork::ToolPicture picture,
                               QRect geometry) {
    auto* button = new TPictureButton(parent);
    button->setObjectName(name);
    button->setPictures(artwork::lazyToolPicture(picture), artwork::lazyToolPicture(picture, true));
    button->setGeometry(geometry);
    button->setFont(Theme::largeButtonFont());
    return button;
}

}  // namespace

TEditorForm::TEditorForm(const Services& services, QuestionEditor& editor, QWidget* parent)
    : TShapedForm(parent),
      m_services(services),
      m_editor(editor),
      m_sourceFolder(QDir::homePath()) {
    setObjectName(QStringLiteral("EditorForm"));
    setWindowTitle(QStringLiteral("Trivanto"));
    resize(kWindowSize);
    setWindowStyle(artwork::WindowStyle::Generic);
    setFixedSize(kWindowSize);
    setMovable(true);
    setTakesKeysFirst(true);

    buildTitle();
    buildToolbar();
    buildFields();
    buildStatusAndChecks();
    buildTabOrder();
    // The design captions, until the language table replaces them.
    applyWindowTexts(this, resolvedWindowTexts(QStringLiteral("TEditorForm"), Language::Deutsch));
    applyOwnTexts();

    connect(&m_editor, &QuestionEditor::changed, this, &TEditorForm::render);
    render();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TEditorForm::~TEditorForm() = default;

void TEditorForm::buildTitle() {
    const int right = width() - 24;
    m_caption = makeTextLabel(this, QStringLiteral("FormcaptionLabel"),
                              {kMargin, 5, right - 70 - kMargin, 26}, Theme::titleFont());
    auto* info = makeTitleBarButton(this, QStringLiteral("Button1"), artwork::SmallButton::Info,
                                    {right - 60, 8});
    auto* help = makeTitleBarButton(this, QStringLiteral("Button2"), artwork::SmallButton::Help,
                                    {right - 39, 8});
    auto* close = makeTitleBarButton(this, QStringLiteral("Button3"), artwork::SmallButton::Close,
                                     {right - 18, 8});
    connect(info, &QAbstractButton::clicked, this, [this] {
        if (m_hooks.showInfo) {
            m_hooks.showInfo();
        }
    });
    connect(help, &QAbstractButton::clicked, this, &TEditorForm::HilfeButtonClick);
    connect(close, &QAbstractButton::clicked, this, &TEditorForm::Schliessen);
}

void TEditorForm::buildToolbar() {
    using artwork::ToolPicture;
    QRect place(QPoint(kMargin, kToolbarTop), kToolbarButton);
    const auto next = [&place] {
        const QRect at = place;
        place.translate(kToolbarStep, 0);
        return at;
    };
    m_newFile =
        makeToolButton(this, QStringLiteral("NeueDateiButton"), ToolPicture::NewFile, next());
    m_open = makeToolButton(this, QStringLiteral("OeffnenButton"), ToolPicture::Open, next());
    m_import =
        makeToolButton(this, QStringLiteral("ImportierenButton"), ToolPicture::Import, next());
    m_export =
        makeToolButton(this, QStringLiteral("ExportierenButton"), ToolPicture::Export, next());
    auto* help = makeToolButton(this, QStringLiteral("HilfeButton"), ToolPicture::Help, next());
    auto* exit = makeToolButton(this, QStringLiteral("BeendenButton"), ToolPicture::Exit, next());
    connect(m_newFile, &QAbstractButton::clicked, this, &TEditorForm::NeueDateiButtonClick);
    connect(m_open, &QAbstractButton::clicked, this, &TEditorForm::OeffnenButtonClick);
    connect(m_import, &QAbstractButton::clicked, this, &TEditorForm::ImportierenButtonClick);
    connect(m_export, &QAbstractButton::clicked, this, &TEditorForm::ExportierenButtonClick);
    connect(help, &QAbstractButton::clicked, this, &TEditorForm::HilfeButtonClick);
    connect(exit, &QAbstractButton::clicked, this, &TEditorForm::Schliessen);

    // Back, Next and Search with their captions beside the picture; the four small buttons
    // at the end of the question column.
    const auto navigation = [this](const char* name, ToolPicture picture, int left, int width) {
        TPictureButton* button = makeToolButton(this, QLatin1String(name), picture,
                                                {left, kNavigationTop, width, kNavigationHeight});
        button->setCaptionPosition(TPictureButton::CaptionPosition::Right);
        button->setFont(Theme::boldBodyFont());
        return button;
    };
    m_back = navigation("ZurueckButton", ToolPicture::Previous, kMargin, 100);
    m_next = navigation("WeiterButton", ToolPicture::Next, kMargin + 108, 100);
    m_search = navigation("SuchenButton", ToolPicture::Search, kMargin + 216, 110);
    connect(m_back, &QAbstractButton::clicked, &m_editor, &QuestionEditor::goBack);
    connect(m_next, &QAbstractButton::clicked, &m_editor, &QuestionEditor::goNext);
    connect(m_search, &QAbstractButton::clicked, this, &TEditorForm::SuchenButtonClick);

    const auto small = [this](const char* name, ToolPicture picture, int slot) {
        const QSize size = artwork::kToolPictureSize + QSize(4, 4);
        const int left = kColumnRight - (4 - slot) * (size.width() + 4) + 4;
        return makeToolButton(this, QLatin1String(name), picture,
                              QRect(QPoint(left, kNavigationTop), size));
    };
    m_newQuestion = small("NeuButton", ToolPicture::NewQuestion, 0);
    m_delete = small("LoeschenButton", ToolPicture::Delete, 1);
    m_save = small("SpeichernButton", ToolPicture::Save, 2);
    m_undo = small("RueckgaenigButton", ToolPicture::Undo, 3);
    connect(m_newQuestion, &QAbstractButton::clicked, this, [this] {
        m_editor.newQuestion();
        focusQuestion();
    });
    connect(m_delete, &QAbstractButton::clicked, &m_editor, &QuestionEditor::deleteQuestion);
    connect(m_save, &QAbstractButton::clicked, this,
            [this] { static_cast<void>(m_editor.DatenSpeichern()); });
    connect(m_undo, &QAbstractButton::clicked, &m_editor, &QuestionEditor::undo);
}

void TEditorForm::buildFields() {
    m_questionLabel =
        makeTextLabel(this, QStringLiteral("FrageLabel"),
                      {kMargin, kQuestionTop, kLabelWidth, kRowHeight}, Theme::boldBodyFont());
    m_question = new TFlatEdit(this);
    m_question->setObjectName(QStringLiteral("FrageEdit"));
    m_question->setGeometry(kFieldLeft, kQuestionTop, kFieldWidth + 32, kRowHeight);
    m_question->setMaxLength(kFieldCapacity);
    connect(m_question, &QLineEdit::textEdited, &m_editor, &QuestionEditor::setQuestion);

    for (int i = 0; i < 4; ++i) {
        const int top = kAnswerTop + i * kRowStep;
        const int number = i + 1;
        m_answerLabels[size_t(i)] =
            makeTextLabel(this, QStringLiteral("Antwort%1Label").arg(number),
                          {kMargin, top, kLabelWidth, kRowHeight}, Theme::bodyFont());
        auto* edit = new TFlatEdit(this);
        edit->setObjectName(QStringLiteral("Antwort%1Edit").arg(number));
        edit->setGeometry(kFieldLeft, top, kFieldWidth, kRowHeight);
        edit->setMaxLength(kFieldCapacity);
        connect(edit, &QLineEdit::textEdited, this,
                [this, number](const QString& text) { m_editor.setAnswer(number, text); });
        m_answers[size_t(i)] = edit;

        auto* right = new TFlatRadioButton(this);
        right->setObjectName(QStringLiteral("check%1").arg(number));
        right->setGeometry(kRightLeft, top, 24, kRowHeight);
        connect(right, &QAbstractButton::clicked, this,
                [this, number] { m_editor.setCorrect(number); });
        m_right[size_t(i)] = right;
    }
    for (QLabel* label : m_answerLabels) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    m_questionLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_estimation = new TFlatCheckBox(this);
    m_estimation->setObjectName(QStringLiteral("SchaetzenCheckBox"));
    m_estimation->setGeometry(kFieldLeft, kEstimationTop, 240, kRowHeight);
    connect(m_estimation, &QAbstractButton::clicked, &m_editor, &QuestionEditor::setEstimation);
}

void TEditorForm::buildStatusAndChecks() {
    m_record = makeTextLabel(this, QStringLiteral("DatensatzLabel"), {kMargin, kStatusTop, 170, 20},
                             Theme::boldBodyFont(), Theme::kGold);
    m_changed = makeTextLabel(this, QStringLiteral("Label1"), {kMargin + 180, kStatusTop, 200, 20},
                              Theme::bodyFont(), Theme::kTextMuted);
    m_size = makeTextLabel(this, QStringLiteral("DateigroesseLabel"),
                           {kColumnRight - 80, kStatusTop, 80, 20}, Theme::bodyFont(),
                           Theme::kTextMuted);
    m_size->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_checksLabel = makeTextLabel(this, QStringLiteral("PruefungenLabel"),
                                  {kChecksLeft, kNavigationTop, kChecksWidth, kNavigationHeight},
                                  Theme::boldBodyFont());
    m_checksLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_checks = new QListWidget(this);
    m_checks->setObjectName(QStringLiteral("PruefungenListe"));
    m_checks->setGeometry(kChecksLeft, kQuestionTop, kChecksWidth, kStatusTop + 20 - kQuestionTop);
    m_checks->setFont(Theme::bodyFont());
    m_checks->setWordWrap(true);
    m_checks->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_checks->setSelectionMode(QAbstractItemView::SingleSelection);
    m_checks->setFocusPolicy(Qt::TabFocus);
    connect(m_checks, &QListWidget::itemActivated, this, &TEditorForm::PruefungenListeDoubleClick);
}

void TEditorForm::buildTabOrder() {
    // The question and its answers first, then the estimation box and the buttons that act
    // on the question, the navigation, the toolbar and the checks.
    QList<QWidget*> chain{m_question};
    for (int i = 0; i < 4; ++i) {
        chain << m_answers[size_t(i)];
    }
    chain << m_right[0] << m_estimation << m_save << m_undo << m_newQuestion << m_delete << m_back
          << m_next << m_search << m_newFile << m_open << m_import << m_export
          << findChild<QWidget*>(QStringLiteral("HilfeButton"))
          << findChild<QWidget*>(QStringLiteral("BeendenButton")) << m_checks;
    for (qsizetype i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

}  // namespace trivanto
