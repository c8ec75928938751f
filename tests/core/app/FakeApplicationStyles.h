#pragma once
// Styles for the application object's tests: each style is a name, written as one file of that
// name into a folder and read back from the file names; every call is told to the shared event
// list as "Styles:...".

#include "core/app/IApplicationStyles.h"
#include "platform/settings/Settings.h"
#include "tests/core/mediator/MediatorFakes.h"

#include <QDir>
#include <QFile>

#include <map>

class FakeApplicationStyles : public IApplicationStyles
{
public:
    void EnableFontConversion(bool enable) override
    {
        Tell(QStringLiteral("Styles"), QStringLiteral("EnableFontConversion(%1)").arg(enable));
    }
    bool LoadStyles(const QString& folder, bool installed) override
    {
        Tell(QStringLiteral("Styles"), QStringLiteral("LoadStyles(%1,%2)").arg(QDir(folder).dirName()).arg(installed));
        for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name))
            styles.append(name);
        return true;
    }
    bool Unserialize(const Settings& tree) override
    {
        Tell(QStringLiteral("Styles"), QStringLiteral("Unserialize"));
        ConstSettingsIterator child = tree.Iterator(1);
        while (child.Iterate())
            styles.append(child.Name());
        return true;
    }
    bool SaveStyles(const QString& folder) override
    {
        Tell(QStringLiteral("Styles"), QStringLiteral("SaveStyles(%1)").arg(QDir(folder).dirName()));
        for (const QString& name : styles)
        {
            if (name == failOn)
                return false;
            QFile file(QDir(folder).filePath(name));
            if (!file.open(QIODevice::WriteOnly))
                return false;
        }
        return true;
    }
    void MakeAllRelatedStylesAsOwn() override { Tell(QStringLiteral("Styles"), QStringLiteral("MakeAllRelatedStylesAsOwn")); }
    void CopyRelatedStylesToOwn() override { Tell(QStringLiteral("Styles"), QStringLiteral("CopyRelatedStylesToOwn")); }
    QString GetStyleGuid(int styleId) override { return QStringLiteral("{GUID-%1}").arg(styleId); }
    bool LoadApplicationThemes() override
    {
        Tell(QStringLiteral("Styles"), QStringLiteral("LoadApplicationThemes"));
        return themesLoad;
    }
    QString GetRibbonThemeName() override { return QStringLiteral("Office2010;Black"); }
    void Release() override { Tell(QStringLiteral("Styles"), QStringLiteral("Release")); }

    QStringList styles;
    // The style whose writing fails.
    QString failOn;
    bool themesLoad = true;
};
