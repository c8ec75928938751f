#pragma once
// A general-settings group that keeps a default object: a parameter names a file (the key
// given at construction), and the group keeps that file's content under "DefaultObject" of its
// settings tree, so the object is there even when the file later moves or changes. Saving the
// group reads the named file anew.

#include "core/settings/GeneralSettingsGroupManagerBase.h"

#include <QString>

class GeneralSettingsGroupMangerWithDefaultObject : public GeneralSettingsGroupManagerBase
{
public:
    static const QString kDefaultObjectKey;

    explicit GeneralSettingsGroupMangerWithDefaultObject(QString pathKey);

    // With a file named by the path parameter, that file is first read into "DefaultObject";
    // false (logged, nothing written) when it cannot be read.
    bool SaveGroup(std::shared_ptr<Settings> node) override;

    // A file was written at the path: when it is the file the group's path parameter names, the
    // kept object is read anew from it and the current settings saved, so that what follows the
    // object sees the new content. False when it is another file or it cannot be read (logged).
    bool OnStateFileContentChanged(const QString& path);

    const QString& GetPathKey() const { return m_pathKey; }
    // The file the node's path parameter names; empty when none.
    QString ExtractDefaultObjectFilePath(const Settings& node) const;

protected:
    // Reads the object file into the tree's "DefaultObject"; false (tree unchanged) when it
    // cannot be read. What is wrong goes to errorText.
    virtual bool LoadDefaultObject(Settings& tree, const QString& path, QString* errorText) = 0;

private:
    QString m_pathKey;
};
