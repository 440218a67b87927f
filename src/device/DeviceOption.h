#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zg {

inline constexpr std::string_view kDeviceOption = "--device";

// The command line split into the serial device it names and the arguments left for the toolkit.
struct DeviceOption {
    std::optional<std::string> device; // the path given with --device
    std::vector<std::string> rest;     // every other argument in order, the program's name first
    std::string error;                 // why --device was not understood; empty when it was
};

// Reads "--device PATH" and "--device=PATH" from `args` (argv); a later one wins.
DeviceOption ParseDeviceOption(const std::vector<std::string>& args);

} // namespace zg
