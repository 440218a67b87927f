#include "DataFileTestSupport.h"

#include "files/ApplyRecord.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "files/PresetLibrary.h"
#include "model/LedSequence.h"
#include "model/RowTiming.h"

#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <map>

using namespace zg;
using namespace zg::test;
namespace fs = std::filesystem;

namespace {

// The manual's table of presets: a row's cells by the file it describes.
std::map<std::string, QStringList> ManualPresetRows() {
    const QString html = QString::fromStdString(ReadBytes(ZG_MANUAL));
    const QString table =
        html.section(QStringLiteral("<table id=\"preset-table\">"), 1).section("</table>", 0, 0);
    std::map<std::string, QStringList> rows;
    static const QRegularExpression row(QStringLiteral("<tr data-file=\"([^\"]+)\">(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    for (const auto& r : row.globalMatch(table)) {
        QStringList cells;
        for (const auto& c : cell.globalMatch(r.captured(2)))
            cells << c.captured(1).replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
        rows[r.captured(1).toStdString()] = cells;
    }
    return rows;
}

// What the manual's last three columns must say, worked out from the pattern.
QStringList Figures(const LedSequence& sequence) {
    const int cycleMs = (sequence.endEvent() + 1) * sequence.sequencerDelay();
    QStringList flashes;
    QStringList zones;
    for (LedChannel led = 0; led < kLedCount; ++led) {
        // A light that never goes out does not flash; a run across the end mark is one flash.
        const RowTiming timing = TimeRow(sequence, led);
        if (timing.kind == RowTiming::Kind::Flashing)
            flashes << QStringLiteral("LED #%1: %2")
                           .arg(led + 1)
                           .arg(std::lround(double(timing.flashes.size()) * 60000.0 / cycleMs));
        if (const int mode = sequence.servoMode(led); mode != kServoNone) {
            const auto name = mode >= 0 ? ServoModeTable[std::size_t(mode)] : std::string_view("no mode");
            zones << QStringLiteral("LED #%1: %2")
                         .arg(led + 1)
                         .arg(QLatin1String(name.data(), qsizetype(name.size())));
        }
    }
    return {QString::number(cycleMs / 1000.0) + QStringLiteral(" s"),
            flashes.isEmpty() ? QStringLiteral("none (steady)") : flashes.join(QStringLiteral("; ")),
            zones.isEmpty() ? QStringLiteral("all") : zones.join(QStringLiteral("; "))};
}

} // namespace

class PresetLibrary : public TempFolder {};

// Each shipped preset reads without a damaged line, saves back byte for byte, and its timing and
// stick zones are what the manual's row says.
TEST_F(PresetLibrary, ShippedPresetsReadCleanlySaveIdenticallyAndMatchTheManual) {
    const auto presets = ListPresets(ZG_PRESETS_DIR, file("no user presets"));
    const auto rows = ManualPresetRows();
    ASSERT_GE(presets.size(), 8u);
    EXPECT_EQ(rows.size(), presets.size());
    for (const Preset& preset : presets) {
        SCOPED_TRACE(preset.file.string());
        const auto read = ReadDataFile(preset.file);
        ASSERT_TRUE(read.Opened);
        EXPECT_TRUE(UnreadableLines(read.Record).empty());
        LedSequence sequence;
        OpenRecord(read.Record, sequence);
        ASSERT_FALSE(WriteDataFile(file("saved.DAT"), MakeDataFileRecord(sequence)));
        EXPECT_EQ(ReadBytes(file("saved.DAT")), ReadBytes(preset.file));
        EXPECT_EQ(sequence.testSpeed(), sequence.sequencerDelay()); // the test runs at the module's pace

        const auto row = rows.find(preset.group + '/' + preset.name + ".DAT");
        ASSERT_NE(row, rows.end());
        ASSERT_EQ(row->second.size(), 6);
        EXPECT_EQ(row->second[0].toStdString(), preset.group);
        EXPECT_EQ(row->second[1].toStdString(), preset.name);
        EXPECT_EQ(row->second.mid(3).join(" | ").toStdString(), Figures(sequence).join(" | ").toStdString());
    }
}

TEST_F(PresetLibrary, GroupsComeInNameOrderWithTheUsersOwnLastAndOnlyDataFilesCount) {
    fs::create_directories(file("shipped/Cars"));
    fs::create_directories(file("shipped/Aircraft"));
    fs::create_directories(file("user/folder.DAT"));
    for (const char* name :
         {"shipped/Cars/Hazard.DAT", "shipped/Aircraft/Strobe.dat", "shipped/Aircraft/Beacon.DAT",
          "shipped/Aircraft/notes.txt", "shipped/Loose.DAT", "user/Mine.DAT"})
        WriteBytes(file(name), FreshFileText());
    std::vector<std::string> listed;
    for (const Preset& preset : ListPresets(file("shipped"), file("user")))
        listed.push_back(preset.group + '/' + preset.name);
    EXPECT_EQ(listed, (std::vector<std::string>{"Aircraft/Beacon", "Aircraft/Strobe", "Cars/Hazard",
                                                "My Presets/Mine"}));
    EXPECT_TRUE(ListPresets(file("missing"), file("missing too")).empty());
}

TEST_F(PresetLibrary, ANameMustBeOneEveryFileSystemTakes) {
    for (const char* bad : {"", ".hidden", " lead", "trail ", "a/b", "a\\b", "what?", "x:y", "tab\there"})
        EXPECT_TRUE(FileNameProblem(bad)) << bad;
    for (const char* good : {"Police car", "Strobe 2", "Ünïcode", "a.b"})
        EXPECT_FALSE(FileNameProblem(good)) << good;
}
