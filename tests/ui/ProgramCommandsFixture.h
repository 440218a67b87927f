#pragma once

#include "UiFixture.h"

#include "ui/help/HelpWindow.h"

#include <QAction>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>

#include <functional>

// A main window whose commands are run by their menu items' and buttons' names.
class ProgramCommandsTest : public UiFixture {
  protected:
    static QString spaces(int n) { return QString(n, u' '); }
    void trigger(const QString& name) {
        if (auto* action = form->findChild<QAction*>(name))
            action->trigger();
        else
            QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton);
    }
    // Runs a test and calls `onTick` at each of its steps until the test has ended.
    int runTest(const std::function<void(int)>& onTick) {
        int ticks = 0;
        const auto c = atEachStepEnd([&] { onTick(ticks++); });
        form->toggleTest();
        waitUntilTestEnds();
        QObject::disconnect(c);
        return ticks;
    }
    void closeHelp() {
        if (auto* help = form->findChild<zg::HelpWindow*>())
            help->close();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !form->findChild<zg::HelpWindow*>(); }));
    }
    bool helpShown() const {
        const auto* help = form->findChild<zg::HelpWindow*>();
        return help && help->isVisible();
    }
    // Where the link to `anchor` stands in the browser's view.
    static QPoint linkPosition(QTextBrowser& browser, const QString& anchor) {
        for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().anchorHref() == anchor) {
                    QTextCursor cursor(browser.document());
                    cursor.setPosition(it.fragment().position() + 1);
                    browser.setTextCursor(cursor);
                    browser.ensureCursorVisible();
                    return browser.cursorRect(cursor).center();
                }
        return {};
    }
    QString lastMessage() const {
        return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
    }
    QString lastFileDialog() const {
        return dialogs.fileAsks.empty() ? QString() : dialogs.fileAsks.back().request.title;
    }
};
