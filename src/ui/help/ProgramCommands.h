#pragma once

#include <QPointer>

#include <functional>
#include <vector>

class QWidget;

namespace zg {

class Downloader;
class HelpWindow;
class NotKeptNotice;
class ProgramEnd;
class TestPlayer;
class UnsavedWork;
class UserDialogs;

// About, How to and Exit, and the end of the program.
class ProgramCommands {
  public:
    ProgramCommands(QWidget& window, UserDialogs& dialogs, ProgramEnd& programEnd, TestPlayer& player,
                    UnsavedWork& unsaved, NotKeptNotice& notKept, Downloader& download);

    void showAbout();
    // The manual that came with the program, in the program's own help window.
    void showManual();
    void askToExit(); // asks first, saying so when a download runs; the File menu's item leaves a running
                      // test alone
    // The window's close button: ends at once, but while a download sends its items, asks whether
    // to stop it or end once it is done; false while the window stays.
    bool closeAsked();
    void exitFromButton(); // stops a running test, then asks
    // Keeps unsaved work for the next start and says what could not be kept, then ends at once.
    void endNow();
    // What is remembered for the next start at the end, whichever way the program ends.
    void whenEnding(std::function<void()> remember) { remember_.push_back(std::move(remember)); }

  private:
    QWidget& window_;
    UserDialogs& dialogs_;
    ProgramEnd& programEnd_;
    TestPlayer& player_;
    UnsavedWork& unsaved_;
    NotKeptNotice& notKept_;
    Downloader& download_;
    QPointer<HelpWindow> help_; // while it is open
    std::vector<std::function<void()>> remember_;
};

} // namespace zg
