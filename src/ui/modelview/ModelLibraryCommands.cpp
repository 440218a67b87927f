#include "ModelLibraryCommands.h"

#include "files/PresetLibrary.h"
#include "ui/common/UserDialogs.h"
#include "ui/datafiles/FileCommandTexts.h"
#include "ui/modelview/ModelNames.h"
#include "ui/modelview/ModelStore.h"
#include "ui/modelview/ModelWindow.h"

#include <QFileInfo>

namespace zg {

ModelLibraryCommands::ModelLibraryCommands(Parts parts, QObject* parent)
    : QObject(parent), p_(std::move(parts)) {}

QWidget* ModelLibraryCommands::parentWidget() const {
    QWidget* view = p_.view();
    return view ? view : &p_.window;
}

void ModelLibraryCommands::report(const QString& text) {
    p_.dialogs.exclaim(parentWidget(), text);
}

// `base`, or "base 2", "base 3"... where a model of that name is kept already.
QString ModelLibraryCommands::freeName(const QString& base) const {
    QString name = base;
    for (int n = 2; p_.store.library().find(name); ++n) {
        const QString number = QStringLiteral(" %1").arg(n);
        QString shortened = base.left(kMaxNameLength - number.size());
        while ((shortened + number).toUtf8().size() > qsizetype(kMaxNameBytes))
            shortened.chop(1);
        name = shortened.trimmed() + number;
    }
    return name;
}

void ModelLibraryCommands::choose(const QString& name) {
    if (const auto why = p_.store.choose(name)) {
        report(tr("The model %1 cannot be read (%2).").arg(name, *why));
        p_.showAgain();
    }
}

void ModelLibraryCommands::showFirstModel() {
    ModelLayout first = TranslatedDefault(Outline::Plane);
    first.name = freeName(tr("My Plane")).toStdString();
    p_.store.show(first);
}

// A name one file of the models' folder can carry, asked until it is one or the user gives up; the
// name of another model is taken only when the user agrees to replace it (never by a rename).
std::optional<ModelLibraryCommands::NameChoice>
ModelLibraryCommands::askName(const QString& title, const QString& offered, bool renaming) {
    const QString current = QString::fromStdString(p_.store.model().name);
    QString name = offered;
    while (true) {
        const auto typed = p_.dialogs.getText(parentWidget(), {title, tr("Name of the model:"), name});
        if (!typed)
            return std::nullopt;
        name = typed->trimmed();
        if (const auto problem = FileNameProblem(name.toStdString())) {
            report(tr("%1 cannot name a model: %2").arg(name, QString::fromStdString(*problem)));
            continue;
        }
        const auto taken = p_.store.library().find(name);
        if (!taken || (renaming && taken->compare(current, Qt::CaseInsensitive) == 0))
            return NameChoice{name, false};
        if (renaming) {
            report(tr("There is a model %1 already: choose another name.").arg(*taken));
            continue;
        }
        const MessageAnswer answer = p_.dialogs.showMessage(
            parentWidget(),
            {AppTitle(), tr("There is a model %1 already. Replace it with a new one?").arg(*taken),
             MessageButtons::YesNo, MessageIcon::Question});
        if (answer == MessageAnswer::Yes)
            return NameChoice{*taken, true};
        if (answer == MessageAnswer::Cancel)
            return std::nullopt;
    }
}

// A new model of the outline shown: a picture's is named after the picture and keeps it.
void ModelLibraryCommands::newModel() {
    const ModelLayout& shown = p_.store.model();
    const QString source =
        SafeModelName(QFileInfo(QString::fromStdString(shown.picture.source)).completeBaseName());
    const QString offered = shown.outline != Outline::Picture ? ModelWindow::OutlineName(shown.outline)
                            : source.isEmpty()                ? tr("My Picture")
                                                              : source;
    const auto name = askName(tr("New Model"), freeName(offered), false);
    if (!name)
        return;
    ModelLayout model = TranslatedDefault(shown.outline);
    model.picture = shown.outline == Outline::Picture ? shown.picture : OutlinePicture{};
    model.name = name->name.toStdString();
    if (const auto error =
            p_.store.keep(model, name->replace ? ModelStore::Replace::Yes : ModelStore::Replace::No))
        report(tr("The model %1 cannot be kept: %2").arg(name->name, *error));
}

void ModelLibraryCommands::renameModel() {
    const QString current = QString::fromStdString(p_.store.model().name);
    const auto name = askName(tr("Rename Model"), current, true);
    if (!name || name->name == current)
        return;
    if (const auto error = p_.store.rename(name->name))
        report(tr("The model %1 cannot be renamed: %2").arg(current, *error));
}

void ModelLibraryCommands::deleteModel() {
    const QString current = QString::fromStdString(p_.store.model().name);
    if (p_.dialogs.showMessage(parentWidget(), {AppTitle(), tr("Delete the model %1?").arg(current),
                                                MessageButtons::YesNo, MessageIcon::Question}) !=
        MessageAnswer::Yes)
        return;
    if (const auto error = p_.store.remove())
        return report(tr("The model %1 cannot be deleted: %2").arg(current, *error));
    const QStringList left = p_.store.library().names();
    if (left.isEmpty() || p_.store.choose(left.front()))
        showFirstModel();
}

// The name the model carries, or its file's, made one that a file can carry: a shared file is
// not trusted to name a file of the user's.
void ModelLibraryCommands::importModel() {
    const auto path = p_.dialogs.getOpenFileName(
        parentWidget(),
        {tr("Import Model"), FilterWithAllFiles(tr("Models (*.json)"), QStringLiteral("*.json")), QString()});
    if (!path)
        return;
    ModelRead read = ModelLibrary::importFrom(*path);
    if (!read.model)
        return report(tr("%1 cannot be imported: %2").arg(*path, read.why));
    ModelLayout& model = *read.model;
    QString name = SafeModelName(QString::fromStdString(model.name));
    if (name.isEmpty())
        name = SafeModelName(QFileInfo(*path).completeBaseName());
    model.name = freeName(name.isEmpty() ? tr("Imported Model") : name).toStdString();
    const QStringList completed = CompleteLightsInLanguage(model);
    if (model.lights.size() > kMaxModelLights)
        return report(
            tr("%1 cannot be imported: it has %2 lights and no light for %3; a model has at most %4.")
                .arg(*path)
                .arg(model.lights.size() - std::size_t(completed.size()))
                .arg(completed.join(QStringLiteral(", ")))
                .arg(kMaxModelLights));
    if (const auto error = p_.store.keep(model))
        return report(tr("The model %1 cannot be kept: %2").arg(QString::fromStdString(model.name), *error));
    if (!completed.isEmpty())
        p_.dialogs.showMessage(
            parentWidget(),
            {AppTitle(),
             tr("The model %1 had no light for %2: each was put at its usual place.")
                 .arg(QString::fromStdString(model.name), completed.join(QStringLiteral(", "))),
             MessageButtons::Ok, MessageIcon::Information});
}

void ModelLibraryCommands::exportModel() {
    const ModelLayout& model = p_.store.model();
    const auto path = p_.dialogs.getSaveFileName(
        parentWidget(),
        {tr("Export Model"), FilterWithAllFiles(tr("Models (*.json)"), QStringLiteral("*.json")),
         QString::fromStdString(model.name) + QStringLiteral(".json"), QStringLiteral("json")});
    if (!path)
        return;
    if (const auto error = ModelLibrary::exportTo(model, *path))
        return report(tr("The model cannot be written to %1: %2").arg(*path, *error));
    if (model.outline == Outline::Picture && model.picture.data.empty())
        report(tr("The picture %1 of the model cannot be read, so the file carries none.")
                   .arg(QString::fromStdString(model.picture.source)));
}

} // namespace zg
