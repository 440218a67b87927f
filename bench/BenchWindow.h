#pragma once

// A main window for benchmarks: offscreen, with every box answered by its default.
#include "app/Application.h"
#include "ui/common/UserDialogs.h"
#include "ui/window/MainWindow.h"

#include <QApplication>

#include <memory>

struct BenchDialogs : zg::UserDialogs {
    zg::MessageAnswer showMessage(QWidget*, const zg::MessageRequest&) override {
        return zg::MessageAnswer::Ok;
    }
    std::optional<QString> getOpenFileName(QWidget*, const zg::FileDialogRequest&) override { return {}; }
    std::optional<QString> getSaveFileName(QWidget*, const zg::FileDialogRequest&) override { return {}; }
    std::optional<QString> getText(QWidget*, const zg::TextRequest&) override { return {}; }
    std::optional<int> chooseItem(QWidget*, const zg::ItemRequest&) override { return {}; }
    bool openWebAddress(const QString&) override { return true; }
};

struct BenchEnd : zg::ProgramEnd {
    void endNow() override {}
};

inline void UseOffscreenUnlessTold() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The application and a shown main window, ready to be measured.
class BenchWindow {
  public:
    BenchWindow(int& argc, char** argv) : app_(argc, argv) {
        zg::ApplyProgramFont();
        form_ = std::make_unique<zg::MainWindow>(dialogs_, end_);
        form_->show();
        QApplication::processEvents();
    }
    zg::MainWindow& form() { return *form_; }

  private:
    struct Offscreen {
        Offscreen() { UseOffscreenUnlessTold(); }
    } offscreen_; // before the application object, which reads the platform
    QApplication app_;
    BenchDialogs dialogs_;
    BenchEnd end_;
    std::unique_ptr<zg::MainWindow> form_;
};
