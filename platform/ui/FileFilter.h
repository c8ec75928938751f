#pragma once
// File-type filters as the program writes them, "Description (*.ext)|*.ext;*.ex2|...||",
// turned into the filters of a Qt file dialog. Qt reads the patterns from the parentheses of
// the text, so each filter's text ends in its own patterns, and "*.*" (every file) becomes "*".

#include <QString>
#include <QStringList>

class FileFilter
{
public:
    // Empty for an empty filter or one whose last description has no patterns.
    static QStringList ToQtFilters(const QString& filter);
    // The position (from 1) of the first filter with a pattern that the file name matches; 1
    // when none does.
    static int IndexOfMatch(const QString& filter, const QString& fileName);
};
