#pragma once
// The look of the overall-statistics bar: its font, the height of its text rows, and the
// colours of its titles, segments and background (0x00BBGGRR).

#include "platform/base/LogFont.h"

#include <QtGlobal>

class IOverallWindowStyle
{
public:
    virtual ~IOverallWindowStyle() = default;
    virtual LogFont GetFont() const = 0;
    virtual int GetBarHeight() const = 0;
    virtual quint32 GetFontColor() const = 0;
    virtual quint32 GetIncreaseColor() const = 0;
    virtual quint32 GetDecreaseColor() const = 0;
    virtual quint32 GetNoChangeColor() const = 0;
    virtual quint32 GetBkColor() const = 0;
};
