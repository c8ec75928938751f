#pragma once
// The colours of a theme file "<theme><colour>.ini": the ribbon's palette with the context
// colours of contextual tabs, the colours other windows ask for by toolkit colour index, and
// the named colours of the galleries. A file that lacks one of them is refused whole.
//
// Sections: [Ribbon] Frame, FrameText, SelectedTabText, GroupText, GroupRowTop, GroupRowBottom,
// Border, GroupCaption, Text, DisabledText, Hot, HotBorder, Pressed, Checked, SystemButton,
// SystemButtonText; [ContextColors] Blue, Yellow, Green, Red, Purple, Cyan, Orange;
// [XtremeColors] 30, 41, 44, 52, 53, 56; [Toolbar] ControlGallerySelected, ControlGalleryNormal,
// ControlGalleryBorder.

#include "platform/toolkit/RibbonPalette.h"

#include <QColor>
#include <QHash>
#include <QString>

#include <vector>

class RibbonThemeColors
{
public:
    // The toolkit colour indexes a theme file sets.
    static const std::vector<int>& XtremeColorIndexes();

    // False, the reason in errorText and this object unchanged, when the file cannot be read
    // or lacks a colour.
    bool Load(const QString& path, QString* errorText = nullptr);

    const RibbonPalette& GetRibbonPalette() const { return m_palette; }
    const QHash<int, QColor>& GetXtremeColors() const { return m_xtremeColors; }
    // Keyed by PaintManager::ImageColorKey.
    const QHash<QString, QColor>& GetImageColors() const { return m_imageColors; }

private:
    RibbonPalette m_palette;
    QHash<int, QColor> m_xtremeColors;
    QHash<QString, QColor> m_imageColors;
};
