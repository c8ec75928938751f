#pragma once
// Paints a ribbon from its layout: the rows, the context headers in their colours, the tabs,
// the system button, the groups and every control in its state. The group row's background
// comes from the ribbon paint manager of the current look.

#include "platform/toolkit/RibbonLayout.h"
#include "platform/toolkit/RibbonPalette.h"

class QPainter;
class RibbonBarBase;
class RibbonImageManager;
class RibbonPaintManager;

class RibbonPainter
{
public:
    RibbonPainter(QPainter& painter, const RibbonBarBase& ribbon, const RibbonImageManager& images,
                  const RibbonPalette& palette, const RibbonPaintManager& paintManager);

    void Paint(const RibbonLayout& layout);

private:
    void PaintHeaders(const RibbonLayout& layout);
    void PaintTabs(const RibbonLayout& layout);
    void PaintSystemButton(const RibbonLayout::ControlItem& item);
    void PaintGroup(const RibbonLayout::GroupItem& group);
    // A collapsed group's button: the group's picture (or its first control's) over its caption.
    void PaintCollapsedGroup(const RibbonLayout::GroupItem& group);
    void PaintScrollArrow(const QRect& rect, bool right);
    void PaintControl(const RibbonLayout::ControlItem& item);
    void PaintLarge(const RibbonLayout::ControlItem& item);
    void PaintSmall(const RibbonLayout::ControlItem& item);
    void PaintCheckBox(const RibbonLayout::ControlItem& item);
    void PaintGallery(const RibbonLayout::ControlItem& item);
    void PaintRightAligned(const RibbonLayout::ControlItem& item);
    void PaintHighlight(const RibbonLayout::ControlItem& item, const QRect& rect);
    void PaintArrow(const QPoint& center, bool enabled);
    QColor TextColor(bool enabled) const;

    QPainter& m_painter;
    const RibbonBarBase& m_ribbon;
    const RibbonImageManager& m_images;
    const RibbonPalette& m_palette;
    const RibbonPaintManager& m_paintManager;
};
