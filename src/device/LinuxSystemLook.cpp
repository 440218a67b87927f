#include "LinuxSystemLook.h"

#include "PresentSerialPorts.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zg {

namespace fs = std::filesystem;

namespace {

// The pseudo-terminal whose master side `fd` of process `folder` is, from its "tty-index" line.
std::optional<unsigned> ptyIndexOf(const fs::path& folder, const fs::path& fd) {
    std::ifstream info(folder / "fdinfo" / fd.filename());
    std::string line;
    while (std::getline(info, line))
        if (line.starts_with("tty-index:"))
            return unsigned(std::strtoul(line.c_str() + 10, nullptr, 10));
    return std::nullopt;
}

constexpr unsigned kPtyMajorFirst = 136, kPtyMajorLast = 143; // Unix98 pty slaves
constexpr unsigned kPtmxMajor = 5, kPtmxMinor = 2;

std::string firstLineOf(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// Each numbered entry of /proc but this process's own.
template <typename Visit> void forEachOtherProcess(Visit visit) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const long pid = std::stol(name);
        if (pid == long(::getpid()))
            continue;
        visit(pid, entry.path());
    }
}

std::string processName(long pid) {
    return firstLineOf("/proc/" + std::to_string(pid) + "/comm");
}

bool processLives(long pid) {
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

// The pid a lock file holds: Qt and lockdev write it as text first, old UUCP programs as an int.
std::optional<long> pidInLockFile(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), {});
    if (content.empty())
        return std::nullopt;
    std::istringstream text(content);
    long pid = 0;
    if (text >> pid && pid > 0)
        return pid;
    if (content.size() == 4) {
        int binary = 0;
        std::copy(content.begin(), content.end(), reinterpret_cast<char*>(&binary));
        if (binary > 0)
            return binary;
    }
    return std::nullopt;
}

std::string groupName(gid_t gid) {
    const group* entry = ::getgrgid(gid);
    return entry ? entry->gr_name : std::string();
}

std::vector<std::string> groupNames(const std::vector<gid_t>& ids) {
    std::vector<std::string> names;
    for (const gid_t id : ids)
        if (const std::string name = groupName(id); !name.empty())
            names.push_back(name);
    return names;
}

// A USB device's interfaces ("1-1:1.0") hold its tty: ttyUSB0 directly, ttyACM0 under tty/.
bool hasTty(const fs::path& device) {
    std::error_code error;
    for (const fs::directory_entry& interface : fs::directory_iterator(device, error)) {
        if (interface.path().filename().string().find(':') == std::string::npos)
            continue;
        std::error_code inner;
        for (const fs::directory_entry& entry : fs::directory_iterator(interface.path(), inner)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with("ttyUSB") || name == "tty")
                return true;
        }
    }
    return false;
}

std::optional<std::uint16_t> hexIdIn(const fs::path& file) {
    const std::string text = firstLineOf(file);
    if (text.empty())
        return std::nullopt;
    try {
        return std::uint16_t(std::stoul(text, nullptr, 16));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

std::vector<std::string> LockFilesFor(const std::string& device) {
    // Qt and lockdev name the lock after the path less its /dev/, slashes made underscores; a
    // program may have opened the device by a link or by its real path.
    std::vector<std::string> names{device};
    std::error_code error;
    if (const fs::path real = fs::canonical(device, error); !error && real.string() != device)
        names.push_back(real.string());
    std::vector<std::string> files;
    for (std::string name : names) {
        if (name.starts_with("/dev/"))
            name.erase(0, 5);
        std::replace(name.begin(), name.end(), '/', '_');
        for (const char* folder : {"/var/lock", "/run/lock", "/etc/locks", "/var/spool/locks",
                                   "/var/spool/uucp", "/tmp", "/var/tmp", "/var/lock/lockdev"})
            files.push_back(std::string(folder) + "/LCK.." + name);
    }
    return files;
}

DeviceAccess LinuxSystemLook::access(const std::string& device) const {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0)
        return {};
    const passwd* owner = ::getpwuid(info.st_uid);
    return {true, ::access(device.c_str(), R_OK | W_OK) == 0, groupName(info.st_gid),
            owner ? owner->pw_name : std::string(), unsigned(info.st_mode & 07777)};
}

// A character device whose class in /sys is "tty"; pseudo-terminals have no entry there.
DeviceKind LinuxSystemLook::kind(const std::string& device) const {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0)
        return DeviceKind::Missing;
    if (!S_ISCHR(info.st_mode))
        return DeviceKind::NotSerial;
    if (major(info.st_rdev) >= kPtyMajorFirst && major(info.st_rdev) <= kPtyMajorLast)
        return DeviceKind::Serial;
    std::error_code error;
    const fs::path subsystem = fs::read_symlink("/sys/dev/char/" + std::to_string(major(info.st_rdev)) + ":" +
                                                    std::to_string(minor(info.st_rdev)) + "/subsystem",
                                                error);
    return error || subsystem.filename() == "tty" ? DeviceKind::Serial : DeviceKind::NotSerial;
}

