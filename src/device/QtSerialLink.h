#pragma once

#include <QCoreApplication>

#include "CommPortDevice.h"
#include "SerialLink.h"

#include <QSerialPort>

#include <functional>
#include <string>
#include <utility>

namespace zg {

// SerialLink on QSerialPort. Bytes go out raw: no translation, no flow control of its own.
class QtSerialLink final : public SerialLink {
    Q_DECLARE_TR_FUNCTIONS(zg::QtSerialLink)

  public:
    // Maps port numbers to the devices present by the rule of the platform.
    QtSerialLink();
    // Maps port numbers with `resolver`, e.g. DeviceOverride for a device named on the command line.
    explicit QtSerialLink(PortResolver resolver);
    // Maps port numbers onto bare device paths, e.g. onto a pseudo-terminal.
    explicit QtSerialLink(DeviceResolver resolver);
    ~QtSerialLink() override;

    QtSerialLink(const QtSerialLink&) = delete;
    QtSerialLink& operator=(const QtSerialLink&) = delete;

    bool IsOpen() const override;
    bool Open(int port, std::string_view settings) override;
    bool Write(std::span<const std::uint8_t> bytes) override;
    bool WaitUntilSent() override;
    void Close() override;
    LinkError LastError() const override { return error_; }
    std::string DeviceLine() const override { return deviceLine_; }
    std::string DevicePath() const override { return entry_ ? entry_->location : std::string(); }
    std::optional<SerialPortEntry> Device() const override { return entry_; }
    std::optional<SerialPortEntry> Locate(int port) const override { return resolver_(port).device; }

    // Waits until the driver has put every byte handed to it on the wire (tcdrain); 0 or the
    // system's error number. Replaceable, so that a test can see that it runs after each write.
    // The port's handle: a file descriptor on POSIX systems, a HANDLE on Windows.
    using PortHandle = decltype(std::declval<const QSerialPort&>().handle());
    using DrainDriver = std::function<int(PortHandle handle)>;
    static int SystemDrain(PortHandle handle);
    void setDrainDriver(DrainDriver drain) { drain_ = std::move(drain); }

  private:
    bool openDevice(const std::string& device);
    bool applySettings(std::string_view settings);
    bool drainDriver();
    bool fail(LinkErrorKind kind, std::string reason);
    bool failFromPort();

    PortResolver resolver_;
    QSerialPort port_;
    std::string deviceLine_;
    std::optional<SerialPortEntry> entry_;
    DrainDriver drain_ = SystemDrain;
    LinkError error_;
};

} // namespace zg
