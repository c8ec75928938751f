#pragma once
// Keeps what the user had when the program is about to replace a file of its own that it could
// not read (a damaged file, a file of another version): the copy lies beside it as
// "<name>.bak" (or "<name>.bak2", "<name>.bak3"... when older copies exist), and an older copy
// is never replaced. A file the user made read-only is not replaced at all.

#include <QString>

#include <functional>

namespace FileBackup
{
// True with the path of the copy made (or of an earlier copy with the same content); false
// when the file cannot be read or no copy can be written (the reason is logged).
bool KeepCopy(const QString& path, QString& backupPath);

// Renames a file or folder to the first free backup name beside it; false (logged) when it
// cannot.
bool MoveAside(const QString& path, QString& backupPath);

// Whether the file's owner may not write it: the user's sign that it must stay as it is.
bool IsReadOnly(const QString& path);

// Asked before the program writes over a file of its own state; true when it may. A missing or
// empty file and one that isReadable accepts may be replaced; a read-only file is left as it
// is, and an unreadable one is kept as a copy first. Both are logged under the given module and
// place; false when the file is left or its copy could not be made.
bool MayReplace(const QString& path, const std::function<bool(const QString&)>& isReadable, const QString& module,
                const QString& place);
}
