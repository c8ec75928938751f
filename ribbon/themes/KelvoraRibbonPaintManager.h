#pragma once
// The program's ribbon paint manager: the group row of a contextual tab is painted in the tab's
// context colour (the theme image "CONTEXTTAB<colour>CLIENT"), that of a main tab (level 1,
// even when it has a context colour) or of a tab without one in the plain look ("RIBBONGROUPS").

#include "platform/toolkit/RibbonPaintManager.h"

#include <QString>

class KelvoraRibbonPaintManager : public RibbonPaintManager
{
public:
    // "BLUE", "YELLOW", "GREEN", "RED", "PURPLE", "CYAN", "ORANGE" for the context colours 1
    // to 7; empty for any other value.
    static QString GetContextColorWord(int color);
    // "CONTEXTTAB%sCLIENT" with the colour word.
    static QString GetContextTabImageName(const QString& colorWord);
    // The image the tab's group row is painted from; "RIBBONGROUPS" also for no tab.
    static QString GetGroupsBackgroundImageName(const RibbonTabBase* tab);

    void FillGroupsBackground(QPainter& painter, const RibbonTabBase* tab, const QRect& rect,
                              const RibbonPalette& palette) const override;
};
