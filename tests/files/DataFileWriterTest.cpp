#include "DataFileTestSupport.h"

#include "files/DataFileWriter.h"

#include <csignal>
#include <numeric>
#include <sys/resource.h>

namespace zg {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class DataFileWriter : public test::TempFolder {};

TEST_F(DataFileWriter, FreshProgramAndASmallSequenceGiveTheirExactBytes) {
    const auto fresh = file("fresh.dat");
    WriteBytes(fresh, std::string(1000, 'x')); // an older, longer file is replaced
    std::vector<int> counts;
    ASSERT_EQ(WriteDataFile(fresh, MakeDataFileRecord(LedSequence{}, AppConfig{}),
                            [&](int count) { counts.push_back(count); }),
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
    ASSERT_EQ(WriteDataFile(example, MakeDataFileRecord(sequence, AppConfig{})), std::nullopt);
    const std::string bytes = ReadBytes(example);
    EXPECT_EQ(bytes.size(), 301u);
    EXPECT_EQ(bytes.substr(0, 21), "\x22\x31\x22\r\n\x22\x32\x22\r\n\x22\x39\x22\r\n\x22\x31\x35\x22\r\n");
    EXPECT_EQ(bytes, test::Joined(test::DataFileLines(test::ExampleEvents(), test::kExampleRest)));
}

TEST_F(DataFileWriter, FailureReturnsAReasonAndLeavesTheFolderAlone) {
    const auto blocker = file("plain-file");
    WriteBytes(blocker, "not a folder");
    const auto result = WriteDataFile(blocker / "seq.dat", MakeDataFileRecord(LedSequence{}, AppConfig{}));
    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(result->empty());
    EXPECT_EQ(ReadBytes(blocker), "not a folder");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(blocker.parent_path()), {}), 1);
}

// A write that breaks off half-way (here at the file-size limit, which binds even root) must not
// touch the file being replaced.
TEST_F(DataFileWriter, FailureHalfWayKeepsTheOldFileByteIdentical) {
    const auto path = file("keep.dat");
    const std::string old = "old contents\r\n";
    WriteBytes(path, old);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = WriteDataFile(path, MakeDataFileRecord(LedSequence{}, AppConfig{}));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(result->empty());
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()), {}), 1);
}

} // namespace
} // namespace zg
