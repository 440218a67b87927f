#include "GifEncoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace zg {

namespace {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

// The smallest rectangle in which `now` differs from `before`; the whole picture when there is no
// picture before, and one pixel when nothing changed (a frame must hold at least that).
Rect changedRect(const IndexedAnimation& a, const std::vector<std::uint8_t>* before,
                 const std::vector<std::uint8_t>& now) {
    if (!before)
        return {0, 0, a.width, a.height};
    int left = a.width, right = -1, top = a.height, bottom = -1;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if ((*before)[std::size_t(y * a.width + x)] != now[std::size_t(y * a.width + x)]) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    if (right < 0)
        return {0, 0, 1, 1};
    return {left, top, right - left + 1, bottom - top + 1};
}

// Colour tables hold a power of two of entries, at least two.
int tableSize(std::size_t colours) {
    int size = 2;
    while (std::size_t(size) < colours)
        size *= 2;
    return size;
}

struct GifCloser {
    void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

bool putLoopForEver(GifFileType* gif) {
    static const char application[] = "NETSCAPE2.0";
    std::array<GifByteType, 3> loop{1, 0, 0}; // sub-block 1, loop count 0: for ever
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, application) == GIF_OK &&
           EGifPutExtensionBlock(gif, int(loop.size()), loop.data()) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool putFrame(GifFileType* gif, const IndexedAnimation& a, const IndexedAnimation::Frame& frame, Rect r) {
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, frame.delayCs, NO_TRANSPARENT_COLOR};
    std::array<GifByteType, 4> extension{};
    EGifGCBToExtension(&control, extension.data());
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(extension.size()), extension.data()) != GIF_OK ||
        EGifPutImageDesc(gif, r.left, r.top, r.width, r.height, false, nullptr) != GIF_OK)
        return false;
    std::vector<GifPixelType> line(std::size_t(r.width));
    for (int y = r.top; y < r.top + r.height; ++y) {
        std::memcpy(line.data(), frame.pixels.data() + y * a.width + r.left, line.size());
        if (EGifPutLine(gif, line.data(), r.width) != GIF_OK)
            return false;
    }
    return true;
}

// giflib hands the encoded bytes here; the buffer is its user data.
int writeBytes(GifFileType* gif, const GifByteType* bytes, int count) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(bytes), std::size_t(count));
    return count;
}

} // namespace

std::optional<std::string> EncodeGif(const IndexedAnimation& a, std::string& out) {
    out.clear();
    if (a.frames.empty() || a.palette.empty() || a.palette.size() > 256)
        return "nothing to write";
    int error = 0;
    GifFile gif(EGifOpen(&out, writeBytes, &error));
    if (!gif)
        return GifErrorString(error);
    const int size = tableSize(a.palette.size());
    std::vector<GifColorType> colours(std::size_t(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < a.palette.size(); ++i)
        colours[i] = {GifByteType(a.palette[i] >> 16), GifByteType(a.palette[i] >> 8),
                      GifByteType(a.palette[i])};
    ColorMapObject* map = GifMakeMapObject(size, colours.data());
    EGifSetGifVersion(gif.get(), true);
    bool ok = EGifPutScreenDesc(gif.get(), a.width, a.height, 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);
    ok = ok && putLoopForEver(gif.get());
    const std::vector<std::uint8_t>* before = nullptr;
    for (const auto& frame : a.frames) {
        ok = ok && putFrame(gif.get(), a, frame, changedRect(a, before, frame.pixels));
        before = &frame.pixels;
    }
    const int lastError = gif->Error;
    if (EGifCloseFile(gif.release(), &error) != GIF_OK || !ok)
        return GifErrorString(ok ? error : lastError);
    return std::nullopt;
}

} // namespace zg
