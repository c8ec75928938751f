#pragma once
// The consumer of the transaction-list library: windows listing an instrument's transactions.

#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/ConsumerBase.h"

#include <QDate>

#include <memory>
#include <vector>

class Asset;
class StyleBase;

class TransListCons : public ConsumerBase
{
public:
    // A new window in the panel view, on the instrument when one is given; false when none opened.
    virtual bool ShowNewTransList(QWidget* view, const Asset* asset, int flags) = 0;
    virtual void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const = 0;

    // The style the library's windows show when they have none of their own.
    virtual std::shared_ptr<StyleBase> DefaultStyle() const = 0;

    // The operations below act on the library's active window (the one the user activated
    // last); without one they do nothing and the getters answer false / 0.
    virtual void RedrawActiveTransList() = 0;
    virtual bool IsActiveTranslistColumnWidthLocked() const = 0;
    virtual void LockActiveTranslistColumnWidth(bool locked) = 0;
    // The active window's style; a preview shows another style until cancelled or applied.
    virtual int GetActiveTransListStyleID() const = 0;
    // True when the window now shows the style.
    virtual bool OnActiveTransListPreviewStyleChanged(int styleId) = 0;
    virtual void CancelActiveTranslistPreviewStyle() = 0;
    virtual void ApplyActiveTranslistPreviewStyle() = 0;
    // Display parameters by row group and parameter code: colours (0x00BBGGRR), font size
    // (12) and the special values 0x7FFFFFFF (the style's own), 0x7FFFFFFE / 0x7FFFFFFD (one
    // step larger / smaller). A change is a preview until applied or cancelled.
    virtual void ChangeTldsParams(int group, int param, int value) = 0;
    virtual int GetTldsParams(int group, int param) const = 0;
    virtual void CancelTldsParams() = 0;
    virtual void ApplyTldsParams() = 0;
    // Back to the style the window follows.
    virtual void TldsRestore() = 0;
    virtual bool IsActiveTranslistScrollHidden() const = 0;
    virtual void HideActiveTranslistScroll(bool hidden) = 0;
    // Whether the active window shows an instrument.
    virtual bool ActiveTransListInstrumentAssigned() const = 0;
    // The session whose transactions the active window shows; a past session is history.
    virtual void SetActiveTransListSessionDate(const QDate& date) = 0;
    virtual bool ActiveTranslistShowsHistory() const = 0;
    // Back to the running session.
    virtual void SynchroniseActiveTransListData() = 0;
};
