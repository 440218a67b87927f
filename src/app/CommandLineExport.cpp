#include "CommandLineExport.h"

#include "export/ModelPicture.h"
#include "export/PatternPictures.h"
#include "files/ApplyRecord.h"
#include "files/DataFileReader.h"
#include "files/FileTexts.h"
#include "files/ModelLibrary.h"
#include "files/SameFile.h"
#include "files/UserDataFolder.h"
#include "playback/ServoZone.h"
#include "ui/modelview/ModelNames.h"

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

// The user's model of that name, regardless of case, or else a shipped outline by its name
// ("plane"), so that the manual's example works before any model was made.
ModelRead ModelNamed(const QString& name) {
    const ModelLibrary library(UserModelFolder());
    if (const auto kept = library.find(name)) {
        ModelRead read = library.load(*kept);
        if (read.model)
            CompleteLightsInLanguage(*read.model); // as the view shows it
        if (!read.model)
            read.why = ExportText::tr("The model %1 cannot be read: %2.").arg(*kept, read.why);
        return read;
    }
    QStringList outlines;
    for (const Outline outline : kShippedOutlines) {
        const QString key = QString::fromLatin1(OutlineKey(outline));
        outlines << key;
        if (key.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        ModelLayout model = TranslatedDefault(outline);
        model.name = key.toStdString();
        return {model, {}, {}};
    }
    const QStringList names = library.names();
    return {std::nullopt,
            names.isEmpty()
                ? ExportText::tr("There is no model %1. The outlines are: %2.")
                      .arg(name, outlines.join(QStringLiteral(", ")))
                : ExportText::tr("There is no model %1. Your models are: %2; the outlines are: %3.")
                      .arg(name, names.join(QStringLiteral(", ")), outlines.join(QStringLiteral(", "))),
            {}};
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
        const auto model = ModelNamed(*line.model);
        if (!model.model)
            return fail(model.why);
        const ModelOutline outline(*model.model, kModelInk);
        if (!outline.pictureProblem().isEmpty())
            return fail(ExportText::tr("The picture %1 of the model %2 cannot be shown: %3.")
                            .arg(QString::fromStdString(model.model->picture.source),
                                 QString::fromStdString(model.model->name), outline.pictureProblem()));
        error = WriteModelAnimation(sequence, zones, *model.model, outline, out);
    } else {
        error = line.exportGif ? WriteAnimation(sequence, zones, out) : WritePatternPicture(sequence, out);
    }
    if (error)
        return fail(ExportText::tr("%1 cannot be written: %2").arg(out, *error));
    return 0;
}

} // namespace zg
