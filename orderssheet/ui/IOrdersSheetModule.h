#pragma once
// The orders-sheet module as its windows reach it: the windows' bookkeeping between the
// instruments' sheet instances and the module's own collection of windows without an
// instrument, their numbers, and the module's current window. The edition's module class
// implements it. Main thread only.

#include <QString>

class Asset;
class CmdTarget;
class IGenericModule;
class IOrdersSheetWindow;
class OrdersSheetAssetInstance;
class QWidget;

class IOrdersSheetModule
{
public:
    virtual ~IOrdersSheetModule() = default;

    virtual IGenericModule* GetGenericModule() = 0;
    // The target of the sheet's ribbon commands; null when the edition has none.
    virtual CmdTarget* GetSheetCmdTarget() = 0;

    // The window joins the instrument's instance (made and started with its first window). A
    // null window raises InvalidArgException; false (the window kept by its caller) when the
    // instance cannot start.
    virtual bool AttachWindowToAsset(const Asset& asset, IOrdersSheetWindow* window) = 0;
    virtual bool ChangeWindowAsset(const Asset& oldAsset, const Asset& newAsset, IOrdersSheetWindow* window) = 0;
    // Deletes the window; its instance goes with its last window.
    virtual void RemoveWindowFromAsset(IOrdersSheetWindow* window, const Asset& asset) = 0;
    virtual OrdersSheetAssetInstance* FindInstance(const Asset& asset) const = 0;
    // Windows without an instrument: the module owns them.
    virtual void AddOwnWindow(IOrdersSheetWindow* window) = 0;
    // Gives the window up without deleting it.
    virtual void DetachOwnWindow(IOrdersSheetWindow* window) = 0;
    // Deletes the window.
    virtual void RemoveOwnWindow(IOrdersSheetWindow* window) = 0;
    // The window is being destroyed by its panel: the module forgets it wherever it is.
    virtual void ForgetWindow(IOrdersSheetWindow* window) = 0;
    // The lowest number from 1 that no other window of the instrument (or, for null, of the
    // module's own collection) has.
    virtual int GetFreeWindowNumber(const IOrdersSheetWindow* window, const Asset* asset) const = 0;
    // The window the module's commands act on; null when none.
    virtual void SetCurrentWindow(QWidget* window) = 0;
};
