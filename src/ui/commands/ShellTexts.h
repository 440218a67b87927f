#pragma once

#include <QString>
#include <QStringList>

namespace zg {

inline const QString kMakerName = QStringLiteral("VANTORO");
inline const QString kMakerAddress = QStringLiteral("www.vantoro.example");
inline const QString kManualAddress = QStringLiteral("https://www.vantoro.example/zelta-glow/manual.html");

// The About box: ten lines joined by carriage returns, their leading blanks part of the text.
QString AboutText();

// Said when nothing on the system could show the manual at `address`.
QString ManualNotShownText(const QString& address);

// The question of the Exit command.
QString ExitQuestion();

QString HowToText();
// Said before the maker's page is opened when the manual that came with the program is missing.
QString ManualMissingText(const QStringList& placesLookedAt);

} // namespace zg
