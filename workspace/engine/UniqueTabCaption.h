#pragma once
// The caption a screen tab gets when the user names it: the name as typed without its trailing
// blanks, made unique among the other screens' captions by " (1)", " (2)"... Captions compare
// exactly, so names differing in case are different names.

#include <QString>
#include <QStringList>

class UniqueTabCaption
{
public:
    // The wanted name, or "<wanted> (n)" with the smallest n not among the others.
    static QString Make(const QStringList& otherCaptions, const QString& wanted);
    // The text without the blanks (' ') at its end.
    static QString TrimTrailingBlanks(const QString& text);
};
