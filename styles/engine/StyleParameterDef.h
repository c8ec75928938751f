#pragma once
// One parameter or relation of a style kind whose parameters are given by a table: its id, the
// key it is stored under, what it holds and its default.

#include "styles/engine/GdiObject.h"
#include "platform/modules/StyleType.h"

#include <QString>

#include <vector>

enum class StyleParameterKind
{
    Value,   // a number
    Flag,    // 0 or 1; any value but 0 is stored as 1
    Colour,  // a ColorRef value, special values included
    Pen,     // a GDI object: LogPen
    Font,    // a GDI object: LogFont
};

struct StyleParameterDef
{
    int id;
    QString key;
    StyleParameterKind kind;
    qint32 defaultValue = 0;      // values, flags and colours
    GdiObject defaultObject = {};  // pens and fonts

    bool IsObject() const { return kind == StyleParameterKind::Pen || kind == StyleParameterKind::Font; }
};

struct StyleRelationDef
{
    int id;
    QString key;
    StyleType kind;
};

using StyleParameterTable = std::vector<StyleParameterDef>;
using StyleRelationTable = std::vector<StyleRelationDef>;
