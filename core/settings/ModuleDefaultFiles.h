#pragma once
// The default window-template files of the module libraries' windows, by module id: each
// module keeps a factory template beside the executable and the user's current template in
// its folder of the application data. Id 3 and ids outside 1..8 have no template.

#include <QString>

enum class ModuleDefaultFileKind
{
    Current,  // the user's, in the application data (the module folder is made when missing)
    Base      // the factory copy in "InstallSettings"
};

// Empty for a module without a template.
QString GetModuleDefaultFilePath(int moduleId, ModuleDefaultFileKind kind);
// The root element of the module's template files; empty for a module without a template.
QString GetModuleDefaultRootName(int moduleId);
// True when the current template loads under the module's root and names a non-empty
// "TemplateObjectNodePath", the sign of a usable template.
bool CheckModuleDefaultFile(int moduleId);
