#include "files/ConfigFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

using namespace zg;
namespace fs = std::filesystem;

class ConfigFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zg-cfg-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        path = dir / "LED.cfg";
    }
    void TearDown() override { fs::remove_all(dir); }

    void write(const std::string& bytes) const {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    std::string read() const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir;
    fs::path path;
};

TEST_F(ConfigFile, ReadsThePortFromTheFirstField) {
    const std::pair<std::string, int> cases[] = {{"2\r\n", 2},    {"5,x\r\n", 5}, {"4\r\n6\r\n", 4},
                                                 {"-3\r\n", -3},  {"  6", 6},     {"0\r\n", 0},
                                                 {"32767", 32767}};
    for (const auto& [bytes, port] : cases) {
        write(bytes);
        EXPECT_EQ(LoadConfig(path).CommPort, port) << bytes;
    }
}

TEST_F(ConfigFile, AnythingButA16BitNumberGivesPort1) {
    for (const std::string& bytes :
         std::vector<std::string>{"", "\r\n", "abc\r\n", "32768\r\n", "-32769", "99999999999999999999",
                                  "3x\r\n", std::string("\0\0\0", 3)}) {
        write(bytes);
        EXPECT_EQ(LoadConfig(path).CommPort, 1) << bytes;
    }
    fs::remove(path);
    EXPECT_EQ(LoadConfig(path).CommPort, 1);
    fs::create_directory(path); // a folder where the file should be
    EXPECT_EQ(LoadConfig(path).CommPort, 1);
}

TEST_F(ConfigFile, SavesThePortAloneWithCrLf) {
    write("6\r\n1234567890\r\n");
    AppConfig config;
    config.CommPort = 4;
    EXPECT_FALSE(SaveConfig(config, path));
    EXPECT_EQ(read(), "4\r\n");
    config.CommPort = 0;
    EXPECT_FALSE(SaveConfig(config, path));
    EXPECT_EQ(read(), "0\r\n");
    config.CommPort = -12;
    EXPECT_FALSE(SaveConfig(config, path));
    EXPECT_EQ(read(), "-12\r\n");
    EXPECT_EQ(LoadConfig(path).CommPort, -12);
}

TEST_F(ConfigFile, ReportsWhyItCannotWrite) {
    write("x");
    const auto error = SaveConfig(AppConfig{}, path / "LED.cfg"); // below a regular file
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->empty());
}
