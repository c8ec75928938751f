#pragma once
// Whether a module opens a window file by the file's name: the name must end with the module's
// window-file extension or with an extension its file filter lists ("*.q4sOS", "*.q4ssOS"),
// compared exactly. A filter for every file ("*.*") claims nothing.

#include <QString>
#include <QStringList>

class IGenericModule;

class ModuleFileMatch
{
public:
    static bool Claims(const IGenericModule& module, const QString& fileName);
    // The extensions ("*.ext" without the star) a filter "Description|*.a;*.b|...||" lists.
    static QStringList FilterExtensions(const QString& filter);
};
