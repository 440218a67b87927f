#include "UiFixture.h"

#include "app/Translations.h"
#include "files/PresetLibrary.h"
#include "files/UserSettings.h"
#include "ui/editing/FlashPatternDialog.h"
#include "ui/modelview/ModelWindow.h"
#include "ui/presets/PresetFolders.h"
#include "ui/presets/PresetNames.h"
#include "ui/settings/SettingsDialog.h"
#include "ui/test/StickInputDialog.h"
#include "ui/window/LanguageMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>

#include <algorithm>
#include <map>

using namespace zg;

namespace {

// The access key of a caption: the letter after a single "&", lower case.
QChar accessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i; // "&&" is an ampersand
    }
    return {};
}

// The pairs of captions that share an access key, joined; empty when there are none.
QString clashes(const QStringList& captions) {
    std::map<QChar, QString> owners;
    QStringList found;
    for (const QString& caption : captions)
        if (const QChar key = accessKey(caption); !key.isNull())
            if (const auto [owner, fresh] = owners.emplace(key, caption); !fresh)
                found << owner->second + " / " + caption;
    return found.join("; ");
}

// The captions that take an access key in a dialog: its buttons, check boxes and labels.
QStringList dialogCaptions(const QWidget& dialog) {
    QStringList captions;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        captions << button->text();
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        captions << label->text();
    return captions;
}

QStringList itemTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* item : menu.actions())
        texts << item->text();
    return texts;
}

// The captions of the design's fixed places that their text does not fit, with the room missing.
QStringList unfitting(const QWidget& root) {
    QStringList found;
    const auto check = [&found](const QWidget& widget, const QString& text, int room) {
        const QString plain = QString(text).remove(QRegularExpression("&(?!&)"));
        const int need = widget.fontMetrics().horizontalAdvance(plain);
        if (!plain.isEmpty() && need > room)
            found
                << QString("%1 \"%2\" needs %3 px of %4").arg(widget.objectName(), plain).arg(need).arg(room);
    };
    for (const QPushButton* button : root.findChildren<QPushButton*>())
        check(*button, button->text(), button->width() - 8);
    for (const QListWidget* list : root.findChildren<QListWidget*>())
        for (int row = 0; row < list->count(); ++row)
            check(*list, list->item(row)->text(), list->width() - 2 * list->frameWidth() - 4);
    for (const QGroupBox* box : root.findChildren<QGroupBox*>())
        check(*box, box->title(), box->width() - 16);
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        if (!label->wordWrap()) {
            check(*label, label->text(), label->width());
            continue;
        }
        const QRect lines = label->fontMetrics().boundingRect(
            QRect(0, 0, label->width(), 1000), int(label->alignment()) | Qt::TextWordWrap, label->text());
        if (lines.height() > label->height())
            found << QString("%1 \"%2\" takes %3 px of height, has %4")
                         .arg(label->objectName(), label->text())
                         .arg(lines.height())
                         .arg(label->height());
    }
    return found;
}

} // namespace

class Languages : public UiFixture {
  protected:
    void TearDown() override {
        UiFixture::TearDown();
        if (translations)
            translations->remove();
    }
    void startIn(const QString& language) {
        translations = std::make_unique<Translations>(language);
        translations->install();
        start();
    }
    // Every menu with its items listed, also the ones filled as they open.
    QList<QMenu*> menus() const {
        QList<QMenu*> all = form->findChildren<QMenu*>();
        for (QMenu* menu : all)
            emit menu->aboutToShow();
        return all;
    }
    // The access keys a press of Alt reaches in the window: the menu bar's and the buttons' that keep one.
    QStringList windowCaptions() const {
        QStringList captions;
        for (const QAction* title : form->menuBar()->actions())
            captions << title->text();
        for (const QPushButton* button : form->findChildren<QPushButton*>())
            if (!button->shortcut().isEmpty() && button->window() == form.get()) // not a window of its own
                captions << button->text();
        return captions;
    }
    void expectNoClashesAndEverythingFits(const QString& language) {
        SCOPED_TRACE(language.toStdString());
        for (const QMenu* menu : menus())
            EXPECT_EQ(clashes(itemTexts(*menu)), "") << menu->objectName().toStdString();
        EXPECT_EQ(clashes(windowCaptions()), "");
        EXPECT_EQ(clashes(dialogCaptions(*form->settingsDialog())), "");
        find<QAction>("MENUflashpattern")->trigger();
        EXPECT_EQ(clashes(dialogCaptions(*form->findChild<FlashPatternDialog*>())), "");
        find<QAction>("MENUstickinput")->trigger();
        EXPECT_EQ(clashes(dialogCaptions(*form->findChild<StickInputDialog*>())), "");
        find<QAction>("MENUmodelview")->trigger();
        EXPECT_EQ(clashes(dialogCaptions(*form->findChild<ModelWindow*>())), "");
        EXPECT_EQ(unfitting(*form->centralWidget()).join('\n'), "");
        EXPECT_EQ(unfitting(*form->settingsDialog()).join('\n'), "");
    }
    std::unique_ptr<Translations> translations;
};

