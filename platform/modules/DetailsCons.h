#pragma once
// The consumer of the details library: windows with every figure of one instrument.

#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/ConsumerBase.h"

#include <memory>
#include <vector>

class Asset;
class StyleBase;

class DetailsCons : public ConsumerBase
{
public:
    // A new window in the panel view, on the instrument when one is given; false when none opened.
    virtual bool ShowDetailsDlg(QWidget* view, const Asset* asset, int flags) = 0;
    virtual void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const = 0;

    // The style the library's windows show when they have none of their own.
    virtual std::shared_ptr<StyleBase> DefaultStyle() const = 0;

    // The operations below act on the library's active window (the one the user activated
    // last); without one they do nothing and the getters answer false / 0.
    virtual void RedrawActiveDetails() = 0;
    virtual bool IsActiveDetailsColumnWidthLocked() const = 0;
    virtual void LockActiveDetailsColumnWidth(bool locked) = 0;
    // The active window's style; a preview shows another style until cancelled or applied.
    virtual int GetActiveDetailsStyleID() const = 0;
    // True when the window now shows the style.
    virtual bool OnActiveDetailsPreviewStyleChanged(int styleId) = 0;
    virtual void CancelActiveDetailsPreviewStyle() = 0;
    virtual void ApplyActiveDetailsPreviewStyle() = 0;
    // Display parameters by row group and parameter code: colours (0x00BBGGRR), font size
    // (12) and the special values 0x7FFFFFFF (the style's own), 0x7FFFFFFE / 0x7FFFFFFD (one
    // step larger / smaller). A change is a preview until applied or cancelled.
    virtual void ChangeDdsParams(int group, int param, int value) = 0;
    virtual int GetDdsParams(int group, int param) const = 0;
    virtual void CancelDdsParams() = 0;
    virtual void ApplyDdsParams() = 0;
    // Back to the style the window follows.
    virtual void DdsRestore() = 0;
    // Moves the selected row of the active window by the step (negative: up).
    virtual void MoveActiveDetailsRow(int step) = 0;
};
