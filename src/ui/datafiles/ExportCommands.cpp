#include "ExportCommands.h"

#include "export/PatternPictures.h"
#include "files/SameFile.h"
#include "playback/ModuleAnimation.h"
#include "ui/common/DocumentHistory.h"
#include "ui/common/UserDialogs.h"
#include "ui/datafiles/FileCommandTexts.h"
#include "ui/test/TestPlayer.h"

#include <QFileInfo>
#include <QScrollBar>

namespace zg {

namespace {

QString animationTitle() {
    return ExportCommands::tr("Export Animation");
}

QStringList zones() {
    return {ExportCommands::tr("1st zone: 1000-1240 \u00b5s (far left)"),
            ExportCommands::tr("2nd zone: 1250-1490 \u00b5s (left of centre)"),
            ExportCommands::tr("3rd zone: 1500-1740 \u00b5s (centre to right of centre)"),
            ExportCommands::tr("4th zone: 1750-1990 \u00b5s (far right)")};
}

} // namespace

void ExportCommands::exportAnimation() {
    const auto zone = chooseZone();
    if (!zone)
        return;
    const auto path =
        chooseTarget(animationTitle(), FilterWithAllFiles(tr("GIF Images (*.gif)"), QStringLiteral("*.gif")),
                     QStringLiteral(".gif"));
    if (path)
        report(*path, WriteAnimation(p_.sequence, 1 << *zone, *path));
}

void ExportCommands::exportPicture() {
    const auto path = chooseTarget(tr("Export Picture"),
                                   FilterWithAllFiles(tr("PNG Images (*.png)"), QStringLiteral("*.png")),
                                   QStringLiteral(".png"));
    if (path)
        report(*path, WritePatternPicture(p_.sequence, *path));
}

// The stick zone the module is shown in, the stick's own offered first.
std::optional<int> ExportCommands::chooseZone() {
    const QString label =
        SamplesTheModule(p_.sequence)
            ? tr("Show the module as it lights with the stick in the\n\n(The sequencer delay is under 20 ms: "
                 "the "
                 "animation shows the module every 20 ms, so a flash shorter than that may not show.)")
            : tr("Show the module as it lights with the stick in the");
    return p_.dialogs.chooseItem(&p_.window, {animationTitle(), label, zones(), p_.player.servoZone()});
}

// The file to write, named after the pattern's file; an existing one is replaced only on Yes.
std::optional<QString> ExportCommands::chooseTarget(const QString& title, const QString& filter,
                                                    const QString& suffix) {
    const QString fileTitle = p_.history.documentName().fileTitle;
    const QString offered =
        (fileTitle.isEmpty() ? tr("pattern") : QFileInfo(fileTitle).completeBaseName()) + suffix;
    const auto path = p_.dialogs.getSaveFileName(&p_.window, {title, filter, offered, suffix.mid(1)});
    if (!path || !QFileInfo::exists(*path))
        return path;
    if (const QString& own = p_.history.documentName().filePath; !own.isEmpty() && IsSameFile(*path, own)) {
        p_.dialogs.exclaim(&p_.window, OwnFileRefusal(*path));
        return std::nullopt;
    }
    const MessageRequest replace{AppTitle(), ReplaceQuestion(*path), MessageButtons::YesNo,
                                 MessageIcon::Question};
    if (p_.dialogs.showMessage(&p_.window, replace) != MessageAnswer::Yes)
        return std::nullopt;
    return path;
}

void ExportCommands::report(const QString& path, const std::optional<QString>& error) {
    if (error)
        p_.dialogs.exclaim(&p_.window, SaveFailedMessage(path, *error));
}

} // namespace zg
