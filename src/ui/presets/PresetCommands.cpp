#include "PresetCommands.h"

#include "export/PlainTip.h"
#include "files/DataFileRecord.h"
#include "files/DataFileWriter.h"
#include "files/PresetLibrary.h"
#include "files/UserDataFolder.h"
#include "ui/common/UserDialogs.h"
#include "ui/datafiles/DataFileCommands.h"
#include "ui/datafiles/FileCommandTexts.h"
#include "ui/presets/PresetFolders.h"
#include "ui/presets/PresetNames.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

namespace zg {

namespace {

// A name shown in a menu as typed: a single & would underline the letter after it.
QString menuText(QString name) {
    return name.replace(u'&', QStringLiteral("&&"));
}

} // namespace

PresetCommands::PresetCommands(const Parts& parts, QObject* parent) : QObject(parent), p_(parts) {}

void PresetCommands::fillMenu(QMenu* menu) {
    menu->clear();
    for (QMenu* group : menu->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        delete group;
    // Once there, found at once; presets renamed on the way are said when the menu has closed,
    // not in front of it.
    const auto renamed = MoveEarlierUserData(UserDataFolder(), EarlierUserDataFolders());
    if (!renamed.empty())
        connect(
            menu, &QMenu::aboutToHide, this,
            [this, renamed] { QTimer::singleShot(0, this, [this, renamed] { sayRenamed(renamed); }); },
            Qt::SingleShotConnection);
    const auto presets = ListPresets(QFileInfo(ShippedPresetFolder()).filesystemFilePath(),
                                     QFileInfo(UserPresetFolder()).filesystemFilePath());
    QMenu* group = nullptr;
    for (const ShownPreset& preset : ShownPresets(presets)) {
        if (!group || group->title() != menuText(preset.group)) {
            if (preset.own && group)
                menu->addSeparator();
            group = menu->addMenu(menuText(preset.group));
        }
        QAction* item = group->addAction(menuText(preset.name));
        item->setToolTip(PlainTip(QDir::toNativeSeparators(preset.path)));
        connect(item, &QAction::triggered, this, [this, path = preset.path] { newFromPreset(path); });
    }
    if (presets.empty())
        menu->addAction(tr("(No presets found)"))->setEnabled(false);
}

void PresetCommands::moveEarlierOnes() {
    sayRenamed(MoveEarlierUserData(UserDataFolder(), EarlierUserDataFolders()));
}

void PresetCommands::sayRenamed(const std::vector<RenamedFile>& renamed) {
    if (renamed.empty())
        return;
    QStringList names;
    for (const RenamedFile& file : renamed)
        names << tr("%1 is now %2")
                     .arg(QFileInfo(file.from).completeBaseName(), QFileInfo(file.to).completeBaseName());
    const QString text = tr("Presets that an earlier version kept were moved to\r%1\r\rThese had names "
                            "that were already taken there and now have new names:\r%2")
                             .arg(QDir::toNativeSeparators(UserPresetFolder()), names.join(u'\r'));
    p_.dialogs.showMessage(&p_.window, {AppTitle(), text, MessageButtons::Ok, MessageIcon::Information});
}

void PresetCommands::newFromPreset(const QString& path) {
    p_.files.newFromFile(path, tr("New from Preset"));
}

void PresetCommands::saveAsPreset() {
    const auto path = chooseTarget();
    if (!path)
        return;
    const auto error =
        QDir().mkpath(UserPresetFolder())
            ? WriteDataFile(QFileInfo(*path).filesystemFilePath(), MakeDataFileRecord(p_.sequence))
            : std::optional(tr("The folder for presets could not be made.").toStdString());
    if (error)
        p_.dialogs.exclaim(&p_.window, SaveFailedMessage(*path, QString::fromStdString(*error)));
}

std::optional<QString> PresetCommands::askName(const QString& offered) {
    const auto name =
        p_.dialogs.getText(&p_.window, {tr("Save as Preset"), tr("Name of the preset:"), offered});
    if (!name)
        return std::nullopt;
    return name->trimmed();
}

// The file to write, once the name is one a file can have and the user has agreed to replace a
// preset of that name; Cancel in the replace question asks for another name.
std::optional<QString> PresetCommands::chooseTarget() {
    QString offered;
    while (const auto name = askName(offered)) {
        offered = *name;
        if (const auto problem = FileNameProblem(name->toStdString())) {
            p_.dialogs.exclaim(
                &p_.window,
                tr("\"%1\" cannot name a preset.\r\r%2").arg(*name, QString::fromStdString(*problem)));
            continue;
        }
        const QString path = QDir(UserPresetFolder()).filePath(*name + QStringLiteral(".DAT"));
        if (!QFileInfo::exists(path))
            return path;
        const auto answer =
            p_.dialogs.showMessage(&p_.window, {AppTitle(), ReplaceQuestion(path),
                                                MessageButtons::YesNoCancel, MessageIcon::Question});
        if (answer == MessageAnswer::Yes)
            return path;
        if (answer == MessageAnswer::No)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace zg
