#include "LanguageMenu.h"

#include "files/UserSettings.h"
#include "ui/common/UserDialogs.h"

#include <QActionGroup>
#include <QDir>
#include <QMenu>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>

namespace zg {

namespace {

// The caption's access key: its first letter that no caption before it has taken.
QString withAccessKey(const QString& name, QString& taken) {
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar key = name.at(i).toLower();
        if (key.isLetter() && !taken.contains(key)) {
            taken += key;
            return QString(name).insert(i, u'&');
        }
    }
    return name;
}

//: The name of the language of this translation, in that language ("Deutsch", "Français").
const char* const kOwnName = QT_TRANSLATE_NOOP("zg::LanguageMenu", "English");

// A translation names its language in that language, as the translation of "English".
QString ownName(const QString& translationFile) {
    QTranslator translation;
    if (!translation.load(translationFile))
        return {};
    return translation.translate("zg::LanguageMenu", kOwnName);
}

QString accessKeyOf(const QString& caption) {
    const qsizetype at = caption.indexOf(u'&');
    return at >= 0 && at + 1 < caption.size() ? caption.at(at + 1).toLower() : QString();
}

} // namespace

std::vector<LanguageEntry> LanguageMenu::Entries(const QString& translations) {
    const QString system = tr("&System");
    QString taken = accessKeyOf(system);
    std::vector<LanguageEntry> translated;
    static const QRegularExpression file(QStringLiteral("^zelta-glow_(\\w+)\\.qm$"));
    for (const QString& name : QDir(translations).entryList(QDir::Files)) {
        if (const auto match = file.match(name); match.hasMatch()) {
            const QString native = ownName(QDir(translations).filePath(name));
            translated.push_back({match.captured(1), native.isEmpty() ? match.captured(1) : native});
        }
    }
    std::sort(translated.begin(), translated.end(),
              [](const LanguageEntry& a, const LanguageEntry& b) { return a.caption < b.caption; });
    std::vector<LanguageEntry> entries{
        {QString(), system}, {QStringLiteral("en"), withAccessKey(QStringLiteral("English"), taken)}};
    for (LanguageEntry& entry : translated)
        entries.push_back({entry.code, withAccessKey(entry.caption, taken)});
    return entries;
}

LanguageMenu::LanguageMenu(QWidget& window, UserDialogs& dialogs, QObject* parent)
    : QObject(parent), window_(window), dialogs_(dialogs) {}

void LanguageMenu::fillMenu(QMenu* menu) {
    if (!menu->isEmpty())
        return;
    auto* group = new QActionGroup(menu);
    const QString chosen = UserSettings::language();
    for (const LanguageEntry& entry : Entries()) {
        QAction* item = menu->addAction(entry.caption);
        item->setObjectName(QStringLiteral("MENUlanguage_") +
                            (entry.code.isEmpty() ? QStringLiteral("system") : entry.code));
        item->setCheckable(true);
        item->setChecked(entry.code == chosen);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, code = entry.code] { choose(code); });
        if (entry.code.isEmpty())
            menu->addSeparator();
    }
}

// The window is built with its texts; they change with the next start.
void LanguageMenu::choose(const QString& code) {
    if (code == UserSettings::language())
        return;
    UserSettings::setLanguage(code);
    dialogs_.showMessage(&window_,
                         {AppTitle(), tr("The new language is used from the next start of Zelta-Glow."),
                          MessageButtons::Ok, MessageIcon::Information});
}

} // namespace zg
