#include "UndoCommands.h"

#include "Settings_form.h"

#include <QAction>

namespace zg {

UndoCommands::UndoCommands(LedSequence& sequence, AppConfig& config, Settings_form& settings)
    : config_(config), settings_(settings), history_(sequence, config) {
    history_.setOnChange([this] { refresh(); });
}

void UndoCommands::ShowIn(QAction* undo, QAction* redo) {
    undo_ = undo;
    redo_ = redo;
    refresh();
}

void UndoCommands::Undo() {
    showSpeeds(history_.undo());
}

void UndoCommands::Redo() {
    showSpeeds(history_.redo());
}

// The speeds travel with the document; the settings lists show them as after an Open.
void UndoCommands::showSpeeds(SpeedChanges speeds) {
    if (speeds.SequencerDelay)
        settings_.selectSequencerDelay(config_.SequencerDelay);
    if (speeds.TestSpeed)
        settings_.selectTestSpeed(config_.TestSpeed);
}

void UndoCommands::refresh() {
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
