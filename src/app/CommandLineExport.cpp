#include "CommandLineExport.h"

#include "export/PatternPictures.h"
#include "files/ApplyRecord.h"
#include "files/DataFileReader.h"
#include "files/FileTexts.h"
#include "files/SameFile.h"
#include "playback/ServoZone.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <iostream>

namespace zg {

namespace {

struct ExportText {
    Q_DECLARE_TR_FUNCTIONS(zg::CommandLine)
};

int fail(const QString& reason) {
    std::cerr << "zelta-glow: " << qPrintable(reason) << '\n';
    return 2;
}

} // namespace

int RunExport(const CommandLine& line) {
    const QString& file = *line.file;
    const DataFileReadResult read = ReadDataFile(QFileInfo(file).filesystemFilePath());
    if (read.NotAFile || !read.Opened)
        return fail(ExportText::tr("%1 cannot be read: %2").arg(file, QString::fromStdString(read.Reason)));
    if (!HasReadableEventLine(read.Record))
        return fail(
            ExportText::tr("%1 is not a Zelta-Glow data file: none of its first 50 lines holds an event.")
                .arg(file));
    if (const auto lines = UnreadableLines(read.Record); !lines.empty())
        std::cerr << "zelta-glow: "
                  << qPrintable(ExportText::tr("%1: lines %2 could not be used and were left out.")
                                    .arg(file, LineRanges(lines)))
                  << '\n';
    LedSequence sequence;
    OpenRecord(read.Record, sequence);
    const QString& out = line.exportGif ? *line.exportGif : *line.exportPng;
    if (IsSameFile(out, file))
        return fail(OwnFileRefusal(out));
    const auto error = line.exportGif
                           ? WriteAnimation(sequence, ServoZoneMaskOf(line.stickMicroseconds / 10), out)
                           : WritePatternPicture(sequence, out);
    if (error)
        return fail(ExportText::tr("%1 cannot be written: %2").arg(out, *error));
    return 0;
}

} // namespace zg
