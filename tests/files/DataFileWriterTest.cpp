#include "DataFileTestSupport.h"
#include "FileSizeLimit.h"
#include "OrdinaryUser.h"
#include "SystemCallFaults.h"

#include "files/DataFileWriter.h"

#include <cerrno>
#include <functional>
#include <numeric>

namespace zg {
namespace {

using test::ReadBytes;
using test::SavedAsOrdinaryUser;
using test::WriteBytes;

class DataFileWriter : public test::TempFolder {};

namespace fs = std::filesystem;

TEST_F(DataFileWriter, FreshProgramAndASmallSequenceGiveTheirExactBytes) {
    const auto fresh = file("fresh.dat");
    WriteBytes(fresh, std::string(1000, 'x')); // an older, longer file is replaced
    std::vector<int> counts;
    ASSERT_EQ(
        WriteDataFile(fresh, MakeDataFileRecord(LedSequence{}), [&](int count) { counts.push_back(count); }),
        std::nullopt);
    EXPECT_EQ(ReadBytes(fresh), test::FreshFileText());
    EXPECT_EQ(ReadBytes(fresh).size(), 302u);
    std::vector<int> oneToFifty(50);
    std::iota(oneToFifty.begin(), oneToFifty.end(), 1);
    EXPECT_EQ(counts, oneToFifty);

    LedSequence sequence;
    for (const auto& [channel, event] :
         {std::pair{0, 0}, {1, 1}, {0, 2}, {3, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3}})
        sequence.setCell(channel, event, 1);
    for (const auto& [slot, color] : {std::pair{0, 1}, {1, 2}, {2, 7}, {3, 4}})
        sequence.setLedColor(slot, color);
    sequence.setEndEvent(3);
    sequence.setServoMode(1, 1);
    const auto example = file("example.dat");
    ASSERT_EQ(WriteDataFile(example, MakeDataFileRecord(sequence)), std::nullopt);
    const std::string bytes = ReadBytes(example);
    EXPECT_EQ(bytes.size(), 301u);
    EXPECT_EQ(bytes.substr(0, 21), "\x22\x31\x22\r\n\x22\x32\x22\r\n\x22\x39\x22\r\n\x22\x31\x35\x22\r\n");
    EXPECT_EQ(bytes, test::Joined(test::DataFileLines(test::ExampleEvents(), test::kExampleRest)));
}

TEST_F(DataFileWriter, FailureReturnsAReasonAndLeavesTheFolderAlone) {
    const auto blocker = file("plain-file");
    WriteBytes(blocker, "not a folder");
    const auto result = WriteDataFile(blocker / "seq.dat", MakeDataFileRecord(LedSequence{}));
    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(result->empty());
    EXPECT_EQ(ReadBytes(blocker), "not a folder");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(blocker.parent_path()), {}), 1);
}

// The user agreed to replace the file: its own read-only bits give way, the folder's do not.
TEST_F(DataFileWriter, ReadOnlyFileIsReplacedKeepingItsModeButAReadOnlyFolderStillRefuses) {
    const fs::path folder = file("");
    const fs::path old = folder / "old.dat";
    const auto save = [&] { return !WriteDataFile(old, MakeDataFileRecord(LedSequence{})); };
    for (const bool folderWritable : {true, false}) {
        WriteBytes(old, "old");
        fs::permissions(old, fs::perms::owner_read | fs::perms::group_read);
        fs::permissions(folder, folderWritable ? fs::perms::owner_all
                                               : fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(SavedAsOrdinaryUser(folder, save), folderWritable);
        fs::permissions(folder, fs::perms::owner_all);
        EXPECT_EQ(ReadBytes(old), folderWritable ? test::FreshFileText() : "old");
        EXPECT_EQ(fs::status(old).permissions(), fs::perms::owner_read | fs::perms::group_read);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);
        fs::remove(old);
    }
}

// A read-only file is replaced only by content that is on the disk and carries the old file's
// permissions: a disk that fails either keeps the old file and its reason is said.
TEST_F(DataFileWriter, AReadOnlyFileIsReplacedOnlyOnceTheNewOneIsOnTheDiskWithItsPermissions) {
    const fs::path folder = file("");
    const fs::path old = folder / "old.dat";
    for (const auto call : {test::SystemCall::Fsync, test::SystemCall::Fchmod}) {
        WriteBytes(old, "old");
        fs::permissions(old, fs::perms::owner_read | fs::perms::group_read);
        const bool refusedWithReason = SavedAsOrdinaryUser(folder, [&] {
            test::FailNext(call, EIO);
            const auto error = WriteDataFile(old, MakeDataFileRecord(LedSequence{}));
            return error && error->find("Input/output error") != std::string::npos;
        });
        EXPECT_TRUE(refusedWithReason) << int(call);
        EXPECT_EQ(ReadBytes(old), "old");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);
        fs::remove(old);
    }
}

// A write that breaks off half-way (here at the file-size limit, which binds even root) must not
// touch the file being replaced.
TEST_F(DataFileWriter, FailureHalfWayKeepsTheOldFileByteIdentical) {
    const auto path = file("keep.dat");
    const std::string old = "old contents\r\n";
    WriteBytes(path, old);

    const auto result =
        test::WithRoomFor(100, [&] { return WriteDataFile(path, MakeDataFileRecord(LedSequence{})); });

    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(result->empty());
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()), {}), 1);
}

} // namespace
} // namespace zg
