#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace zg {

// The program's texts and Qt's own (the buttons of a message box, the file dialog) in one
// language: the one the user chose in the Language menu, or the system's. English needs none.
class Translations {
  public:
    // `chosen` as the Language menu keeps it: a language code, or empty for the system's language.
    explicit Translations(const QString& chosen);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Into the running application object, and out again.
    void install();
    void remove();
    // Whether the program's own texts are translated (false for English).
    bool translated() const { return !program_.isEmpty(); }

  private:
    QLocale locale_;
    bool chosen_;
    QTranslator program_;
    QTranslator qt_;
};

} // namespace zg
