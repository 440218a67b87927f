#pragma once

#include "AppConfig.h"
#include "DocumentSnapshot.h"
#include "LedSequence.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zg {

// What the window names the document by: its caption and the file name that Save offers. Open,
// Merge and New/Clear change it along with the document, and their undo brings it back.
struct DocumentName {
    std::string caption;
    std::string fileTitle;

    bool operator==(const DocumentName&) const = default;
};

// Undo and Redo of the document's changes, one step per command or gesture.
//
// Steps may be open inside each other, because a command that waits in a pop-up list lets other
// commands run to their end meanwhile. The rule: every begin, commit, undo and redo closes the
// changes made since the previous one of them as a step of their own; a commit names that step
// after the step it commits, the others after the innermost step still open. So every change
// lands in exactly one step, and each step undoes only its own part.
class UndoHistory {
  public:
    using StepId = int;
    static constexpr std::size_t kDefaultCapacity = 200;

    // Both belong to the window and outlive the history.
    UndoHistory(LedSequence& sequence, AppConfig& config, std::size_t capacity = kDefaultCapacity);

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    // The name of the step that Undo or Redo would take, empty when there is none.
    std::string undoName() const;
    std::string redoName() const;

    AppliedSpeeds undo();
    AppliedSpeeds redo();

    // Runs `command` as one step, which also gives the document `newName` when one is given; a
    // command that changes neither the document nor its name leaves no step.
    void record(const std::string& name, const std::function<void()>& command,
                const std::optional<DocumentName>& newName = std::nullopt);

    const DocumentName& documentName() const { return name_; }
    // Names the document outside any step (a Save): undo does not take this back.
    void rename(const DocumentName& name);

    // A step that spans several events, such as a paint gesture from press to release. A commit of
    // a step that is not open does nothing.
    StepId begin(const std::string& name);
    void commit(StepId step);

    // Called whenever what canUndo, canRedo, undoName or redoName answer may have changed.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }
    // Called when an undo or redo gave the document another name.
    void setOnRename(std::function<void()> onRename) { onRename_ = std::move(onRename); }

  private:
    struct Step {
        std::string name;
        DocumentSnapshot before;
        DocumentSnapshot after;
        DocumentName nameBefore;
        DocumentName nameAfter;
    };
    struct OpenStep {
        StepId id;
        std::string name;
    };

    void closeChanges(const std::string& name);
    void closeOpenChanges();
    void markIfOpen();
    void push(Step step);
    AppliedSpeeds transfer(std::deque<Step>& from, std::deque<Step>& to, bool forward);
    void notify() const;

    LedSequence& sequence_;
    AppConfig& config_;
    std::size_t capacity_;
    std::deque<Step> done_;
    std::deque<Step> undone_;
    std::vector<OpenStep> open_;
    DocumentSnapshot mark_; // the state when the changes not yet in a step began
    DocumentName name_;
    DocumentName nameMark_; // the name at that moment
    StepId nextId_ = 1;
    std::function<void()> onChange_;
    std::function<void()> onRename_;
};

} // namespace zg
