#include "DataFileTestSupport.h"

#include "files/DataFileReader.h"

#include <random>

namespace zg {
namespace {

using namespace std::string_literals;
using test::Joined;

std::vector<std::string> ExampleLines() {
    return test::DataFileLines(test::ExampleEvents(), test::kExampleRest);
}

std::vector<int> ExampleValues() {
    std::vector<int> values = test::ExampleEvents();
    values.insert(values.end(), test::kExampleRest.begin(), test::kExampleRest.end());
    return values;
}

std::vector<int> Values(const DataFileRecord& record) {
    return {record.Values.begin(), record.Values.end()};
}

class DataFileReader : public test::TempFolder {
  protected:
    DataFileReadResult read(const std::string& bytes) {
        const auto path = file("in.dat");
        test::WriteBytes(path, bytes);
        return ReadDataFile(path);
    }
};

TEST_F(DataFileReader, LayoutVariantsReadLikeTheWrittenForm) {
    auto bare = ExampleLines();
    for (int i = 0; i < 50; ++i)
        bare[i] = bare[i].substr(1, bare[i].size() - 2);
    auto blanks = ExampleLines();
    blanks[2] = "  \" 9 \"\t";
    blanks[63] = "\t30 ";
    blanks[64] = "\"20\""; // a quoted number where a bare one belongs is still that number
    auto commas = ExampleLines();
    commas[59] = "15,1";
    commas.erase(commas.begin() + 60);
    const std::string crlf = Joined(ExampleLines());
    const std::vector<std::pair<std::string, std::string>> variants{
        {"bare event numbers", Joined(bare)},
        {"LF", Joined(ExampleLines(), "\n")},
        {"CR", Joined(ExampleLines(), "\r")},
        {"no final line end", crlf.substr(0, crlf.size() - 2)},
        {"blanks", Joined(blanks)},
        {"two fields on a line", Joined(commas)},
        {"anything after line 65", crlf + "\"3\"\r\n\0\xff garbage"s},
        {"leading zeros", "\"001\"" + crlf.substr(3)},
    };
    for (const auto& [name, text] : variants) {
        SCOPED_TRACE(name);
        const auto result = read(text);
        ASSERT_TRUE(result.Opened);
        EXPECT_TRUE(UnreadableLines(result.Record).empty());
        EXPECT_EQ(Values(result.Record), ExampleValues());
    }
}

TEST_F(DataFileReader, CrLfSplitAcrossChunksIsOneLineEnd) {
    auto lines = ExampleLines();
    lines.insert(lines.begin(), std::string(65535, 'x')); // its CR is the last byte of the first chunk
    const auto result = read(Joined(lines));
    EXPECT_EQ(UnreadableLines(result.Record), std::vector<int>{1});
    EXPECT_EQ(result.Record.eventValue(1), 1);
    EXPECT_EQ(result.Record.sequencerDelay(), 15);
}

TEST_F(DataFileReader, DamagedFieldsAreFlaggedAndTheRestStillRead) {
    auto lines = ExampleLines();
    const std::string zeros(62, '0');
    const std::vector<std::pair<int, std::string>> damage{
        {3, "16"},          {4, "-1"},     {5, "\"1,2\""}, {6, ""},        {7, "0" + zeros + "13"},
        {8, "\"5"},         {9, "\"5\"x"}, {10, "+5"},     {11, "5.0"},    {12, "1\0"s},
        {13, zeros + "13"}, {51, "8"},     {52, "-1"},     {55, "-32768"}, {56, "32768"},
        {57, "abc"},        {59, "50"},    {60, "-2"},     {61, "-1"},     {62, "16"},
        {64, "101"},        {65, "-1"},
    };
    for (const auto& [line, text] : damage)
        lines[line - 1] = text;
    const auto result = read(Joined(lines));
    ASSERT_TRUE(result.Opened);
    EXPECT_EQ(UnreadableLines(result.Record),
              (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 51, 52, 56, 57, 59, 60, 62, 64, 65}));
    EXPECT_EQ(result.Record.eventValue(12), 13); // exactly kMaxFieldBytes long
    EXPECT_EQ(result.Record.ledColor(4), -32768);
    EXPECT_EQ(result.Record.servoMode(1), -1);
    EXPECT_EQ(result.Record.servoMode(3), 15);
}

// A file is taken when any of its 50 event lines can be read: the first, the last, none beyond.
TEST_F(DataFileReader, OneReadableEventLineAnywhereInTheFirstFiftyMakesADataFile) {
    for (const int line : {1, 50, 51}) {
        std::string text;
        for (int n = 1; n <= 65; ++n)
            text += (n == line ? "\"3\"" : "x") + "\r\n"s;
        EXPECT_EQ(HasReadableEventLine(read(text).Record), line <= 50) << line;
    }
}

TEST_F(DataFileReader, MissingFolderAndEmptyFiles) {
    const auto missing = ReadDataFile(file("missing.dat"));
    EXPECT_FALSE(missing.Opened);
    EXPECT_FALSE(missing.Reason.empty());
    EXPECT_EQ(UnreadableLines(missing.Record).size(), 65u);
    EXPECT_FALSE(ReadDataFile(file("")).Opened); // the temporary folder itself

    const auto empty = read("");
    EXPECT_TRUE(empty.Opened);
    EXPECT_EQ(UnreadableLines(empty.Record).size(), 65u);
}

TEST_F(DataFileReader, GarbageNeverYieldsAValueOutsideItsField) {
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(4096, '\0');
        for (auto& byte : bytes) // mostly bytes that make fields look almost right
            byte = "0123456789-\",\r\n \x01\xff"[random() % 18];
        const auto result = read(bytes);
        for (int field = 0; field < kDataFileFields; ++field) {
            const bool allowed = DataFieldRange(field).contains(result.Record.Values[field]);
            EXPECT_TRUE(allowed || !result.Record.Readable[field]) << "field " << field;
        }
    }
    EXPECT_EQ(UnreadableLines(read(std::string(1000, '\0')).Record).size(), 65u);
}

