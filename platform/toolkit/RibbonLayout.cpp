#include "platform/toolkit/RibbonLayout.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryGeometry.h"
#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonImageManager.h"
#include "platform/toolkit/RibbonTabBase.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace
{
constexpr int kMargin = 4;
constexpr int kArrowWidth = 10;
constexpr int kDefaultFieldWidth = 100;
constexpr int kRows = 3;

int TextWidth(const QFontMetrics& metrics, const QString& caption)
{
    return metrics.horizontalAdvance(RibbonLayout::DisplayText(caption));
}

int SmallWidth(const RibbonControl& control, const QFontMetrics& metrics)
{
    const int text = control.GetCaption().isEmpty() ? 0 : TextWidth(metrics, control.GetCaption()) + 4;
    switch (control.GetType())
    {
    case RibbonControlCheckBox:
        return 13 + 6 + text + 4;
    case RibbonControlLabel:
        return text + 6;
    case RibbonControlEdit:
    case RibbonControlComboBox:
        return text + (control.GetWidth() > 0 ? control.GetWidth() : kDefaultFieldWidth) + 4;
    default:
        return 4 + 16 + 4 + text + (control.HasPopupType() ? kArrowWidth : 0) + 2;
    }
}

int LargeWidth(const RibbonControl& control, const QFontMetrics& metrics)
{
    int widest = 32;
    for (const QString& line : RibbonLayout::LargeCaptionLines(control.GetCaption(), metrics))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return std::max(42, widest + 10 + (control.HasPopupType() ? kArrowWidth / 2 : 0));
}
}

RibbonLayout::RibbonLayout(const RibbonBarBase& ribbon, const RibbonImageManager& images,
                           const QFontMetrics& metrics, int layoutWidth, int requestedGroupScroll)
    : width(layoutWidth)
{
    headerRow = QRect(0, 0, width, kHeaderHeight);
    tabRow = QRect(0, kHeaderHeight, width, kTabHeight);
    int x = kMargin;
    if (RibbonControl* system = ribbon.GetSystemButton())
    {
        const int buttonWidth = std::max(48, TextWidth(metrics, system->GetCaption()) + 24);
        systemButton = {system, QRect(x, tabRow.top() + 1, buttonWidth, kTabHeight - 2), {}, false};
        x += buttonWidth + 6;
    }
    for (int index = 0; index < ribbon.GetTabCount(); ++index)
    {
        RibbonTabBase* tab = ribbon.GetTab(index);
        if (!tab->IsVisible())
            continue;
        const int tabWidth = TextWidth(metrics, tab->GetCaption()) + 22;
        tabs.push_back({tab, QRect(x, tabRow.top(), tabWidth, kTabHeight)});
        x += tabWidth + 2;
    }
    for (const RibbonContextHeader& header : ribbon.GetContextHeaders())
    {
        QRect first;
        QRect last;
        for (const TabItem& item : tabs)
        {
            if (item.tab == header.firstTab)
                first = item.rect;
            if (item.tab == header.lastTab)
                last = item.rect;
        }
        headers.push_back({header, QRect(QPoint(first.left(), 0), QPoint(last.right(), kHeaderHeight - 1))});
    }
    int right = width - kMargin;
    const auto& rightAligned = ribbon.GetRightAlignedControls();
    for (auto it = rightAligned.rbegin(); it != rightAligned.rend(); ++it)
    {
        RibbonControl* control = it->get();
        if (!control->IsVisible())
            continue;
        const bool iconOnly = images.HasIcon(control->GetID(), RibbonImageManager::kSmall);
        const int controlWidth = iconOnly ? 24 : TextWidth(metrics, control->GetCaption()) + 12
                                                     + (control->HasPopupType() ? kArrowWidth : 0);
        right -= controlWidth;
        rightControls.insert(rightControls.begin(),
                             {control, QRect(right, tabRow.top() + 2, controlWidth, kTabHeight - 4), {}, false});
        right -= 2;
    }
    height = kHeaderHeight + kTabHeight;
    RibbonTabBase* selected = ribbon.GetSelectedTab();
    if (ribbon.IsRibbonMinimized())
        return;
    groupRow = QRect(0, height, width, kGroupRowHeight);
    height += kGroupRowHeight;
    if (selected == nullptr)
        return;
    std::vector<RibbonGroupBase*> shown;
    for (const auto& group : selected->GetGroups())
    {
        if (group->IsVisible())
            shown.push_back(group.get());
    }
    const std::vector<Reduction> reductions = FitGroups(shown, images, metrics);
    int groupX = kMargin;
    for (std::size_t index = 0; index < shown.size(); ++index)
        LayOutGroup(*shown[index], images, metrics, groupX, reductions[index]);
    ScrollGroups(requestedGroupScroll, groupX);
}

