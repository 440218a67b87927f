#include "HelpWindow.h"

#include "files/UserSettings.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace zg {

HelpWindow::HelpWindow(const QString& manual, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)), back_(new QToolButton(this)),
      findBar_(new QWidget(this)), findText_(new QLineEdit(findBar_)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Zelta-Glow User Manual"));
    browser_->setOpenExternalLinks(true); // a web address goes to the browser, the rest stays here
    browser_->setSource(QUrl::fromLocalFile(manual));

    back_->setText(tr("Back"));
    back_->setObjectName(QStringLiteral("HelpBack"));
    back_->setShortcut(QKeySequence::Back);
    back_->setEnabled(false);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);

    auto* findLayout = new QHBoxLayout(findBar_);
    findLayout->setContentsMargins(0, 0, 0, 0);
    findLayout->addWidget(new QLabel(tr("Find:"), findBar_));
    findLayout->addWidget(findText_);
    findText_->setObjectName(QStringLiteral("HelpFind"));
    findText_->setClearButtonEnabled(true);
    findBar_->hide();
    connect(findText_, &QLineEdit::returnPressed, this, [this] { find(false); });
    connect(findText_, &QLineEdit::textEdited, this, [this] {
        browser_->moveCursor(QTextCursor::Start); // as the word grows, from the top again
        find(false);
    });

    auto* findAction = new QAction(this);
    findAction->setShortcut(QKeySequence::Find);
    connect(findAction, &QAction::triggered, this, &HelpWindow::showFindBar);
    auto* nextAction = new QAction(this);
    nextAction->setShortcut(QKeySequence::FindNext);
    connect(nextAction, &QAction::triggered, this, [this] { find(false); });
    auto* previousAction = new QAction(this);
    previousAction->setShortcut(QKeySequence::FindPrevious);
    connect(previousAction, &QAction::triggered, this, [this] { find(true); });
    auto* closeFind = new QAction(this);
    closeFind->setShortcut(Qt::Key_Escape);
    connect(closeFind, &QAction::triggered, this, [this] {
        findBar_->hide();
        browser_->setFocus();
    });
    addActions({findAction, nextAction, previousAction, closeFind});

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addStretch();
    bar->addWidget(findBar_);
    layout->addLayout(bar);
    layout->addWidget(browser_);
    resize(760, 600);
    restoreGeometry(UserSettings::helpWindowGeometry());
}

void HelpWindow::showFindBar() {
    findBar_->show();
    findText_->setFocus();
    findText_->selectAll();
}

// From the cursor on, and round from the top when the end is reached.
void HelpWindow::find(bool backwards) {
    const QString word = findText_->text();
    if (word.isEmpty())
        return;
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (!browser_->find(word, flags)) {
        browser_->moveCursor(backwards ? QTextCursor::End : QTextCursor::Start);
        browser_->find(word, flags);
    }
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    UserSettings::setHelpWindowGeometry(saveGeometry());
    QWidget::closeEvent(event);
}

} // namespace zg
