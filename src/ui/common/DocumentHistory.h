#pragma once

#include "model/DocumentSnapshot.h"
#include "model/LedSequence.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <optional>

namespace zg {

// What the window names the document by: its caption and the file name that Save offers. Open,
// Merge and New/Clear change it along with the document, and their undo brings it back.
struct DocumentName {
    QString caption;
    QString fileTitle;
    QString filePath = {}; // the file's full path, where there is one

    bool operator==(const DocumentName&) const = default;
};

// Undo and Redo of the document's changes on a QUndoStack: one command per user action, holding
// the document (with both speeds) and its name before and after.
class DocumentHistory : public QObject {
    Q_OBJECT
  public:
    static constexpr int kUndoLimit = 200;

    DocumentHistory(LedSequence& sequence, QObject* parent);

    QUndoStack& stack() { return stack_; }

    // Runs `change` as one step, which also gives the document `newName` when one is given; a
    // change that alters neither the document nor its name leaves no step.
    void record(const QString& name, const std::function<void()>& change,
                const std::optional<DocumentName>& newName = std::nullopt);

    // A paint gesture: the changes from its begin to its end are one step.
    void beginGesture(const QString& name);
    void endGesture();

    const DocumentName& documentName() const { return name_; }
    // Names the document outside any step (a Save): undo does not take this back.
    void rename(const DocumentName& name) { name_ = name; }
    // A step has set these speeds (Open, a flash pattern's delay): the settings lists show them,
    // by the same path as after an undo.
    void speedsSet(AppliedSpeeds speeds) { emit speedsChanged(speeds); }

  signals:
    // An undo or redo has brought back another name, or speeds the settings lists should show.
    void renamed();
    void speedsChanged(zg::AppliedSpeeds speeds);

  private:
    friend class DocumentChange;
    void restore(const DocumentSnapshot& from, const DocumentSnapshot& to, const DocumentName& name);
    void push(const QString& name, DocumentSnapshot before, const DocumentName& nameBefore);

    LedSequence& sequence_;
    QUndoStack stack_;
    DocumentName name_;
    std::optional<DocumentSnapshot> gestureStart_;
    QString gestureName_;
};

} // namespace zg
