#include "CableChips.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <cstdio>

namespace zg {

namespace {

// The chips of the usual USB programming cables and USB-to-RS-232 adapters.
constexpr std::array kChips{
    CableChip{0x1a86, 0x7523, "CH340", "ch341", true},
    CableChip{0x1a86, 0x5523, "CH341", "ch341", true},
    CableChip{0x10c4, 0xea60, "CP210x", "cp210x", true},
    CableChip{0x10c4, 0xea70, "CP2105", "cp210x", true},
    CableChip{0x10c4, 0xea71, "CP2108", "cp210x", true},
    CableChip{0x0403, 0x6001, "FT232R", "ftdi_sio", false},
    CableChip{0x0403, 0x6010, "FT2232", "ftdi_sio", false},
    CableChip{0x0403, 0x6014, "FT232H", "ftdi_sio", false},
    CableChip{0x0403, 0x6015, "FT231X", "ftdi_sio", false},
    CableChip{0x067b, 0x2303, "PL2303", "pl2303", false},
    CableChip{0x067b, 0x23a3, "PL2303GC", "pl2303", false},
};

} // namespace

std::optional<CableChip> KnownCableChip(std::uint16_t vendorId, std::uint16_t productId) {
    for (const CableChip& chip : kChips)
        if (chip.vendorId == vendorId && chip.productId == productId)
            return chip;
    return std::nullopt;
}

std::string UsbId(std::uint16_t vendorId, std::uint16_t productId) {
    std::array<char, 10> text{};
    std::snprintf(text.data(), text.size(), "%04x:%04x", vendorId, productId);
    return text.data();
}

std::string AdapterName(const SerialPortEntry& entry) {
    const bool usb = entry.vendorId && entry.productId;
    if (usb)
        if (const auto chip = KnownCableChip(*entry.vendorId, *entry.productId))
            return QCoreApplication::translate("zg::CableChips", "%1 USB serial adapter")
                .arg(QString::fromLatin1(chip->name))
                .toStdString();
    const QString description = QString::fromStdString(entry.description);
    const QString maker = QString::fromStdString(entry.manufacturer);
    if (!description.isEmpty() && !maker.isEmpty() && !description.contains(maker, Qt::CaseInsensitive))
        return QCoreApplication::translate("zg::CableChips", "%1 (%2)").arg(description, maker).toStdString();
    if (!description.isEmpty() || !maker.isEmpty())
        return (description.isEmpty() ? maker : description).toStdString();
    if (entry.name.starts_with("ttyS") && !usb)
        return QCoreApplication::translate("zg::CableChips", "built-in serial port").toStdString();
    if (usb)
        return QCoreApplication::translate("zg::CableChips", "USB serial adapter %1")
            .arg(QString::fromStdString(UsbId(*entry.vendorId, *entry.productId)))
            .toStdString();
    return {};
}

} // namespace zg