TEST_F(Languages, EachSpeaksItsOwnWordsWithDistinctAccessKeysInTheDesignsPlaces) {
    const std::map<QString, std::pair<QString, QString>> fileMenuAndDownload{
        {"en", {"&File", "&DOWNLOAD"}},
        {"de", {"&Datei", "&ÜBERTRAGEN"}},
        {"fr", {"&Fichier", "&TRANSFÉRER"}},
        {"es", {"&Archivo", "&TRANSFERIR"}}};
    // Every language the program is built with, a new one too.
    for (const LanguageEntry& entry : LanguageMenu::Entries()) {
        if (entry.code.isEmpty())
            continue; // the system's: one of the others
        startIn(entry.code);
        EXPECT_EQ(translations->translated(), entry.code != "en");
        if (const auto expected = fileMenuAndDownload.find(entry.code);
            expected != fileMenuAndDownload.end()) {
            EXPECT_EQ(find<QMenu>("MENUfile")->title(), expected->second.first);
            EXPECT_EQ(form->controls().downloadButton->text(), expected->second.second);
        }
        expectNoClashesAndEverythingFits(entry.code);
        if (entry.code == "de") { // the step's name stands where the language puts it
            emit find<QComboBox>("ServoControl_1")->activated(4);
            EXPECT_EQ(find<QAction>("MENUundo")->text(),
                      "&Rückgängig: " + QCoreApplication::translate("zg::GridEditor", "Servo Mode"));
        }
        form.reset();
        translations->remove();
    }
}

TEST_F(Languages, TheMenuOffersEveryTranslationByItsOwnNameAndKeepsTheChoiceForTheNextStart) {
    QStringList captions;
    for (const LanguageEntry& entry : LanguageMenu::Entries())
        captions << entry.caption;
    EXPECT_EQ(captions, QStringList({"&System", "&English", "&Deutsch", "Es&pañol", "&Français"}));

    start();
    emit find<QMenu>("MENUlanguage")->aboutToShow();
    EXPECT_TRUE(find<QAction>("MENUlanguage_system")->isChecked());
    find<QAction>("MENUlanguage_de")->trigger();
    EXPECT_EQ(UserSettings::language(), "de");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("next start"));
    find<QAction>("MENUlanguage_de")->trigger(); // no change, no note
    find<QAction>("MENUlanguage_system")->trigger();
    EXPECT_EQ(UserSettings::language(), "");
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

// The language comes from the system unless one was chosen; C and English systems get the
// design's English, also when LANGUAGE lists another.
TEST_F(Languages, TheSystemsLanguageIsSpokenUnlessTheUserChoseOne) {
    const auto help = [this](const QString& lang, const QString& language = {}) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        environment.insert("LANG", lang);
        environment.remove("LC_ALL");
        environment.remove("LC_MESSAGES");
        environment.insert("LANGUAGE", language);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZG_PROGRAM), {"--help"});
        EXPECT_TRUE(program.waitForFinished(20000));
        return QString::fromUtf8(program.readAllStandardOutput()).section('\n', 0, 1);
    };
    const QString english = "Usage: zelta-glow [options] [file]\n"
                            "Editor and downloader for the Zelta-Glow LED sequencer/flasher.";
    EXPECT_EQ(help("C"), english);
    EXPECT_EQ(help("en_US.UTF-8"), english);
    EXPECT_EQ(help("C", "de"), english);
    EXPECT_TRUE(help("de_DE.UTF-8").contains("Editor und Übertragungsprogramm"));
    EXPECT_TRUE(help("fr_FR.UTF-8").contains("Éditeur et programmateur"));
    EXPECT_TRUE(help("es_ES.UTF-8").contains("Editor y programador"));

    QSettings chosen(dir.filePath("config/zelta-glow/zelta-glow.conf"), QSettings::IniFormat);
    chosen.setValue("view/language", "fr");
    chosen.sync();
    EXPECT_TRUE(help("de_DE.UTF-8").contains("Éditeur et programmateur"));
}

// The shipped presets are named in the user's language and listed in its order; the user's own
// keep the names they were given.
TEST_F(Languages, ShippedPresetsAreNamedInTheLanguageAndListedInItsOrder) {
    const auto texts = ShippedPresetTexts();
    const auto known = [&texts](const std::string& text) {
        return std::any_of(texts.begin(), texts.end(), [&text](const char* known) { return text == known; });
    };
    const auto shipped = ListPresets(QFileInfo(ShippedPresetFolder()).filesystemFilePath(), {});
    ASSERT_FALSE(shipped.empty());
    for (const Preset& preset : shipped) {
        EXPECT_TRUE(known(preset.group)) << preset.group;
        EXPECT_TRUE(known(preset.name)) << preset.name;
    }
    ASSERT_TRUE(QDir().mkpath(UserPresetFolder()));
    QFile::copy(QString::fromStdU16String(shipped.front().file.u16string()),
                UserPresetFolder() + "/Hazard Lights.DAT");

    startIn("de");
    auto* presets = find<QMenu>("MENUpresets");
    emit presets->aboutToShow();
    QStringList groups;
    for (const QAction* group : presets->actions())
        if (group->menu())
            groups << group->text();
    EXPECT_EQ(groups, QStringList({"Autos", "Boote", "Flugzeuge", "Hubschrauber", "Eigene Vorlagen"}));
    EXPECT_EQ(itemTexts(*presets->actions()[1]->menu()), QStringList{"Positionslichter und Topplicht"});
    EXPECT_EQ(itemTexts(*presets->actions().back()->menu()), QStringList{"Hazard Lights"});
}
