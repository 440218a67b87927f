#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace zg {

// The title of every message box that has none of its own.
inline QString AppTitle() {
    return QCoreApplication::translate("zg::UserDialogs", "ZELTA-GLOW  -  LED Sequencer/Flasher");
}

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Exclamation };
// Withdrawn: the program took the question back before the user answered (see withdrawWhen).
enum class MessageAnswer { Ok, Cancel, Yes, No, Withdrawn };

struct MessageRequest {
    QString title = AppTitle();
    QString text; // lines joined by carriage returns, as the program keeps its texts
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    // Optional: called as the box opens with a function that takes the question back, for a
    // question about something that may end while it is open (a download).
    std::function<void(std::function<void()> withdraw)> withdrawWhen = {};
};

struct FileDialogRequest {
    QString title;
    QString filter;             // "caption|pattern|caption|pattern"
    QString initialName;        // file name offered in the name field
    QString defaultSuffix = {}; // added to a name typed without an extension when saving
};

struct TextRequest {
    QString title;
    QString label; // the question above the field
    QString text;  // offered in the field
};

struct ItemRequest {
    QString title;
    QString label; // the question above the list
    QStringList items;
    int current = 0; // the entry offered
};

// Every modal message box, file dialog, text question and choice goes through here, so that tests can answer
// them.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    // A box closed without an answer (Escape, its close button) answers Cancel, also a Yes/No
    // box; a lone OK box answers OK.
    virtual MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) = 0;
    // The full path chosen, or nothing when the user cancelled.
    virtual std::optional<QString> getOpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QString> getSaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    // The text typed, or nothing when the user cancelled.
    virtual std::optional<QString> getText(QWidget* parent, const TextRequest& request) = 0;
    // The position of the entry chosen, or nothing when the user cancelled.
    virtual std::optional<int> chooseItem(QWidget* parent, const ItemRequest& request) = 0;
    // Hands an address (a web page, a file:// URL) to the system's handler; false when none took it.
    virtual bool openWebAddress(const QString& address) = 0;

    // How the program reports what went wrong: the exclamation icon, the application's title, OK.
    void exclaim(QWidget* parent, const QString& text) {
        showMessage(parent, {AppTitle(), text, MessageButtons::Ok, MessageIcon::Exclamation});
    }
};

// Ends the program at once, from wherever it is called, also from inside nested waits.
class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    virtual void endNow() = 0;
};

} // namespace zg
