#include "ConfigFile.h"

#include "DataFileReader.h"
#include "FieldText.h"
#include "WholeFile.h"

#include <QFile>

#include <charconv>
#include <fstream>

namespace zg {

namespace {
constexpr std::size_t kMaxConfigBytes = 256; // the port number is all the file holds
} // namespace

std::optional<std::int16_t> ParseConfigPort(std::string_view text) {
    const std::size_t end = text.find_first_of(",\r\n");
    const std::string_view field = TrimmedField(text.substr(0, end));
    std::int16_t port = 0;
    const auto [rest, error] = std::from_chars(field.data(), field.data() + field.size(), port);
    if (field.empty() || error != std::errc{} || rest != field.data() + field.size())
        return std::nullopt;
    return port;
}

AppConfig LoadConfig(const std::filesystem::path& path) {
    AppConfig config;
    std::ifstream in;
    // A pipe or a device named LED.cfg would keep the window from ever appearing.
    if (!NonRegularFileKind(path))
        in.open(path, std::ios::binary);
    if (in.is_open() && in) {
        std::string text(kMaxConfigBytes, '\0');
        in.read(text.data(), std::streamsize(text.size()));
        text.resize(std::size_t(in.gcount()));
        if (const auto port = ParseConfigPort(text))
            config.CommPort = *port;
    }
    return config;
}

std::optional<std::string> SaveConfig(const AppConfig& config, const std::filesystem::path& path) {
    const QByteArray line = QByteArray::number(config.CommPort) + "\r\n";
    if (const auto error = WriteWholeFile(QFile(path).fileName(), line))
        return error->toStdString();
    return std::nullopt;
}

} // namespace zg
