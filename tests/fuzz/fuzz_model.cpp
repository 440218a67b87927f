// Feeds arbitrary bytes to the model file's reader: whatever it takes is a model the program can
// show (each light fed by an output 1 to 4 at a place on the outline, no more lights than a model
// has), and it reads back the same from what the program writes of it.
#include "FuzzSupport.h"

#include "files/ModelFile.h"

#include <QByteArray>

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString why;
    const auto model = zg::ModelFromJson(bytes, &why);
    if (!model) {
        ZG_REQUIRE(!why.isEmpty());
        return 0;
    }
    ZG_REQUIRE(model->lights.size() <= zg::kMaxModelLights);
    for (const zg::ModelLight& light : model->lights) {
        ZG_REQUIRE(light.led >= 0 && light.led < zg::kLedCount);
        ZG_REQUIRE(std::isfinite(light.x) && light.x >= 0 && light.x <= 1);
        ZG_REQUIRE(std::isfinite(light.y) && light.y >= 0 && light.y <= 1);
        ZG_REQUIRE(light.name.find('\n') == std::string::npos);
    }
    ZG_REQUIRE(std::int64_t(model->picture.data.size()) <= zg::kMaxPictureBytes);
    ZG_REQUIRE(zg::ModelFromJson(zg::ModelToJson(*model)) == model);
    return 0;
}
