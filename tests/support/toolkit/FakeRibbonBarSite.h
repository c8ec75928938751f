#pragma once
// Stands in for the ribbon's view: answers hit tests from a table of points, and records the
// popups the ribbon asked it to show and close.

#include "platform/toolkit/IRibbonBarSite.h"

#include <map>
#include <utility>
#include <vector>

class FakeRibbonBarSite : public IRibbonBarSite
{
public:
    void SetHit(const QPoint& point, const RibbonHit& hit) { m_hits[{point.x(), point.y()}] = hit; }

    RibbonHit HitTest(const QPoint& point) const override;
    QPoint MapToGlobal(const QPoint& point) const override { return point; }
    QRect ScreenRect(const RibbonControl&) const override { return {0, 0, 10, 10}; }
    void TrackPopup(RibbonControl& control) override { m_popups.push_back(&control); }
    void ClosePopups() override { ++m_closes; }

    const std::vector<RibbonControl*>& Popups() const { return m_popups; }
    int Closes() const { return m_closes; }

private:
    std::map<std::pair<int, int>, RibbonHit> m_hits;
    std::vector<RibbonControl*> m_popups;
    int m_closes = 0;
};