std::vector<RibbonLayout::Reduction> RibbonLayout::FitGroups(const std::vector<RibbonGroupBase*>& shown,
                                                             const RibbonImageManager& images,
                                                             const QFontMetrics& metrics) const
{
    // Each group's width at each step, measured by laying it out alone.
    const Reduction steps[] = {Reduction::None, Reduction::SmallButtons, Reduction::Collapsed};
    std::vector<std::array<int, 3>> widths(shown.size());
    for (std::size_t index = 0; index < shown.size(); ++index)
    {
        for (std::size_t step = 0; step < 3; ++step)
        {
            RibbonLayout probe;
            probe.groupRow = groupRow;
            int x = 0;
            probe.LayOutGroup(*shown[index], images, metrics, x, steps[step]);
            widths[index][step] = x;
        }
    }
    std::vector<Reduction> reductions(shown.size(), Reduction::None);
    std::vector<std::size_t> current(shown.size(), 0);
    const auto extent = [&] {
        int total = kMargin;
        for (std::size_t index = 0; index < shown.size(); ++index)
            total += widths[index][current[index]];
        return total;
    };
    for (std::size_t step = 1; step < 3; ++step)
    {
        for (std::size_t index = shown.size(); index-- > 0 && extent() > width;)
        {
            // A step that saves nothing is not taken.
            if (widths[index][step] < widths[index][current[index]])
            {
                current[index] = step;
                reductions[index] = steps[step];
            }
        }
    }
    return reductions;
}

const RibbonLayout::GroupItem* RibbonLayout::CollapsedGroupAt(const QPoint& point) const
{
    for (const GroupItem& group : groups)
    {
        if (group.reduction == Reduction::Collapsed && group.collapsedButton.contains(point))
            return &group;
    }
    return nullptr;
}

void RibbonLayout::ScrollGroups(int requested, int extent)
{
    // A tab wider than the ribbon scrolls, so that every control stays reachable; the arrows
    // keep the end groups clear of themselves.
    if (extent <= width)
        return;
    const int maxScroll = extent - width + 2 * kScrollArrowWidth;
    groupScroll = std::clamp(requested, 0, maxScroll);
    const int shift = kScrollArrowWidth - groupScroll;
    for (GroupItem& group : groups)
    {
        group.rect.translate(shift, 0);
        group.captionRect.translate(shift, 0);
        group.collapsedButton.translate(shift, 0);
        for (ControlItem& control : group.controls)
        {
            control.rect.translate(shift, 0);
            if (!control.arrowRect.isEmpty())
                control.arrowRect.translate(shift, 0);
        }
        for (int& separator : group.separators)
            separator += shift;
    }
    const QRect arrow(0, groupRow.top() + 1, kScrollArrowWidth, groupRow.height() - 2);
    if (groupScroll > 0)
        scrollLeft = arrow;
    if (groupScroll < maxScroll)
        scrollRight = arrow.translated(width - kScrollArrowWidth, 0);
}

void RibbonLayout::LayOutGroup(RibbonGroupBase& group, const RibbonImageManager& images, const QFontMetrics& metrics,
                               int& x, Reduction reduction)
{
    GroupItem item;
    item.group = &group;
    item.reduction = reduction;
    const int top = groupRow.top() + 3;
    if (reduction == Reduction::Collapsed)
    {
        int widest = 32;
        for (const QString& line : LargeCaptionLines(group.GetCaption(), metrics))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        const int groupWidth = std::max(48, widest + 10 + kArrowWidth / 2) + 6;
        item.rect = QRect(x, groupRow.top() + 1, groupWidth, kGroupRowHeight - 3);
        item.collapsedButton = QRect(x + 3, top, groupWidth - 6, kGroupRowHeight - 9);
        groups.push_back(std::move(item));
        x += groupWidth + 3;
        return;
    }
    const int contentHeight = kRows * kSmallRowHeight;
    int columnX = x + 6;
    int columnWidth = 0;
    int row = 0;
    const auto finishColumn = [&] {
        if (columnWidth > 0)
            columnX += columnWidth + 3;
        columnWidth = 0;
        row = 0;
    };
    for (const auto& owned : group.GetControls())
    {
        RibbonControl* control = owned.get();
        if (!control->IsVisible())
            continue;
        if (control->GetBeginGroup() && (columnWidth > 0 || !item.controls.empty()))
        {
            finishColumn();
            item.separators.push_back(columnX);
            columnX += 4;
        }
        if (control->GetType() == RibbonControlGallery)
        {
            finishColumn();
            const auto* gallery = static_cast<GalleryControl*>(control);
            const int galleryWidth =
                control->GetWidth() > 0 ? control->GetWidth() : gallery->GetItemSize().width() * 3;
            item.controls.push_back({control, QRect(columnX, top, galleryWidth, contentHeight), {}, true});
            columnWidth = galleryWidth;
            finishColumn();
        }
        else if (IsLarge(*control, images) && reduction == Reduction::None)
        {
            finishColumn();
            const QRect rect(columnX, top, LargeWidth(*control, metrics), contentHeight);
            QRect arrow;
            if (control->GetType() == RibbonControlSplitButtonPopup)
                arrow = QRect(rect.left(), rect.top() + 38, rect.width(), rect.height() - 38);
            item.controls.push_back({control, rect, arrow, true});
            columnWidth = rect.width();
            finishColumn();
        }
        else
        {
            if (row == kRows)
                finishColumn();
            const QRect rect(columnX, top + row * kSmallRowHeight, SmallWidth(*control, metrics), kSmallRowHeight);
            QRect arrow;
            if (control->GetType() == RibbonControlSplitButtonPopup)
                arrow = QRect(rect.right() - kArrowWidth - 1, rect.top(), kArrowWidth + 2, rect.height());
            item.controls.push_back({control, rect, arrow, false});
            columnWidth = std::max(columnWidth, rect.width());
            ++row;
        }
    }
    finishColumn();
    // Small controls of one column share the column's width, so their highlights line up.
    for (ControlItem& control : item.controls)
    {
        if (control.large)
            continue;
        int column = 0;
        for (const ControlItem& other : item.controls)
        {
            if (!other.large && other.rect.left() == control.rect.left())
                column = std::max(column, other.rect.width());
        }
        control.rect.setWidth(column);
        if (!control.arrowRect.isEmpty())
            control.arrowRect.moveRight(control.rect.right());
    }
    const int captionWidth = TextWidth(metrics, group.GetCaption()) + 16;
    const int groupWidth = std::max(columnX - x + 3, captionWidth);
    item.rect = QRect(x, groupRow.top() + 1, groupWidth, kGroupRowHeight - 3);
    item.captionRect = QRect(x, item.rect.bottom() - kGroupCaptionHeight + 1, groupWidth, kGroupCaptionHeight);
    groups.push_back(std::move(item));
    x += groupWidth + 3;
}

