#pragma once
// A user-defined indicator of the formula language: its name and its script file.

#include <QString>

struct ScriptFileInfo
{
    QString name;
    QString path;
};
