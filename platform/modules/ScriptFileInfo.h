#pragma once
// A user-defined indicator of the formula language: its name, its script file, the alias the
// program lists it by and whether it can be drawn.

#include <QString>

struct ScriptFileInfo
{
    QString name;
    QString path;
    QString alias;
    bool drawable = true;

    bool IsDrawable() const { return drawable; }
};
