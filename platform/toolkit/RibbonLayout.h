#pragma once
// Where everything of a ribbon sits at a given width: the context-header row, the tab row
// with the system button and the right-aligned controls, and the groups of the selected tab
// with their controls. The view paints from it and hit-tests against it.
//
// Hit codes: the system button answers the system-menu code, the free parts of the header
// and tab rows the caption code, tabs, headers, controls and the group row the client code.
//
// Groups that do not fit shrink as ribbons do, from the rightmost group on: first their large
// buttons become small ones, then a group collapses into one button that opens its controls
// in a popup. Only a tab that is too wide even then scrolls.

#include "platform/toolkit/RibbonContextHeader.h"
#include "platform/toolkit/RibbonHit.h"

#include <QFontMetrics>
#include <QRect>
#include <QStringList>

#include <vector>

class RibbonBarBase;
class RibbonControl;
class RibbonGroupBase;
class RibbonImageManager;
class RibbonTabBase;

struct RibbonLayout
{
    static constexpr int kHeaderHeight = 20;
    static constexpr int kTabHeight = 24;
    static constexpr int kGroupRowHeight = 96;
    static constexpr int kSmallRowHeight = 22;
    static constexpr int kGroupCaptionHeight = 18;
    static constexpr int kScrollArrowWidth = 14;

    enum class Reduction
    {
        None,
        SmallButtons,
        Collapsed,
    };

    struct ControlItem
    {
        RibbonControl* control = nullptr;
        QRect rect;
        // The part of a split button that opens its popup.
        QRect arrowRect;
        bool large = false;
    };
    struct GroupItem
    {
        RibbonGroupBase* group = nullptr;
        QRect rect;
        QRect captionRect;
        std::vector<ControlItem> controls;
        // Vertical lines between the columns that a begin-group flag started.
        std::vector<int> separators;
        // How far the group shrank to fit.
        Reduction reduction = Reduction::None;
        // A collapsed group is this one button; it has no controls laid out.
        QRect collapsedButton;
    };
    struct TabItem
    {
        RibbonTabBase* tab = nullptr;
        QRect rect;
    };
    struct HeaderItem
    {
        RibbonContextHeader header;
        QRect rect;
    };

    RibbonLayout() = default;
    // groupScroll: how far the groups of a tab wider than the ribbon are scrolled to the left;
    // it is clamped to what the groups need.
    RibbonLayout(const RibbonBarBase& ribbon, const RibbonImageManager& images, const QFontMetrics& metrics, int width,
                 int groupScroll = 0);

    int Height() const { return height; }
    RibbonHit HitTest(const QPoint& point) const;
    const ControlItem* FindControl(const RibbonControl* control) const;
    // The laid-out group whose collapsed button holds the point; null when none.
    const GroupItem* CollapsedGroupAt(const QPoint& point) const;

    // A caption as shown: "&" mnemonic markers and a "\t" shortcut part removed.
    static QString DisplayText(const QString& caption);
    // A large control's caption on at most two lines, split at the space nearest the middle.
    static QStringList LargeCaptionLines(const QString& caption, const QFontMetrics& metrics);
    static bool IsLarge(const RibbonControl& control, const RibbonImageManager& images);

    int width = 0;
    int height = 0;
    QRect headerRow;
    QRect tabRow;
    QRect groupRow;
    ControlItem systemButton;
    std::vector<TabItem> tabs;
    std::vector<HeaderItem> headers;
    std::vector<ControlItem> rightControls;
    std::vector<GroupItem> groups;
    // The groups' scroll as applied, and the arrows that scroll them further (empty when the
    // groups cannot move that way).
    int groupScroll = 0;
    QRect scrollLeft;
    QRect scrollRight;

private:
    void ScrollGroups(int requested, int extent);
    void LayOutGroup(RibbonGroupBase& group, const RibbonImageManager& images, const QFontMetrics& metrics, int& x,
                     Reduction reduction);
    // The reductions that make the groups fit the width, as few and as far right as they can be.
    std::vector<Reduction> FitGroups(const std::vector<RibbonGroupBase*>& shown, const RibbonImageManager& images,
                                     const QFontMetrics& metrics) const;
};
