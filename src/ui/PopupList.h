#pragma once

#include <QListWidget>

#include <optional>

namespace zg {

// A pop-up list of the main window: shown by ChooseFromList, closed by a pick.
class PopupList : public QListWidget {
    Q_OBJECT
  public:
    using QListWidget::QListWidget;

    // Hides the list and ends every wait on it.
    void close();

  signals:
    void closed();
};

// Shows `list` (with `preset` selected when given), waits in the event loop until a pick closes
// it, and returns the selected entry. The window stays live meanwhile; requests nest, and every
// request waiting on the same list ends with the one pick that closes it, the latest first.
int ChooseFromList(PopupList& list, std::optional<int> preset = std::nullopt);

} // namespace zg
