#include "DataFileTestSupport.h"
#include "FileSizeLimit.h"

#include "files/WholeFile.h"

#include <QIODevice>

namespace zg {
namespace {

using test::ReadBytes;
using test::WithRoomFor;
using test::WriteBytes;

class WholeFile : public test::TempFolder {
  protected:
    std::size_t filesInFolder() const {
        return std::size_t(std::distance(std::filesystem::directory_iterator(file("x").parent_path()), {}));
    }
};

// A picture or an animation comes in pieces of any size: a piece that is refused, the last one
// too, leaves the old file whole, with nothing beside it, and says why.
TEST_F(WholeFile, AWriteTheDiskRefusesLeavesTheOldFileWholeAndIsNeverASuccess) {
    const auto path = file("out.png");
    const std::string old(38000, 'o');
    WriteBytes(path, old);
    const QString name = QString::fromStdString(path.string());
    const QByteArray bigger(52000, 'n');

    const auto inOne = WithRoomFor(51000, [&] { return WriteWholeFile(name, bigger); });
    ASSERT_TRUE(inOne.has_value());
    EXPECT_TRUE(inOne->contains("large")) << inOne->toStdString(); // the system's own reason

    // Small pieces, as an encoder writes them, whose last one goes past the room there is.
    const auto inPieces = WithRoomFor(51000, [&] {
        return WriteWholeFile(name, [&](QIODevice& device) {
            for (int at = 0; at < bigger.size(); at += 700)
                device.write(bigger.mid(at, 700));
            return true;
        });
    });
    EXPECT_TRUE(inPieces.has_value());
    EXPECT_TRUE(ReadBytes(path) == old) << "the old file was replaced";
    EXPECT_EQ(filesInFolder(), 1u);

    // With room enough the new content takes the old one's place.
    EXPECT_FALSE(WriteWholeFile(name, bigger));
    EXPECT_TRUE(ReadBytes(path) == bigger.toStdString());
}

TEST_F(WholeFile, AWriterThatGivesUpLeavesNothingAndSaysSo) {
    const auto path = file("new.cfg");
    const QString name = QString::fromStdString(path.string());
    const auto error = WriteWholeFile(name, [](QIODevice& device) {
        device.write("half");
        return false;
    });
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->isEmpty());
    EXPECT_EQ(filesInFolder(), 0u);
}

} // namespace
} // namespace zg
