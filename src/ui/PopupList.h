#pragma once

#include <QListWidget>

#include <optional>

namespace zg {

// A pop-up list of the main window: shown by ChooseFromList, closed by a pick.
class PopupList : public QListWidget {
    Q_OBJECT
  public:
    using QListWidget::QListWidget;

    // Shows the list above the grid with the keyboard focus.
    void open();
    // Hides the list and ends every wait on it: a pick.
    void close();
    // Esc: hides the list like close(), but the waits end without a pick.
    void cancel();
    bool Cancelled() const { return cancelled_; }

  signals:
    void closed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool cancelled_ = false;
};

// Shows `list` (with `preset` selected when given), waits in the event loop until a pick closes
// it, and returns the selected entry; after Esc the list is Cancelled() and callers change nothing. The
// window stays live meanwhile; requests nest, and every request waiting on the same list ends with the one
// pick that closes it, the latest first.
int ChooseFromList(PopupList& list, std::optional<int> preset = std::nullopt);

} // namespace zg
