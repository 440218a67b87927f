#include "QtSerialLink.h"

#include "LineSettings.h"
#include "PortTooltip.h"

#ifdef Q_OS_WIN
#include <system_error>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>
#endif

namespace zg {

namespace {

// Long enough for any burst the download queues at 2400 bit/s; only a stuck driver exceeds it.
constexpr int kWriteTimeoutMs = 5000;

// The module sends nothing back, so the port is opened for writing only where the system allows
// it. Windows' serial drivers (and Wine's) answer the settings' requests only on a handle that
// may read as well.
#ifdef Q_OS_WIN
constexpr QIODevice::OpenMode kOpenMode = QIODevice::ReadWrite;
#else
constexpr QIODevice::OpenMode kOpenMode = QIODevice::WriteOnly;
#endif

QSerialPort::Parity toQt(Parity parity) {
    switch (parity) {
    case Parity::Even:
        return QSerialPort::EvenParity;
    case Parity::Odd:
        return QSerialPort::OddParity;
    case Parity::Mark:
        return QSerialPort::MarkParity;
    case Parity::Space:
        return QSerialPort::SpaceParity;
    case Parity::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits toQt(StopBits stopBits) {
    switch (stopBits) {
    case StopBits::OneAndHalf:
        return QSerialPort::OneAndHalfStop;
    case StopBits::Two:
        return QSerialPort::TwoStop;
    case StopBits::One:
        break;
    }
    return QSerialPort::OneStop;
}

// Qt reports a device locked by another program as a permission error. Telling the two apart
// matters, since only a real lack of permission is cured by joining the dialout group.
bool userMayOpen([[maybe_unused]] const std::string& device) {
#ifdef Q_OS_WIN
    return true;
#else
    return ::access(device.c_str(), R_OK | W_OK) == 0;
#endif
}

// A device that opens but has no serial line behind it (a plain file, /dev/null) fails with the
// system's "Inappropriate ioctl for device"; the user is better told what it is.
bool isSerialDevice([[maybe_unused]] const std::string& device) {
#ifdef Q_OS_WIN
    return true;
#else
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0)
        return true; // missing: the port's own error says so
    if (!S_ISCHR(info.st_mode))
        return false;
    const int fd = ::open(device.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return true; // in use or forbidden: the port's own error says which
    const bool serial = ::isatty(fd) == 1;
    ::close(fd);
    return serial;
#endif
}

LinkErrorKind kindOf(QSerialPort::SerialPortError error, const std::string& device) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return LinkErrorKind::NotFound;
    case QSerialPort::PermissionError:
        return userMayOpen(device) ? LinkErrorKind::InUse : LinkErrorKind::PermissionDenied;
    case QSerialPort::UnsupportedOperationError:
        return LinkErrorKind::Settings;
    case QSerialPort::NotOpenError:
        return LinkErrorKind::NotOpen;
    default:
        return LinkErrorKind::Io;
    }
}

} // namespace

QtSerialLink::QtSerialLink() : QtSerialLink(PortResolver(SystemPortLookup)) {}

QtSerialLink::QtSerialLink(PortResolver resolver) : resolver_(std::move(resolver)) {}

QtSerialLink::QtSerialLink(DeviceResolver resolver)
    : QtSerialLink([resolver = std::move(resolver)](int port) {
          const auto device = resolver(port);
          return device ? PortLookup{SerialPortEntry{.name = *device, .location = *device}, 1} : PortLookup{};
      }) {}

QtSerialLink::~QtSerialLink() {
    Close();
}

bool QtSerialLink::IsOpen() const {
    return port_.isOpen();
}

bool QtSerialLink::Open(int port, std::string_view settings) {
    Close();
    error_ = {};
    const PortLookup lookup = resolver_(port);
    entry_ = lookup.device;
    deviceLine_ = lookup.device ? PortTooltip(port, lookup) : std::string();
    // A Windows COM number the system does not list is no port on this computer now.
    if (!lookup.device || !lookup.deviceListed) {
        fail(LinkErrorKind::NoDevice, NothingPluggedInText(lookup.devicesFound));
        error_.devicesFound = lookup.devicesFound;
        return false;
    }
    if (!LineSettings::Parse(settings))
        return fail(LinkErrorKind::Settings,
                    tr("Line settings \"%1\" not understood.")
                        .arg(QString::fromLatin1(settings.data(), qsizetype(settings.size())))
                        .toStdString());
    return openDevice(DevicePath()) && applySettings(settings);
}

bool QtSerialLink::openDevice(const std::string& device) {
    port_.setPortName(QString::fromStdString(device));
    port_.clearError();
    if (port_.open(kOpenMode))
        return true;
    if (!isSerialDevice(device))
        return fail(LinkErrorKind::NotSerial,
                    tr("%1 is not a serial device.").arg(QString::fromStdString(device)).toStdString());
    return failFromPort();
}

bool QtSerialLink::applySettings(std::string_view settings) {
    const LineSettings line = *LineSettings::Parse(settings);
    const bool applied = port_.setBaudRate(line.baudRate) &&
                         port_.setDataBits(static_cast<QSerialPort::DataBits>(line.dataBits)) &&
                         port_.setParity(toQt(line.parity)) && port_.setStopBits(toQt(line.stopBits));
    if (applied)
        return true;
    const std::string reason = port_.errorString().toStdString();
    port_.close();
    return fail(LinkErrorKind::Settings, reason);
}

bool QtSerialLink::Write(std::span<const std::uint8_t> bytes) {
    if (!port_.isOpen())
        return fail(LinkErrorKind::NotOpen, tr("The serial port is not open.").toStdString());
    const auto size = static_cast<qint64>(bytes.size());
    if (port_.write(reinterpret_cast<const char*>(bytes.data()), size) != size)
        return failFromPort();
    // QSerialPort keeps written bytes until its event loop turns; hand them to the driver now.
    port_.flush();
    return port_.error() == QSerialPort::NoError || failFromPort();
}

bool QtSerialLink::WaitUntilSent() {
    if (!port_.isOpen())
        return fail(LinkErrorKind::NotOpen, tr("The serial port is not open.").toStdString());
    while (port_.bytesToWrite() > 0)
        if (!port_.waitForBytesWritten(kWriteTimeoutMs))
            return failFromPort();
    return drainDriver() && (port_.error() == QSerialPort::NoError || failFromPort());
}

int QtSerialLink::SystemDrain(PortHandle handle) {
#ifdef Q_OS_WIN
    return ::FlushFileBuffers(handle) ? 0 : int(::GetLastError());
#else
    int result = 0;
    do
        result = ::tcdrain(handle);
    while (result != 0 && errno == EINTR);
    return result == 0 ? 0 : errno;
#endif
}

bool QtSerialLink::drainDriver() {
    const int error = drain_(port_.handle());
    return error == 0 || fail(LinkErrorKind::Io, std::system_category().message(error));
}

void QtSerialLink::Close() {
    if (!port_.isOpen())
        return;
    if (port_.error() == QSerialPort::NoError)
        WaitUntilSent();
    port_.close();
}

bool QtSerialLink::fail(LinkErrorKind kind, std::string reason) {
    error_ = LinkError{kind, DevicePath(), std::move(reason)};
    return false;
}

bool QtSerialLink::failFromPort() {
    return fail(kindOf(port_.error(), DevicePath()), port_.errorString().toStdString());
}

} // namespace zg