RibbonHit RibbonLayout::HitTest(const QPoint& point) const
{
    RibbonHit hit;
    if (point.x() < 0 || point.y() < 0 || point.x() >= width || point.y() >= height)
        return hit;
    hit.code = RibbonHitClient;
    if (systemButton.control && systemButton.rect.contains(point))
    {
        hit.code = RibbonHitSystemMenu;
        hit.control = systemButton.control;
        return hit;
    }
    const auto hitControl = [&](const ControlItem& item) {
        hit.control = item.control;
        hit.onPopupArrow = item.arrowRect.contains(point);
        if (auto* gallery = qobject_cast<GalleryControl*>(item.control))
            hit.galleryItem = GalleryGeometry::ItemAt(*gallery, item.rect, point);
    };
    for (const ControlItem& item : rightControls)
    {
        if (item.rect.contains(point))
        {
            hitControl(item);
            return hit;
        }
    }
    for (const TabItem& item : tabs)
    {
        if (item.rect.contains(point))
        {
            hit.tab = item.tab;
            return hit;
        }
    }
    for (const HeaderItem& item : headers)
    {
        if (item.rect.contains(point))
        {
            hit.headerFirstTab = item.header.firstTab;
            return hit;
        }
    }
    if (scrollLeft.contains(point) || scrollRight.contains(point))
        return hit;
    for (const GroupItem& group : groups)
    {
        for (const ControlItem& item : group.controls)
        {
            if (item.rect.contains(point))
            {
                hitControl(item);
                return hit;
            }
        }
    }
    if (headerRow.contains(point) || tabRow.contains(point))
        hit.code = RibbonHitCaption;
    return hit;
}

const RibbonLayout::ControlItem* RibbonLayout::FindControl(const RibbonControl* control) const
{
    if (control == nullptr)
        return nullptr;
    if (systemButton.control == control)
        return &systemButton;
    for (const ControlItem& item : rightControls)
    {
        if (item.control == control)
            return &item;
    }
    for (const GroupItem& group : groups)
    {
        for (const ControlItem& item : group.controls)
        {
            if (item.control == control)
                return &item;
        }
    }
    return nullptr;
}

QString RibbonLayout::DisplayText(const QString& caption)
{
    QString text = caption.section(QLatin1Char('\t'), 0, 0);
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

QStringList RibbonLayout::LargeCaptionLines(const QString& caption, const QFontMetrics& metrics)
{
    const QString text = DisplayText(caption);
    if (!text.contains(QLatin1Char(' ')) || metrics.horizontalAdvance(text) <= 48)
        return {text};
    qsizetype best = -1;
    for (qsizetype i = text.indexOf(QLatin1Char(' ')); i >= 0; i = text.indexOf(QLatin1Char(' '), i + 1))
    {
        if (best < 0 || std::abs(i - text.size() / 2) < std::abs(best - text.size() / 2))
            best = i;
    }
    return {text.left(best), text.mid(best + 1)};
}

bool RibbonLayout::IsLarge(const RibbonControl& control, const RibbonImageManager& images)
{
    const int type = control.GetType();
    const bool canBeLarge = type == RibbonControlButton || control.HasPopupType();
    if (!canBeLarge || control.GetStyle() == RibbonControlStyle::Small)
        return false;
    return control.GetStyle() == RibbonControlStyle::Large || images.HasIcon(control.GetID(), RibbonImageManager::kLarge);
}
