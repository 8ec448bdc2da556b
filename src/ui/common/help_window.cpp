#include "ui/common/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>

#include "core/app/shell_opener.h"
#include "core/common/file_path.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/title_bar.h"

namespace trivanto {

namespace {

constexpr int kWidth = 620;
constexpr int kHeight = 470;

bool isTopicName(const QString& topic) {
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z0-9_]{1,100}$"));
    return valid.match(topic).hasMatch();
}

TFlatButton* makeButton(QWidget* parent, const char* name, const QString& text, int left) {
    auto* button = new TFlatButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, kHeight - 36, 90, 23);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

THelpViewer::THelpViewer(QString progDir, ShellOpener& shell, QWidget* parent)
    : TShapedForm(parent), m_progDir(std::move(progDir)), m_shell(shell) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Trivanto"));
    setWindowStyle(artwork::WindowStyle::Generic);
    setFixedSize(kWidth, kHeight);
    setMovable(true);
    setTakesKeysFirst(true);

    auto* title = makePictureLabel(this, QStringLiteral("Label2"), Theme::titleFont());
    title->setText(QStringLiteral("Trivanto"));
    title->setGeometry(16, 6, 300, 20);

    auto* close = makeTitleBarButton(this, QStringLiteral("Button3"), artwork::SmallButton::Close,
                                     {kWidth - 23, 6});

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(false);
    m_browser->setGeometry(16, 34, kWidth - 32, kHeight - 80);
    // List bullets and numbers take the palette's text colour, not the page's style sheet.
    QPalette pagePalette = m_browser->palette();
    pagePalette.setColor(QPalette::Text, QColor(0xf2, 0xec, 0xdc));
    m_browser->setPalette(pagePalette);

    auto* back = makeButton(this, "BackButton", QStringLiteral("<"), 16);
    auto* forward = makeButton(this, "ForwardButton", QStringLiteral(">"), 112);
    auto* home = makeButton(this, "HomeButton", QStringLiteral("INDEX"), 208);
    back->setEnabled(false);
    forward->setEnabled(false);

    connect(close, &QAbstractButton::clicked, this, &QWidget::hide);
    connect(back, &QAbstractButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QAbstractButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QAbstractButton::clicked, this, [this] { HelpJump(QStringLiteral("INDEX")); });
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &THelpViewer::followLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this, title] {
        const QString pageTitle = m_browser->documentTitle();
        title->setText(pageTitle.isEmpty() ? QStringLiteral("Trivanto") : pageTitle);
    });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

QString THelpViewer::helpFolderPath() const {
    return filePath(m_progDir, m_folder);
}

QString THelpViewer::currentTopic() const {
    return QFileInfo(m_browser->source().toLocalFile()).completeBaseName();
}

void THelpViewer::HelpJump(const QString& topic) {
    const QString file = QDir(helpFolderPath()).filePath(topic + QStringLiteral(".html"));
    if (isTopicName(topic) && QFileInfo(file).isFile()) {
        m_browser->setSource(QUrl::fromLocalFile(file));
    } else {
        showMissing(topic);
    }
    show();
    raise();
    activateWindow();
}

void THelpViewer::showMissing(const QString& topic) {
    m_browser->clearHistory();
    m_browser->setSource(QUrl());
    m_browser->setPlainText(QStringLiteral("Trivanto\n\n%1: ?").arg(topic.left(100)));
}

void THelpViewer::followLink(const QUrl& link) {
    if (link.scheme() == QLatin1String("http") || link.scheme() == QLatin1String("https") ||
        link.scheme() == QLatin1String("mailto")) {
        m_shell.open(link);
        return;
    }
    const QUrl target = m_browser->source().resolved(link);
    if (!target.isLocalFile()) {
        return;
    }
    const QFileInfo info(target.toLocalFile());
    const QString folder = QFileInfo(helpFolderPath()).canonicalFilePath();
    // Pages of the help folder only: a link cannot wander off into the file system.
    if (info.isFile() && !folder.isEmpty() && info.canonicalPath() == folder) {
        m_browser->setSource(target);
    } else if (link.path().isEmpty() && link.hasFragment()) {
        m_browser->scrollToAnchor(link.fragment());
    }
}

void THelpViewer::formKeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        hide();
        return;
    }
    TShapedForm::formKeyPress(event);
}

}  // namespace trivanto