TEST_F(DataFileReader, HugeFilesAreReadOnlyAsFarAsNeeded) {
    const auto zeros = file("zeros.dat");
    test::WriteBytes(zeros, "");
    std::filesystem::resize_file(zeros, 100u << 20); // 100 MB without a line end
    EXPECT_EQ(UnreadableLines(ReadDataFile(zeros).Record).size(), 65u);

    const auto padded = file("padded.dat");
    test::WriteBytes(padded, Joined(ExampleLines()));
    std::filesystem::resize_file(padded, 100u << 20);
    EXPECT_EQ(Values(ReadDataFile(padded).Record), ExampleValues());
    EXPECT_TRUE(UnreadableLines(ReadDataFile(padded).Record).empty());
}

TEST_F(DataFileReader, TextReadsLikeAFileUpToTheReadLimit) {
    auto lines = ExampleLines();
    lines.pop_back(); // line 65 comes last, without a line end
    const std::string rest = Joined(lines).substr(lines[0].size()) + "20";
    // Line 1 pads the text so that the last field ends exactly at the limit, or one byte after it.
    for (const std::size_t size : {kMaxReadBytes, kMaxReadBytes + 1}) {
        SCOPED_TRACE(size);
        const std::string bytes = std::string(size - rest.size(), 'x') + rest;
        const DataFileRecord text = ReadDataFileText(bytes);
        const DataFileRecord file = read(bytes).Record;
        EXPECT_EQ(text.Readable, file.Readable);
        EXPECT_EQ(Values(text), Values(file));
        const bool lastRead = size == kMaxReadBytes;
        EXPECT_EQ(text.Readable[kTestSpeedField], lastRead);
        EXPECT_EQ(UnreadableLines(text).size(), lastRead ? 1u : 2u);
        EXPECT_EQ(text.sequencerDelay(), 30);
    }
    EXPECT_EQ(Values(ReadDataFileText(Joined(ExampleLines()))), ExampleValues());
    EXPECT_EQ(UnreadableLines(ReadDataFileText("")).size(), 65u);
}

} // namespace
} // namespace zg
