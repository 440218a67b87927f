#include "PatternPictures.h"

#include "export/FormColors.h"
#include "export/GridPainter.h"
#include "export/TimingText.h"
#include "files/WholeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QPainter>

namespace zg {

namespace {

constexpr int kDiameter = 48;
constexpr int kGap = 16;
const QColor kBackground(212, 208, 200);
const QColor kLabelBackground(144, 144, 144);

// The picture's own palette, the same on every system and theme, so that exports look alike.
QPalette exportPalette() {
    QPalette palette(kBackground);
    palette.setColor(QPalette::Window, kBackground);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Button, QColor(224, 224, 224));
    palette.setColor(QPalette::ButtonText, Qt::black);
    return palette;
}

// Drawn without smoothing, so that a frame holds only the background, black and the LEDs' colours.
QImage drawLights(const LedSequence& sequence, const std::array<bool, kLedCount>& lit) {
    QImage image(kAnimationSize, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 2));
    for (LedChannel led = 0; led < kLedCount; ++led) {
        painter.setBrush(lit[std::size_t(led)] ? ColorOf(LedColorTable[sequence.ledColor(led)].value)
                                               : QColor(Qt::black));
        painter.drawEllipse(AnimationLightCentre(led), kDiameter / 2 - 1, kDiameter / 2 - 1);
    }
    return image;
}

} // namespace

QPoint AnimationLightCentre(LedChannel led) {
    return {kGap + kDiameter / 2 + led * (kDiameter + kGap), kAnimationSize.height() / 2};
}

IndexedAnimation DrawAnimation(const LedSequence& sequence, const ModuleAnimation& animation) {
    IndexedAnimation indexed{kAnimationSize.width(), kAnimationSize.height(), {}, {}};
    QHash<QRgb, std::uint8_t> index;
    for (const AnimationFrame& frame : animation.frames) {
        const QImage image = drawLights(sequence, frame.lit);
        IndexedAnimation::Frame pixels{{}, frame.delayCs};
        pixels.pixels.reserve(std::size_t(image.width() * image.height()));
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb colour = line[x] & 0xFFFFFF;
                if (!index.contains(colour)) {
                    index.insert(colour, std::uint8_t(indexed.palette.size()));
                    indexed.palette.push_back(colour);
                }
                pixels.pixels.push_back(index.value(colour));
            }
        }
        indexed.frames.push_back(std::move(pixels));
    }
    return indexed;
}

std::optional<QString> WriteAnimation(const LedSequence& sequence, int servoZoneMask, const QString& path) {
    std::string bytes;
    if (const auto error = EncodeGif(DrawAnimation(sequence, AnimateModule(sequence, servoZoneMask)), bytes))
        return QCoreApplication::translate("zg::PatternPictures", "The animation could not be encoded: %1")
            .arg(QString::fromStdString(*error));
    return WriteWholeFile(path, QByteArray::fromStdString(bytes));
}

namespace {
// The line under the grid, in the readout's words: at a delay of 0 there is no cycle time to give.
QString cycleCaption(const LedSequence& sequence) {
    const int events = sequence.endEvent() + 1;
    const int delay = sequence.sequencerDelay();
    if (delay < 1)
        return QCoreApplication::translate("zg::PatternPictures",
                                           "Sequencer Delay 0 ms: %1 events, played at the module's fastest")
            .arg(events);
    return QCoreApplication::translate("zg::PatternPictures",
                                       "Sequencer Delay %1 ms: %2 events, a cycle of %3")
        .arg(delay)
        .arg(events)
        .arg(DurationText(events * delay));
}
} // namespace

QImage DrawPatternPicture(const LedSequence& sequence, qreal scale) {
    const QFont font(QStringLiteral("Liberation Sans"), 8);
    const QPoint grid(80, 4);
    constexpr int kCaptionLine = 14;
    const QSize size(612, 156 + kLedCount * kCaptionLine);
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    for (LedChannel led = 0; led < kLedCount; ++led) {
        const int top = grid.y() + 8 + 24 * led;
        const QRect label(8, top - 2, 65, 17);
        painter.fillRect(label, kLabelBackground);
        painter.setPen(ColorOf(LedColorTable[sequence.ledColor(led)].value));
        painter.drawText(label, Qt::AlignCenter, QStringLiteral("LED#%1").arg(led + 1));
        const ServoControlMode mode = sequence.servoMode(led);
        painter.setPen(Qt::black);
        painter.drawText(QRect(grid.x() + GridGeometry::kWidth + 8, top - 2, 110, 17), Qt::AlignVCenter,
                         mode >= 0 ? QString::fromLatin1(ServoModeTable[std::size_t(mode)].data())
                                   : QCoreApplication::translate("zg::PatternPictures", "(typed)"));
    }
    painter.translate(grid);
    GridPainter(font).paint(painter, QRect(QPoint(), QSize(GridGeometry::kWidth, GridGeometry::kHeight)),
                            exportPalette(), kBackground,
                            {sequence, std::nullopt, std::nullopt, std::nullopt});
    painter.resetTransform();
    int top = grid.y() + GridGeometry::kHeight + 2;
    painter.drawText(QRect(8, top, size.width() - 16, 17), Qt::AlignLeft, cycleCaption(sequence));
    // What each LED does, in the words of the window's readout.
    top += 17;
    for (LedChannel led = 0; led < kLedCount; ++led, top += kCaptionLine)
        painter.drawText(QRect(8, top, size.width() - 16, kCaptionLine), Qt::AlignLeft | Qt::AlignVCenter,
                         RowReadout(led, TimeRow(sequence, led)));
    return image;
}

std::optional<QString> WritePatternPicture(const LedSequence& sequence, const QString& path) {
    const QImage picture = DrawPatternPicture(sequence);
    // Encoded whole before anything is written, so that a failure says which of the two it was.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return QCoreApplication::translate("zg::PatternPictures", "The picture could not be encoded.");
    return WriteWholeFile(path, png);
}

} // namespace zg
