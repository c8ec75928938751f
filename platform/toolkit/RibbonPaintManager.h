#pragma once
// Paints the ribbon's own surfaces that a program may want to paint its way: the toolkit's
// painter fills the group row with the palette's plain gradient; a program installs its own
// through the paint manager (PaintManager::SetRibbonPaintManager).

class QPainter;
class QRect;
class RibbonTabBase;
struct RibbonPalette;

class RibbonPaintManager
{
public:
    RibbonPaintManager() = default;
    virtual ~RibbonPaintManager() = default;

    RibbonPaintManager(const RibbonPaintManager&) = delete;
    RibbonPaintManager& operator=(const RibbonPaintManager&) = delete;

    // Fills the row that holds the groups of the tab (the selected one; null when none).
    virtual void FillGroupsBackground(QPainter& painter, const RibbonTabBase* tab, const QRect& rect,
                                      const RibbonPalette& palette) const;
};
