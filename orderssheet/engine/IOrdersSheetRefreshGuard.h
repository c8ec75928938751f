#pragma once
// Told by a sheet's processing thread, on that thread, that both data sets hold a new output.

class IOrdersSheetRefreshGuard
{
public:
    virtual ~IOrdersSheetRefreshGuard() = default;

    virtual void NotifyRefresh() = 0;
};
