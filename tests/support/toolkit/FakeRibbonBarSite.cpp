#include "tests/support/toolkit/FakeRibbonBarSite.h"

RibbonHit FakeRibbonBarSite::HitTest(const QPoint& point) const
{
    const auto found = m_hits.find({point.x(), point.y()});
    return found == m_hits.end() ? RibbonHit{} : found->second;
}
