#pragma once

#include <QWidget>

class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace zg {

// The user manual that came with the program, in a window of its own: links inside it work, Back
// goes to where a link was followed from, Ctrl+F finds a word, and the window keeps its size from
// one run to the next.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    HelpWindow(const QString& manual, QWidget* parent);

    QTextBrowser* browser() const { return browser_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showFindBar();
    void find(bool backwards);

    QTextBrowser* browser_;
    QToolButton* back_;
    QWidget* findBar_;
    QLineEdit* findText_;
};

} // namespace zg
