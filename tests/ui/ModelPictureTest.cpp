#include "export/ModelPicture.h"
#include "NamedPipe.h"
#include "export/PictureFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zg;

namespace {

// A JPEG as a camera writes it: an EXIF block that says the picture is to be turned a quarter
// clockwise (orientation 6) before it is seen.
QByteArray withOrientation6(const QByteArray& jpeg) {
    const QByteArray exif("\xFF\xE1\x00\x22"
                          "Exif\x00\x00"
                          "MM\x00\x2A\x00\x00\x00\x08"
                          "\x00\x01"
                          "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00"
                          "\x00\x00\x00\x00",
                          36);
    return jpeg.left(2) + exif + jpeg.mid(2);
}

// Left half red, right half blue.
QImage halves(QSize size) {
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), Qt::red);
    return image;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool reddish(const QColor& c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

} // namespace

// A phone's photo, 8000 x 6000 (more than Qt reads whole) and taken upright: it is read scaled
// down, turned as the camera noted, and drawn in its own colours, not in the outline's ink.
TEST(ModelPicture, APhonesPhotoIsReadScaledUprightAndInItsColours) {
    QTemporaryDir dir;
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(QImageWriter(&buffer, "jpeg").write(halves({8000, 6000})));
    }
    writeFile(dir.filePath("photo.jpg"), withOrientation6(jpeg));
    const PictureRead read = ReadPictureFile(dir.filePath("photo.jpg"));
    ASSERT_TRUE(read.picture) << read.why.toStdString();
    EXPECT_EQ(read.picture->format, "jpeg");
    const QImage kept = QImage::fromData(QByteArray::fromStdString(read.picture->data));
    EXPECT_EQ(kept.size(), QSize(kPictureSide * 3 / 4, kPictureSide));          // portrait, as it was taken
    EXPECT_TRUE(reddish(kept.pixelColor(kept.width() / 2, kept.height() / 8))); // the left side is up

    ModelLayout model = DefaultModel(Outline::Picture);
    model.picture = *read.picture;
    const ModelOutline outline(model, kModelInk);
    EXPECT_TRUE(outline.pictureProblem().isEmpty());
    const QRectF place = outline.placeIn(QRectF(0, 0, 300, 300));
    EXPECT_LT(place.width(), place.height());
    const QImage drawn = outline.render(place.size().toSize(), 1);
    EXPECT_TRUE(reddish(drawn.pixelColor(drawn.width() / 2, drawn.height() / 8)));
    EXPECT_GT(drawn.pixelColor(drawn.width() / 2, drawn.height() * 7 / 8).blue(), 200);
}

// What cannot be a picture is said, at once: a FIFO is never opened, a drawing without a height
// never puts a place that is no number into a model.
TEST(ModelPicture, WhatIsNoPictureIsSaidAndTheModelNamesItsMissingPicture) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.png");
    ASSERT_TRUE(test::MakeFifo(fifo));
    EXPECT_EQ(ReadPictureFile(fifo).why, "it is not a file");
    EXPECT_EQ(ReadPictureFile(dir.filePath("gone.png")).why, "it does not exist");
    writeFile(dir.filePath("flat.svg"), R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 0"/>)");
    EXPECT_FALSE(ReadPictureFile(dir.filePath("flat.svg")).picture);
    writeFile(dir.filePath("own.svg"), R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 10 20">)"
                                       R"(<rect width="10" height="20" fill="#ff0000"/></svg>)");
    const PictureRead svg = ReadPictureFile(dir.filePath("own.svg"));
    ASSERT_TRUE(svg.picture);
    ModelLayout drawing = DefaultModel(Outline::Picture);
    drawing.picture = *svg.picture;
    const QImage ownColours = ModelOutline(drawing, kModelInk).render({10, 20}, 1);
    EXPECT_TRUE(reddish(ownColours.pixelColor(5, 10)));

    // A drawing that draws in another file, here a FIFO: refused when chosen and when a shared
    // model carries it, at once.
    const QByteArray drawsFifo =
        R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink")"
        R"( viewBox="0 0 10 10"><image width="10" height="10" xlink:href=")" +
        QFile::encodeName(fifo) + R"("/></svg>)";
    writeFile(dir.filePath("fifo.svg"), drawsFifo);
    EXPECT_TRUE(ReadPictureFile(dir.filePath("fifo.svg")).why.contains(fifo));
    ModelLayout shared = DefaultModel(Outline::Picture);
    shared.picture = {"fifo.svg", "svg", drawsFifo.toStdString()};
    EXPECT_TRUE(ModelOutline(shared, kModelInk).pictureProblem().contains(fifo));

    ModelLayout gone = DefaultModel(Outline::Picture);
    gone.picture.source = dir.filePath("moved away.jpg").toStdString();
    EXPECT_EQ(ModelOutline(gone, kModelInk).pictureProblem(), "it does not exist");
}

// Every model is seen on the same dusk in its animation, a photo too.
TEST(ModelPicture, TheAnimationsGroundIsTheSameForEveryOutline) {
    QTemporaryDir dir;
    LedSequence pattern;
    pattern.setCell(0, 0, 1);
    std::vector<ModelLayout> models;
    for (Outline outline : kShippedOutlines)
        models.push_back(DefaultModel(outline));
    QImage photo(400, 200, QImage::Format_RGB32);
    photo.fill(QColor(40, 44, 39)); // close to the ground: a palette of its own would merge them
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "png");
    models.push_back(DefaultModel(Outline::Picture));
    models.back().picture = {"photo.png", "png", png.toStdString()};
    for (const ModelLayout& model : models) {
        const QString gif = dir.filePath("model.gif");
        ASSERT_FALSE(WriteModelAnimation(pattern, 4, model, ModelOutline(model, kModelInk), gif));
        const QImage frame = QImageReader(gif).read();
        EXPECT_EQ(frame.pixelColor(0, 0).rgb(), kModelGround.rgb()) << OutlineKey(model.outline);
    }
}
