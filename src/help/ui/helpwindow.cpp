#include "help/ui/helpwindow.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace mottler {
namespace {

QToolButton* NavigationButton(QWidget* parent, const QString& text, QKeySequence key) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setShortcut(key);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmHelp");
    setWindowTitle(tr("Mottler Help"));
    // An open manual must not keep the program running after its main window closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    btnBack = NavigationButton(this, tr("&Back"), QKeySequence::Back);
    btnForward = NavigationButton(this, tr("&Forward"), QKeySequence::Forward);
    auto* btnContents =
        NavigationButton(this, tr("&Contents"), QKeySequence(Qt::ALT | Qt::Key_Home));
    bar->addWidget(btnBack);
    bar->addWidget(btnForward);
    bar->addWidget(btnContents);
    bar->addStretch();
    layout->addLayout(bar);
    browser = new QTextBrowser(this);
    browser->setObjectName("txtHelp");
    browser->setAccessibleName(tr("Manual"));
    browser->setOpenExternalLinks(true);
    layout->addWidget(browser);
    resize(640, 560);

    btnBack->setEnabled(false);
    btnForward->setEnabled(false);
    connect(btnBack, &QToolButton::clicked, browser, &QTextBrowser::backward);
    connect(btnForward, &QToolButton::clicked, browser, &QTextBrowser::forward);
    connect(btnContents, &QToolButton::clicked, this, [this] { ShowTopic(HelpContext::Contents); });
    connect(browser, &QTextBrowser::backwardAvailable, btnBack, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, btnForward, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(HelpWindowTitle(browser->documentTitle())); });
    // Closed from the keyboard as a document window is.
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::ShowTopic(HelpContext context) {
    browser->setSource(HelpTopicUrl(context));
}

QUrl HelpWindow::Source() const {
    return browser->source();
}

} // namespace mottler
