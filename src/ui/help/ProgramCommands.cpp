#include "ProgramCommands.h"

#include "files/UserSettings.h"
#include "ui/common/UserDialogs.h"
#include "ui/datafiles/NotKeptNotice.h"
#include "ui/datafiles/UnsavedWork.h"
#include "ui/download/Downloader.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/ManualLocation.h"
#include "ui/help/ProgramTexts.h"
#include "ui/test/TestPlayer.h"

namespace zg {

ProgramCommands::ProgramCommands(QWidget& window, UserDialogs& dialogs, ProgramEnd& programEnd,
                                 TestPlayer& player, UnsavedWork& unsaved, NotKeptNotice& notKept,
                                 Downloader& download)
    : window_(window), dialogs_(dialogs), programEnd_(programEnd), player_(player), unsaved_(unsaved),
      notKept_(notKept), download_(download) {}

void ProgramCommands::showAbout() {
    dialogs_.showMessage(&window_, {AppTitle(), AboutText()});
}

// The manual that came with the program needs no network; where it is missing, the user learns
// where it was looked for and the maker's page stands in for it.
void ProgramCommands::showManual() {
    if (help_ && help_->isVisible()) {
        help_->raise();
        help_->activateWindow();
        return;
    }
    if (const auto manual = ManualLocation()) {
        help_ = new HelpWindow(*manual, &window_);
        help_->show();
        return;
    }
    dialogs_.showMessage(&window_, {AppTitle(), ManualMissingText(ManualPlaces())});
    if (!dialogs_.openWebAddress(kManualAddress))
        dialogs_.exclaim(&window_, ManualNotShownText(kManualAddress));
}

void ProgramCommands::askToExit() {
    const auto sent = download_.itemsSent();
    MessageRequest question{AppTitle(), sent ? ExitQuestionDuringDownload(*sent) : ExitQuestion(),
                            MessageButtons::OkCancel};
    if (sent)
        question.withdrawWhen = [this](std::function<void()> withdraw) {
            download_.whenEnded(std::move(withdraw));
        };
    const MessageAnswer answer = dialogs_.showMessage(&window_, question);
    download_.whenEnded(nullptr);
    if (answer == MessageAnswer::Withdrawn)
        return askToExit(); // the download ended meanwhile: the question as without one
    if (answer != MessageAnswer::Ok)
        return;
    download_.stop(); // between two items, said to the user before the end
    endNow();
}

// A download cut off unseen leaves the module with part of a pattern: the user decides.
bool ProgramCommands::closeAsked() {
    const auto sent = download_.itemsSent();
    if (!sent) {
        endNow();
        return true;
    }
    MessageRequest question{AppTitle(), CloseQuestionDuringDownload(*sent), MessageButtons::YesNoCancel,
                            MessageIcon::Question};
    // A question about a download that has ended would mislead: it goes, and the window stays,
    // since the user answered nothing; closing it again ends the program as without a download.
    question.withdrawWhen = [this](std::function<void()> withdraw) {
        download_.whenEnded(std::move(withdraw));
    };
    const MessageAnswer answer = dialogs_.showMessage(&window_, question);
    download_.whenEnded(nullptr);
    if (answer == MessageAnswer::Yes) {
        download_.stop();
        endNow();
        return true;
    }
    if (answer == MessageAnswer::No && download_.itemsSent())
        download_.whenEnded([this] { endNow(); });
    else if (answer == MessageAnswer::No)
        endNow(); // it ended while the question was open
    return false;
}

void ProgramCommands::exitFromButton() {
    player_.stopTest();
    askToExit();
}

void ProgramCommands::endNow() {
    unsaved_.finish();
    UserSettings::setWindowGeometry(window_.saveGeometry()); // where the next start puts the window
    for (const auto& remember : remember_)
        remember();
    notKept_.sayNow(); // no later turn of the event loop would show it
    programEnd_.endNow();
}

} // namespace zg
