#pragma once
// The grid lines of the statistics grids as their handlers draw them: the pen, its width and
// which lines show. The session-statistics style answers it.

#include "platform/base/LogPen.h"

class IGridLineManager
{
public:
    virtual ~IGridLineManager() = default;
    virtual LogPen GetGridLinePen() const = 0;
    virtual int GetGridLineWidth() const = 0;
    virtual bool IsVertGridLineVisible() const = 0;
    virtual bool IsHorzGridLineVisible() const = 0;
};
