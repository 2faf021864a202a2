#include "app/HelpWindow.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/ExternalTools.h"
#include "app/QtText.h"

namespace jorv {

namespace {

QToolButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setObjectName(name);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(ToQt(HelpCaption));
    setObjectName(QStringLiteral("helpWindow"));
    resize(760, 640);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);  // a web link leaves for the browser; the page's own stay here

    auto* back = Button(QStringLiteral("< &Back"), QStringLiteral("helpBack"), this);
    auto* forward = Button(QStringLiteral("&Forward >"), QStringLiteral("helpForward"), this);
    auto* contents = Button(QStringLiteral("&Contents"), QStringLiteral("helpContents"), this);
    auto* find = Button(QStringLiteral("F&ind"), QStringLiteral("helpFind"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QToolButton::clicked, browser_, &QTextBrowser::home);
    connect(find, &QToolButton::clicked, this, &HelpWindow::openFindBar);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);

    findBar_ = new QWidget(this);
    findText_ = new QLineEdit(findBar_);
    findText_->setObjectName(QStringLiteral("helpFindText"));
    findText_->setPlaceholderText(QStringLiteral("Find in help"));
    auto* next = Button(QStringLiteral("&Next"), QStringLiteral("helpFindNext"), findBar_);
    auto* previous = Button(QStringLiteral("&Previous"), QStringLiteral("helpFindPrevious"), findBar_);
    auto* close = Button(QStringLiteral("Close"), QStringLiteral("helpFindClose"), findBar_);
    findResult_ = new QLabel(findBar_);
    findResult_->setObjectName(QStringLiteral("helpFindResult"));
    auto* findRow = new QHBoxLayout(findBar_);
    findRow->setContentsMargins(0, 0, 0, 0);
    findRow->addWidget(new QLabel(QStringLiteral("Find:"), findBar_));
    for (QWidget* widget : {static_cast<QWidget*>(findText_), static_cast<QWidget*>(next),
                            static_cast<QWidget*>(previous), static_cast<QWidget*>(findResult_)})
        findRow->addWidget(widget);
    findRow->addStretch();
    findRow->addWidget(close);
    findBar_->hide();
    connect(findText_, &QLineEdit::returnPressed, this, [this] { findNext(findText_->text()); });
    connect(next, &QToolButton::clicked, this, [this] { findNext(findText_->text()); });
    connect(previous, &QToolButton::clicked, this, [this] { findNext(findText_->text(), true); });
    connect(close, &QToolButton::clicked, findBar_, &QWidget::hide);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, &HelpWindow::openFindBar);
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this, [this] { findNext(findText_->text()); });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), findBar_), &QShortcut::activated, findBar_, &QWidget::hide);

    auto* tools = new QHBoxLayout;
    for (QToolButton* button : {back, forward, contents, find}) tools->addWidget(button);
    tools->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addLayout(tools);
    column->addWidget(browser_);
    column->addWidget(findBar_);
}

void HelpWindow::showDocument(const QString& path) {
    browser_->setSource(QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
}

void HelpWindow::openFindBar() {
    findBar_->show();
    findText_->setFocus();
    findText_->selectAll();
}

bool HelpWindow::findNext(const QString& text, bool backwards) {
    if (text.isEmpty()) return false;
    const QTextDocument::FindFlags flags = backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = browser_->find(text, flags);
    if (!found) {
        // Go round: from the far end of the document.
        QTextCursor cursor = browser_->textCursor();
        cursor.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        browser_->setTextCursor(cursor);
        found = browser_->find(text, flags);
    }
    findResult_->setText(found ? QString() : QStringLiteral("Not found"));
    return found;
}

}  // namespace jorv
