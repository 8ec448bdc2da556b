#include "ui/editor/fragendatei_oeffnen_form.h"

#include <QListWidget>

#include "core/lang/message_catalogue.h"
#include "ui/common/window_text_applier.h"
#include "ui/widgets/artwork.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/theme.h"

namespace trivanto {

namespace {

constexpr QSize kIconSize{16, 16};

}  // namespace

TFragendateiOeffnenForm::TFragendateiOeffnenForm(const Services& services, QWidget* parent)
    : TEditorDialog(services, QStringLiteral("FragendateiOeffnenForm"), kSize, helpTopic(), parent),
      m_model(services.paths.progDir) {
    makeHeading(QStringLiteral("NeueFragendateiLabel"));
    makeCloseButton(QStringLiteral("Button3"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("Listbox"));
    const int listBottom = kSize.height() - kMargin - kButtonHeight - 10;
    m_list->setGeometry(kMargin, kContentTop, kSize.width() - 2 * kMargin,
                        listBottom - kContentTop);
    m_list->setIconSize(kIconSize);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setUniformItemSizes(true);
    setFirstControl(m_list);

    m_ok = makeButton(QStringLiteral("OKButton"), 1);
    TFlatButton* cancel = makeButton(QStringLiteral("AbbrechenButton"), 0);
    connect(m_ok, &QAbstractButton::clicked, this, &TFragendateiOeffnenForm::OKButtonClick);
    connect(cancel, &QAbstractButton::clicked, this,
            &TFragendateiOeffnenForm::AbbrechenButtonClick);
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ListboxDblClick(m_list->row(item)); });
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            &TFragendateiOeffnenForm::renderButtons);
    // Moving onto a file that cannot be read leaves nothing selected, so Enter never opens
    // a category other than the row the user is on.
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_model.readable(row)) {
            m_list->clearSelection();
        }
    });
    setTabOrder(m_list, m_ok);
    setTabOrder(m_ok, cancel);

    // The design captions, until the language table replaces them.
    applyWindowTexts(
        this, resolvedWindowTexts(QStringLiteral("TFragendateiOeffnenForm"), Language::Deutsch));
    renderButtons();
}

TFragendateiOeffnenForm::~TFragendateiOeffnenForm() = default;

std::optional<QString> TFragendateiOeffnenForm::chooseCategory() {
    present();
    showModal();
    if (!m_model.confirmed()) {
        return std::nullopt;
    }
    return m_model.chosenFileName();
}

void TFragendateiOeffnenForm::FormActivate() {
    m_model.FormActivate();
    fillList();
    renderButtons();
}

void TFragendateiOeffnenForm::fillList() {
    m_list->clear();
    const QIcon icon(artwork::toolPicture(artwork::ToolPicture::Open)
                         .scaled(kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    // Greyed like its text, and in line with the others.
    const QIcon greyed(icon.pixmap(kIconSize, QIcon::Disabled));
    const QString mark = services().catalogue.text(Msg::MsgCategoryUnreadableMark);
    const QStringList& titles = m_model.titles();
    for (int row = 0; row < titles.size(); ++row) {
        // Item texts are plain: a title shows as it is, "&" and "<" included.
        auto* item = new QListWidgetItem(icon, titles.at(row), m_list);
        if (!m_model.readable(row)) {
            item->setText(titles.at(row) + mark);
            item->setFlags(Qt::ItemIsEnabled);  // shown, never selected
            item->setForeground(Theme::kTextMuted);
            item->setIcon(greyed);
        }
        item->setToolTip(item->text());
    }
    // The first category that can be opened is selected, so the keys start from a row the
    // user sees: Enter opens it, the arrows move on from it.
    m_list->setCurrentRow(-1);
    m_list->clearSelection();
    for (int row = 0; row < titles.size(); ++row) {
        if (m_model.readable(row)) {
            m_list->setCurrentRow(row);
            break;
        }
    }
}

int TFragendateiOeffnenForm::selectedRow() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

void TFragendateiOeffnenForm::renderButtons() {
    m_ok->setEnabled(m_model.readable(selectedRow()));
}

void TFragendateiOeffnenForm::OKButtonClick() {
    if (m_model.choose(selectedRow())) {
        hide();
    }
}

void TFragendateiOeffnenForm::ListboxDblClick(int row) {
    if (m_model.choose(row)) {
        hide();
    }
}

void TFragendateiOeffnenForm::AbbrechenButtonClick() {
    m_model.cancel();
    hide();
}

}  // namespace trivanto
