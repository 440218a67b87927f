#include "CommandLineExport.h"

#include "export/ModelPicture.h"
#include "export/PatternPictures.h"
#include "files/ApplyRecord.h"
#include "files/DataFileReader.h"
#include "files/FileTexts.h"
#include "files/ModelFile.h"
#include "files/SameFile.h"
#include "files/UserDataFolder.h"
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
    const int zones = ServoZoneMaskOf(line.stickMicroseconds / 10);
    std::optional<QString> error;
    if (line.model) {
        const ModelLibrary library(UserModelFolder());
        const ModelRead read = library.load(*line.model);
        if (!read.model) {
            const QStringList names = library.names();
            return fail(names.isEmpty()
                            ? ExportText::tr("There is no model %1: you have no models yet.").arg(*line.model)
                            : ExportText::tr("There is no model %1 that can be read (%2). Your models: %3")
                                  .arg(*line.model, read.why, names.join(QStringLiteral(", "))));
        }
        error = WriteModelAnimation(sequence, zones, *read.model, out);
    } else {
        error = line.exportGif ? WriteAnimation(sequence, zones, out) : WritePatternPicture(sequence, out);
    }
    if (error)
        return fail(ExportText::tr("%1 cannot be written: %2").arg(out, *error));
    return 0;
}

} // namespace zg
