#pragma once
// Qt's own Polish texts: the standard dialogs (open and save, the question before a file is
// replaced), the standard buttons and the context menus of edits, from the catalogue that
// Debian installs with Qt ("qtbase_pl.qm" in Qt's translations folder). Installed once at
// start, before any window shows. Main thread only.

#include <QString>

class QtPolishTranslations
{
public:
    // True when the catalogue is installed in the application (also when it already was);
    // false, with the reason, when it cannot be loaded: Qt's dialogs then speak English.
    static bool Install(QString* errorText = nullptr);
};
