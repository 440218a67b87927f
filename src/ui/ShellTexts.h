#pragma once

#include <QString>

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

inline const QString kHowToText = QStringLiteral(" Redirecting to VANTORO webpage for more info...");
// Said instead when the manual that came with the program is there to open.
inline const QString kHowToManualText = QStringLiteral(" Opening the Zelta-Glow user manual...");

} // namespace zg
