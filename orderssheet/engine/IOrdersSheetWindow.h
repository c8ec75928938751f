#pragma once
// An orders-sheet window as its sheet instance sees it. The instance owns the windows of its
// collection, and calls them on the main thread only.

#include <memory>

class AlertExprArgList;

class IOrdersSheetWindow
{
public:
    static constexpr int kNoStyleId = -2;

    virtual ~IOrdersSheetWindow() = default;

    // The window exists on screen; a window that does not is not told of new data.
    virtual bool HasWindowHandle() const = 0;
    // Both data sets of the instance hold a new output: the window reads them under the
    // instance's lock, and prunes its row styles to the instance's row keys.
    virtual void OnNewDataSetState() = 0;
    // Alert-argument values offered to the window's tables.
    virtual void PublishArgumentValues(const std::shared_ptr<const AlertExprArgList>& values) = 0;
    // The id of the window's named style; kNoStyleId or 0 when it has none.
    virtual int GetStyleId() const = 0;
};
