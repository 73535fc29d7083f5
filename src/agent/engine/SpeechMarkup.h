#pragma once

#include <QString>
#include <functional>

// What the character says aloud and what its balloon shows, from one text in the speech mark-up:
// - alternatives separated by "|" (outside tags), one of them chosen;
// - \Map="spoken"="shown"\ says one thing and shows another;
// - \Ctx="E-mail"\ speaks the addresses that follow as words ("santa at north dot pole");
// - every other tag (\Pau=500\, \Emp\ ...) is left out of both.
struct SpeechText {
    QString Spoken;
    QString Shown;
};

// `pick(n)` chooses one of n alternatives, 0..n-1; random by default.
SpeechText ParseSpeechMarkup(const QString& text, const std::function<int(int)>& pick = {});

// How many of the shown text's words to reveal once `spokenWords` of `spokenTotal` have been heard.
int ShownWordsFor(int spokenWords, int spokenTotal, int shownTotal);
int CountWords(const QString& text);
