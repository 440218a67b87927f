#pragma once

#include "UiFixture.h"

#include "FakeSystemLook.h"
#include "ModuleReader.h"
#include "SocatPtyPair.h"
#include "device/QtSerialLink.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <memory>

// A main window whose port 2 is a pseudo-terminal with the module's reader at its far end.
class DownloadCommand : public UiFixture {
  protected:
    static inline const QString kConfirmTitle =
        QStringLiteral("Download to ZELTA-GLOW  -  Programmable LED Sequencer/Flasher...");

    void SetUp() override {
        UiFixture::SetUp();
        if (!zg::testing::SocatPtyPair::FindSocat())
            GTEST_SKIP() << "socat is not installed";
        pty = std::make_unique<zg::testing::SocatPtyPair>();
        ASSERT_TRUE(pty->Ready());
        module = std::make_unique<zg::testing::ModuleReader>(pty->ModuleEnd());
        ASSERT_TRUE(module->Ready());
    }
    void TearDown() override {
        UiFixture::TearDown();
        module.reset();
        pty.reset();
    }
    // The window, with port 2 wired to the pseudo-terminal and the other ports to nothing.
    void startWired() {
        const std::string device = pty->ProgramEnd();
        auto link = std::make_unique<zg::QtSerialLink>([device](int port) -> std::optional<std::string> {
            if (port == 2)
                return device;
            if (port == 3)
                return std::string("/dev/zelta-glow-no-such-device");
            return std::nullopt;
        });
        form = std::make_unique<zg::MainWindow>(dialogs, end, std::move(link));
        auto look = std::make_unique<zg::testing::FakeSystemLook>();
        system = look.get();
        form->downloader().setSystemLook(std::move(look)); // this machine's own findings left out
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->config().CommPort = 2;
    }
    bool portIsFree() const {
        zg::QtSerialLink probe([this](int) { return std::optional<std::string>(pty->ProgramEnd()); });
        const bool opened = probe.Open(1, "2400,n,8,1");
        probe.Close();
        return opened;
    }
    void expectIdle() const {
        for (const char* name :
             {"TestButton", "Settings_button", "DownloadButton", "OpenButton", "SaveButton"})
            EXPECT_TRUE(find<QPushButton>(QLatin1String(name))->isEnabled()) << name;
        EXPECT_TRUE(find<QPushButton>("Settings_button")->isVisible());
        EXPECT_FALSE(find<QProgressBar>("ProgressBar1")->isVisible());
        EXPECT_FALSE(find<QLabel>("DLlabel")->isVisible());
        EXPECT_FALSE(form->downloading());
        EXPECT_TRUE(portIsFree());
    }
    // The Download command; the transfer goes on on its timer, and this waits until it has ended.
    void download() {
        trigger("MENUdownload");
        EXPECT_TRUE(QTest::qWaitFor([this] { return !form->downloading(); }, 10000));
    }

    std::unique_ptr<zg::testing::SocatPtyPair> pty;
    std::unique_ptr<zg::testing::ModuleReader> module;
    zg::testing::FakeSystemLook* system = nullptr;
};
