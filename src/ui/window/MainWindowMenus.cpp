#include "MainWindowMenus.h"

#include "files/UserSettings.h"
#include "ui/controls/NoteLine.h"
#include "ui/datafiles/RecentFiles.h"
#include "ui/editing/FlashCommands.h"
#include "ui/editing/RangeCommands.h"
#include "ui/grid/GridWidget.h"
#include "ui/modelview/ModelCommands.h"
#include "ui/presets/PresetCommands.h"
#include "ui/window/LanguageMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>

namespace zg {

namespace {

struct MenuText {
    Q_DECLARE_TR_FUNCTIONS(zg::MainWindow)
};

using Form = MenuTargets;
using Handler = void (WindowCommands::*)();

QAction* addItem(const Form& form, QWidget* menu, const char* name, const QString& caption, Handler handler,
                 const QList<QKeySequence>& keys = {}) {
    auto* item = new QAction(caption, menu);
    item->setObjectName(QLatin1String(name));
    item->setShortcuts(keys);
    menu->addAction(item);
    // Any command ends the report of the last download; connected first, so that a new download
    // can report again.
    QObject::connect(item, &QAction::triggered, form.controls.note, &NoteLine::hide);
    QObject::connect(item, &QAction::triggered, &form.window,
                     [&commands = form.commands, handler] { (commands.*handler)(); });
    return item;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
    auto* menu = new QMenu(caption, bar);
    menu->setObjectName(QLatin1String(name));
    bar->addMenu(menu);
    return menu;
}

// A submenu its commands list as it opens, so that presets saved and files opened meanwhile, also
// by another window, are there.
template <typename Commands>
void addListedMenu(const Form& form, QMenu* parent, const char* name, const QString& caption,
                   Commands& commands) {
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    QObject::connect(menu, &QMenu::aboutToShow, &commands, [&commands, menu] { commands.fillMenu(menu); });
    QObject::connect(menu, &QMenu::triggered, form.controls.note, &NoteLine::hide);
}

void addFileMenu(const Form& form, QMenuBar* bar) {
    QMenu* file = addMenu(bar, "MENUfile", MenuText::tr("&File"));
    addItem(form, file, "MENUnew", MenuText::tr("&New/Clear"), &WindowCommands::newDocument,
            {QKeySequence::New});
    addListedMenu(form, file, "MENUpresets", MenuText::tr("New from &Preset"), form.presets);
    addItem(form, file, "MENUopen", MenuText::tr("&Open..."), &WindowCommands::openFile,
            {QKeySequence::Open});
    addListedMenu(form, file, "MENUrecent", MenuText::tr("Recent &Files"), form.recent);
    addItem(form, file, "MENUmerge", MenuText::tr("&Merge"), &WindowCommands::mergeFile,
            {QKeySequence(Qt::CTRL | Qt::Key_M)});
    addItem(form, file, "MENUsave", MenuText::tr("&Save..."), &WindowCommands::saveFile,
            {QKeySequence::Save});
    auto* savePreset = new QAction(MenuText::tr("Save &as Preset..."), file);
    savePreset->setObjectName(QStringLiteral("MENUsavepreset"));
    file->addAction(savePreset);
    QObject::connect(savePreset, &QAction::triggered, form.controls.note, &NoteLine::hide);
    QObject::connect(savePreset, &QAction::triggered, &form.presets, &PresetCommands::saveAsPreset);
    addItem(form, file, "MENUexportgif", MenuText::tr("Expor&t Animation..."),
            &WindowCommands::exportAnimation);
    addItem(form, file, "MENUexportpng", MenuText::tr("Export Pict&ure..."), &WindowCommands::exportPicture);
    addItem(form, file, "MENUexit", MenuText::tr("E&xit"), &WindowCommands::askToExit,
            {QKeySequence(Qt::CTRL | Qt::Key_Q)});
}

struct RangeItem {
    const char* name;
    QString caption;
    void (RangeCommands::*handler)();
    QList<QKeySequence> keys;
    bool separatorBefore = false;
};

// The commands on ranges of cells, in the Edit menu and in the grid's context menu.
void addRangeItems(const Form& form, QMenu* menu) {
    using R = RangeCommands;
    const RangeItem items[]{
        {"MENUcut", MenuText::tr("Cu&t"), &R::cut, {QKeySequence::Cut}},
        {"MENUcopy", MenuText::tr("&Copy"), &R::copy, {QKeySequence::Copy}},
        {"MENUpaste", MenuText::tr("&Paste"), &R::paste, {QKeySequence::Paste}},
        {"MENUdelete", MenuText::tr("&Delete"), &R::clearCells, {QKeySequence(Qt::Key_Delete)}},
        {"MENUselectall", MenuText::tr("Select &All"), &R::selectAll, {QKeySequence::SelectAll}},
        {"MENUinsertevent",
         MenuText::tr("&Insert Event"),
         &R::insertEvent,
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         true},
        {"MENUdeleteevent",
         MenuText::tr("D&elete Event"),
         &R::deleteEvent,
         {QKeySequence(Qt::CTRL | Qt::Key_Minus)}},
        {"MENUshiftleft",
         MenuText::tr("Shift &Left"),
         &R::shiftLeft,
         {QKeySequence(Qt::CTRL | Qt::Key_Left)}},
        {"MENUshiftright",
         MenuText::tr("Shift Ri&ght"),
         &R::shiftRight,
         {QKeySequence(Qt::CTRL | Qt::Key_Right)}},
        {"MENUrepeat",
         MenuText::tr("Repeat &Selection"),
         &R::repeatSelection,
         {QKeySequence(Qt::CTRL | Qt::Key_R)}},
    };
    GridWidget* grid = form.controls.grid;
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const RangeItem& entry : items) {
        if (entry.separatorBefore) {
            menu->addSeparator();
            auto* separator = new QAction(grid);
            separator->setSeparator(true);
            grid->addAction(separator);
        }
        auto* item = new QAction(entry.caption, menu);
        item->setObjectName(QLatin1String(entry.name));
        item->setShortcuts(entry.keys);
        menu->addAction(item);
        grid->addAction(item);
        QObject::connect(item, &QAction::triggered, form.controls.note, &NoteLine::hide);
        QObject::connect(item, &QAction::triggered, &form.ranges, entry.handler);
    }
}

// The flash generator, in the Edit menu and the grid's context menu after the range commands.
void addFlashItem(const Form& form, QMenu* menu) {
    GridWidget* grid = form.controls.grid;
    menu->addSeparator();
    auto* separator = new QAction(grid);
    separator->setSeparator(true);
    grid->addAction(separator);
    auto* item = new QAction(MenuText::tr("&Flash Pattern..."), menu);
    item->setObjectName(QStringLiteral("MENUflashpattern"));
    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    menu->addAction(item);
    grid->addAction(item);
    QObject::connect(item, &QAction::triggered, form.controls.note, &NoteLine::hide);
    QObject::connect(item, &QAction::triggered, &form.flashes, &FlashCommands::openGenerator);
}

// Options that the program remembers for the user. Alt+O belongs to the Open File button, hence
// Alt+N.
void addOptionsMenu(const Form& form, QMenuBar* bar) {
    QMenu* menu = addMenu(bar, "MENUoptions", MenuText::tr("Optio&ns"));
    addItem(form, menu, "MENUstickinput", MenuText::tr("&Stick Input..."), &WindowCommands::showStickInput);
    auto* moduleSpeed = new QAction(MenuText::tr("Play at the &Module's Speed"), menu);
    moduleSpeed->setObjectName(QStringLiteral("MENUmodulespeed"));
    moduleSpeed->setCheckable(true);
    moduleSpeed->setChecked(UserSettings::moduleSpeed());
    menu->addAction(moduleSpeed);
    QObject::connect(moduleSpeed, &QAction::toggled, &form.window,
                     [&commands = form.commands](bool on) { commands.playAtModuleSpeed(on); });
    menu->addSeparator();
    addListedMenu(form, menu, "MENUlanguage", MenuText::tr("&Language"),
                  *new LanguageMenu(form.window, form.dialogs, menu));
}

// The model view, a window of its own that the item shows and closes and that says when it closed.
void addViewMenu(const Form& form, QMenuBar* bar) {
    QMenu* menu = addMenu(bar, "MENUview", MenuText::tr("&View"));
    auto* item = new QAction(MenuText::tr("&Model View"), menu);
    item->setObjectName(QStringLiteral("MENUmodelview"));
    item->setCheckable(true);
    menu->addAction(item);
    QObject::connect(item, &QAction::triggered, &form.models, &ModelCommands::setViewShown);
    QObject::connect(&form.models, &ModelCommands::viewShownChanged, item, &QAction::setChecked);
}

// One sentence with the step's name in it, where Qt would append the name to a prefix: a language
// places the name as it needs ("&Rückgängig: Öffnen").
void nameItemsBySteps(QAction* undo, QAction* redo, QUndoStack& history) {
    const auto name = [undo, redo](const QString& undoStep, const QString& redoStep) {
        undo->setText(undoStep.isEmpty() ? MenuText::tr("&Undo") : MenuText::tr("&Undo %1").arg(undoStep));
        redo->setText(redoStep.isEmpty() ? MenuText::tr("&Redo") : MenuText::tr("&Redo %1").arg(redoStep));
    };
    const auto follow = [&history, name] { name(history.undoText(), history.redoText()); };
    QObject::disconnect(&history, &QUndoStack::undoTextChanged, undo, nullptr);
    QObject::disconnect(&history, &QUndoStack::redoTextChanged, redo, nullptr);
    QObject::connect(&history, &QUndoStack::undoTextChanged, undo, follow);
    QObject::connect(&history, &QUndoStack::redoTextChanged, redo, follow);
    follow();
}

// The items name the step they would take back or bring again ("&Undo Open") and are enabled
// only when there is one.
void addEditMenu(const Form& form, QMenuBar* bar, QUndoStack& history) {
    // Alt+E belongs to the "S&ettings..." button, hence Alt+I.
    QMenu* menu = addMenu(bar, "MENUedit", MenuText::tr("Ed&it"));
    QAction* undo = history.createUndoAction(menu);
    undo->setObjectName(QStringLiteral("MENUundo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = history.createRedoAction(menu);
    redo->setObjectName(QStringLiteral("MENUredo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The stack keeps the items' text and state; the window runs them, ending a gesture first.
    for (QAction* item : {undo, redo}) {
        QObject::disconnect(item, &QAction::triggered, &history, nullptr);
        QObject::connect(item, &QAction::triggered, form.controls.note, &NoteLine::hide);
        menu->addAction(item);
    }
    nameItemsBySteps(undo, redo, history);
    QObject::connect(undo, &QAction::triggered, &form.window,
                     [&commands = form.commands] { commands.undo(); });
    QObject::connect(redo, &QAction::triggered, &form.window,
                     [&commands = form.commands] { commands.redo(); });
    menu->addSeparator();
    addRangeItems(form, menu);
    addFlashItem(form, menu);
}

// Ctrl+n and Ctrl+Shift+n for LED #n. With Shift held, a keyboard may report the digit's symbol
// instead ("!" for 1 on many layouts), so both are bound.
void addLedShortcuts(const Form& form) {
    const std::array<Qt::Key, kLedCount> symbols{Qt::Key_Exclam, Qt::Key_At, Qt::Key_NumberSign,
                                                 Qt::Key_Dollar};
    for (LedChannel led = 0; led < kLedCount; ++led) {
        const auto digit = Qt::Key(Qt::Key_1 + led);
        auto* color = new QAction(&form.window);
        color->setObjectName(QStringLiteral("KEYcolor%1").arg(led + 1));
        color->setShortcut(QKeySequence(Qt::CTRL | digit));
        QObject::connect(color, &QAction::triggered, &form.window,
                         [&commands = form.commands, led] { commands.chooseLedColor(led); });
        auto* options = new QAction(&form.window);
        options->setObjectName(QStringLiteral("KEYrowoptions%1").arg(led + 1));
        options->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | digit),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | symbols[std::size_t(led)])});
        QObject::connect(options, &QAction::triggered, &form.window,
                         [&commands = form.commands, led] { commands.showRowOptions(led); });
        form.window.addActions({color, options});
    }
}

// A button and the menu item of the same command are one command: the button triggers the item.
void connectButtonsToItems(const Form& form) {
    const MenuControls& c = form.controls;
    const std::pair<QPushButton*, const char*> shared[]{{c.openButton, "MENUopen"},
                                                        {c.saveButton, "MENUsave"},
                                                        {c.testButton, "MENUtest"},
                                                        {c.settingsButton, "MENUsettings"},
                                                        {c.downloadButton, "MENUdownload"}};
    for (const auto& [button, item] : shared)
        QObject::connect(button, &QPushButton::clicked, form.window.findChild<QAction*>(QLatin1String(item)),
                         &QAction::trigger);
}

} // namespace

void BuildMainWindowMenus(const MenuTargets& form, QUndoStack& history) {
    QMenuBar* bar = form.window.menuBar();
    addFileMenu(form, bar);
    addEditMenu(form, bar, history);
    addViewMenu(form, bar);
    addItem(form, bar, "MENUtest", MenuText::tr("&Test"), &WindowCommands::toggleTest,
            {QKeySequence(Qt::Key_F5)});
    addItem(form, bar, "MENUdownload", MenuText::tr("&Download"), &WindowCommands::download);
    addItem(form, bar, "MENUsettings", MenuText::tr("&Settings"), &WindowCommands::showSettings);
    addOptionsMenu(form, bar);
    QMenu* help = addMenu(bar, "MENUhelp", MenuText::tr("&Help"));
    addItem(form, help, "MENUabout", MenuText::tr("&About"), &WindowCommands::showAbout);
    addItem(form, help, "MENUhowto", MenuText::tr("H&ow to ..."), &WindowCommands::showManual,
            {QKeySequence(Qt::Key_F1)});
    addLedShortcuts(form);
    connectButtonsToItems(form);
}

} // namespace zg
