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
// The Exit question while a download sends its items, which have got this far.
QString ExitQuestionDuringDownload(int itemsSent);
// The question when the window is closed while a download sends its items.
QString CloseQuestionDuringDownload(int itemsSent);

QString HowToText();
// Said before the maker's page is opened when the manual that came with the program is missing.
QString ManualMissingText(const QStringList& placesLookedAt);

} // namespace zg
