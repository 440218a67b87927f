#pragma once

#include <QListWidget>

#include <functional>
#include <optional>
#include <vector>

namespace zg {

// A pop-up list of the main window: opened by a command, closed by a pick or Esc. The command
// goes on when the list reports its pick; the window stays live meanwhile.
class PopupList : public QListWidget {
    Q_OBJECT
  public:
    using Pick = std::function<void(std::optional<int> entry)>;
    using QListWidget::QListWidget;

    // Shows the list above the grid with the keyboard focus, `preset` selected when given (else
    // the entry picked last time), and calls `done` with the entry picked, or nothing after Esc.
    // Every request made while the list is open ends with the one pick that closes it, the
    // latest first.
    void choose(std::optional<int> preset, Pick done);
    // Hides the list: a pick of the selected entry.
    void close();
    // Esc: hides the list without a pick.
    void cancel();

  signals:
    void opened();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void finish(std::optional<int> entry);

    std::vector<Pick> waiting_;
};

} // namespace zg