std::vector<std::string> LinuxSystemLook::sessionGroups() const {
    std::vector<gid_t> ids(std::size_t(std::max(0, ::getgroups(0, nullptr))));
    ids.resize(std::size_t(std::max(0, ::getgroups(int(ids.size()), ids.data()))));
    ids.push_back(::getegid());
    return groupNames(ids);
}

std::vector<std::string> LinuxSystemLook::accountGroups() const {
    const passwd* user = ::getpwuid(::getuid());
    if (!user)
        return {};
    int count = 64;
    std::vector<gid_t> ids(static_cast<std::size_t>(count));
    if (::getgrouplist(user->pw_name, user->pw_gid, ids.data(), &count) < 0) {
        ids.resize(std::size_t(count));
        ::getgrouplist(user->pw_name, user->pw_gid, ids.data(), &count);
    }
    ids.resize(std::size_t(std::max(0, count)));
    return groupNames(ids);
}

std::optional<ProcessInfo> LinuxSystemLook::lockHolder(const std::string& device) const {
    for (const std::string& file : LockFilesFor(device)) {
        const auto pid = pidInLockFile(file);
        if (pid && *pid != long(::getpid()) && processLives(*pid))
            return ProcessInfo{*pid, processName(*pid)};
    }
    return std::nullopt;
}

// By the device itself, not its name: a program may have opened it by a link (/dev/serial/by-id/...)
// or by its real path, and the link we were given may be another. The program at the other end of a
// pseudo-terminal (socat, a test's far end) holds it as its cable, not as a rival.
std::vector<ProcessInfo> LinuxSystemLook::processesUsing(const std::string& device) const {
    struct stat target {};
    if (::stat(device.c_str(), &target) != 0 || !S_ISCHR(target.st_mode))
        return {};
    const bool pty = major(target.st_rdev) >= kPtyMajorFirst && major(target.st_rdev) <= kPtyMajorLast;
    std::vector<ProcessInfo> users;
    forEachOtherProcess([&](long pid, const fs::path& folder) {
        bool holds = false, otherEnd = false;
        std::error_code denied;
        for (const fs::directory_entry& fd : fs::directory_iterator(folder / "fd", denied)) {
            struct stat opened {};
            if (::stat(fd.path().c_str(), &opened) != 0 || !S_ISCHR(opened.st_mode))
                continue;
            holds = holds || opened.st_rdev == target.st_rdev;
            if (pty && major(opened.st_rdev) == kPtmxMajor && minor(opened.st_rdev) == kPtmxMinor)
                otherEnd =
                    otherEnd || ptyIndexOf(folder, fd.path()) ==
                                    minor(target.st_rdev) + 256 * (major(target.st_rdev) - kPtyMajorFirst);
        }
        if (holds && !otherEnd)
            users.push_back({pid, processName(pid)});
    });
    return users;
}

bool LinuxSystemLook::serviceRunning(const std::string& name) const {
    bool running = false;
    forEachOtherProcess([&](long pid, const fs::path&) { running = running || processName(pid) == name; });
    return running;
}

// Debian's package database first; elsewhere the program on the usual paths.
bool LinuxSystemLook::packageInstalled(const std::string& name) const {
    std::ifstream status("/var/lib/dpkg/status");
    std::string line;
    bool inPackage = false;
    while (std::getline(status, line)) {
        if (line.starts_with("Package: "))
            inPackage = line.substr(9) == name;
        else if (inPackage && line.starts_with("Status: "))
            return line.ends_with(" installed");
    }
    std::error_code error;
    return !status.is_open() &&
           (fs::exists("/usr/bin/" + name, error) || fs::exists("/usr/sbin/" + name, error));
}

// udev keeps each device's properties in /run/udev/data/c<major>:<minor>, as "E:KEY=value" lines.
bool LinuxSystemLook::modemManagerIgnores(const std::string& device) const {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0 || !S_ISCHR(info.st_mode))
        return false;
    std::ifstream data("/run/udev/data/c" + std::to_string(major(info.st_rdev)) + ":" +
                       std::to_string(minor(info.st_rdev)));
    std::string line;
    while (std::getline(data, line))
        if (line == "E:ID_MM_DEVICE_IGNORE=1")
            return true;
    return false;
}

std::vector<UsbSerialDevice> LinuxSystemLook::usbDevices() const {
    std::vector<UsbSerialDevice> devices;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("/sys/bus/usb/devices", error)) {
        const auto vendor = hexIdIn(entry.path() / "idVendor");
        const auto product = hexIdIn(entry.path() / "idProduct");
        if (vendor && product)
            devices.push_back({*vendor, *product, hasTty(entry.path())});
    }
    return devices;
}

std::vector<SerialPortEntry> LinuxSystemLook::serialPorts() const {
    return PresentSerialPorts();
}

} // namespace zg
