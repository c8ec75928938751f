#pragma once
// Keeps a copy of a user's file that the program is about to replace although it could not
// read it (a damaged file, a file of another version): the copy lies beside it as
// "<name>.bak" (or "<name>.bak2", "<name>.bak3"... when older copies exist), and an older
// copy is never replaced.

#include <QString>

namespace SettingsFileBackup
{
// True with the path of the copy made; false when the file cannot be read or no copy can be
// written (the reason is logged).
bool KeepCopy(const QString& path, QString& backupPath);
}
