#pragma once
// The consumer of the offers library: windows with an instrument's order book by price level.

#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/ConsumerBase.h"

#include <memory>
#include <vector>

class Asset;
class StyleBase;

class OffersConsumer : public ConsumerBase
{
public:
    // A new window in the panel view, on the instrument when one is given; false when none opened.
    virtual bool ShowNewOffersDlg(QWidget* view, const Asset* asset, int flags) = 0;
    virtual void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const = 0;

    // The style the library's windows show when they have none of their own.
    virtual std::shared_ptr<StyleBase> DefaultStyle() const = 0;

    // The operations below act on the library's active window (the one the user activated
    // last); without one they do nothing and the getters answer false / 0.
    virtual void RedrawActiveOffers() = 0;
    virtual bool IsActiveOffersColumnWidthLocked() const = 0;
    virtual void LockActiveOffersColumnWidth(bool locked) = 0;
    // The active window's style; a preview shows another style until cancelled or applied.
    virtual int GetActiveOffersStyleID() const = 0;
    // True when the window now shows the style.
    virtual bool OnActiveOffersPreviewStyleChanged(int styleId) = 0;
    virtual void CancelActiveOffersPreviewStyle() = 0;
    virtual void ApplyActiveOffersPreviewStyle() = 0;
    // Display parameters by row group and parameter code: colours (0x00BBGGRR), font size
    // (12) and the special values 0x7FFFFFFF (the style's own), 0x7FFFFFFE / 0x7FFFFFFD (one
    // step larger / smaller). A change is a preview until applied or cancelled.
    virtual void ChangeOdsParams(int group, int param, int value) = 0;
    virtual int GetOdsParams(int group, int param) const = 0;
    virtual void CancelOdsParams() = 0;
    virtual void ApplyOdsParams() = 0;
    // Back to the style the window follows.
    virtual void OdsRestore() = 0;
    // Switches the active window between the vertical and the horizontal layout.
    virtual void ToggleActiveOffersView() = 0;
};
