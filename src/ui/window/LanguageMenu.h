#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QMenu;
class QWidget;

namespace zg {

class UserDialogs;

// One entry of the Language menu: the code kept for it (empty for the system's language) and the
// caption, the language's name in that language.
struct LanguageEntry {
    QString code;
    QString caption;
};

// The Options menu's "Language": the system's language, English, or one the program is translated
// into, each named in its own language. The choice is kept for the user and takes effect at the
// next start, which the user is told.
class LanguageMenu : public QObject {
    Q_OBJECT
  public:
    LanguageMenu(QWidget& window, UserDialogs& dialogs, QObject* parent);

    // Lists the languages as the submenu first opens: they are built in, so once is enough, and
    // the translations are not read at start.
    void fillMenu(QMenu* menu);

    // The entries in menu order, access keys set so that no two share one; `translations` is where
    // the compiled translations are ("zelta-glow_de.qm" ...).
    static std::vector<LanguageEntry> Entries(const QString& translations = QStringLiteral(":/i18n"));

  private:
    void choose(const QString& code);

    QWidget& window_;
    UserDialogs& dialogs_;
};

} // namespace zg
