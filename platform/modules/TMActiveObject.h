#pragma once
// The transactions monitor's facade for the ribbon: its active window's settings through
// numbered contexts and its display parameters (row group 0 odd rows, 1 even rows). With no
// window open every call does nothing and GetValue answers an empty value. Main thread only.

#include "platform/modules/SimpleValue.h"

class TMActiveObject
{
public:
    enum EContext : int
    {
        ContextLock = 1,          // SetValue switches the column lock; GetValue is the lock
        ContextScroll = 2,        // SetValue switches the scroll bar's hiding; GetValue: shown
        ContextStyleId = 3,       // GetValue: the id of the active style
        ContextPreviewStyle = 4,  // SetValue(4, id) previews the style
        ContextCancelPreview = 5,
        ContextApplyPreview = 6,
    };

    virtual ~TMActiveObject() = default;

    virtual void SetValue(int context, int value = 0) = 0;
    virtual SimpleValue GetValue(int context) const = 0;

    virtual void ChangeDSParam(int group, int param, int value) = 0;
    virtual int GetDSParam(int group, int param) const = 0;
    virtual void CancelDSParam() = 0;
    virtual void ApplyDSParam() = 0;
    virtual void RestoreDSParam() = 0;

    // Lets the user choose the instruments the active window follows.
    virtual void ManageAssets() = 0;
};
