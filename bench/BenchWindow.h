#pragma once

// A main window for benchmarks: offscreen, with every box answered by its default.
#include "ui/Application.h"
#include "ui/Main_LEDFlasher_form.h"
#include "ui/UserDialogs.h"

#include <QApplication>

struct BenchDialogs : zg::UserDialogs {
    zg::MessageAnswer showMessage(QWidget*, const zg::MessageRequest&) override { return zg::MessageAnswer::Ok; }
    std::optional<QString> getOpenFileName(QWidget*, const zg::FileDialogRequest&) override { return {}; }
    std::optional<QString> getSaveFileName(QWidget*, const zg::FileDialogRequest&) override { return {}; }
    void openWebAddress(const QString&) override {}
};

struct BenchEnd : zg::ProgramEnd {
    void endNow() override {}
};

inline void UseOffscreenUnlessTold() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
