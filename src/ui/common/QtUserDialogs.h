#pragma once

#include "ui/common/UserDialogs.h"

#include <QFileDialog>

namespace zg {

// The real boxes and dialogs: QMessageBox and QFileDialog.
class QtUserDialogs : public UserDialogs {
  public:
    MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) override;
    std::optional<QString> getOpenFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> getSaveFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> getText(QWidget* parent, const TextRequest& request) override;
    std::optional<int> chooseItem(QWidget* parent, const ItemRequest& request) override;
    bool openWebAddress(const QString& address) override;
};

// Ends the process immediately: no event loop is unwound, nothing is saved.
class ProcessEnd : public ProgramEnd {
  public:
    void endNow() override;
};

// The data-file dialog as Save, Open and Merge show it.
void SetUpDataFileDialog(QFileDialog& dialog, const FileDialogRequest& request, QFileDialog::AcceptMode mode);

// "Data Files (*.DAT)|*.dat|All Files (*.*)|*.*" as the name filters a QFileDialog takes.
QStringList QtNameFilters(const QString& filter);

} // namespace zg
