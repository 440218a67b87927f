#include "UndoCommands.h"

#include "Settings_form.h"

#include <QAction>

namespace zg {

UndoCommands::UndoCommands(LedSequence& sequence, AppConfig& config, Settings_form& settings)
    : settings_(settings), history_(sequence, config) {
    history_.setOnChange([this] { refresh(); });
}

void UndoCommands::ShowIn(QAction* undo, QAction* redo) {
    undo_ = undo;
    redo_ = redo;
    refresh();
}

void UndoCommands::Undo() {
    settings_.selectSpeeds(history_.undo()); // the speeds travel with the document
}

void UndoCommands::Redo() {
    settings_.selectSpeeds(history_.redo());
}

void UndoCommands::refresh() {
    if (onChange_)
        onChange_();
    if (!undo_ || !redo_)
        return;
    const auto caption = [](const char* verb, const std::string& name) {
        return name.empty() ? QString::fromLatin1(verb)
                            : QString::fromLatin1(verb) + u' ' + QString::fromStdString(name);
    };
    undo_->setText(caption("&Undo", history_.undoName()));
    undo_->setEnabled(history_.canUndo());
    redo_->setText(caption("&Redo", history_.redoName()));
    redo_->setEnabled(history_.canRedo());
}

} // namespace zg
