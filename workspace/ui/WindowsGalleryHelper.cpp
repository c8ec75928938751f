#include "workspace/ui/WindowsGalleryHelper.h"

#include "platform/modules/ModuleWndBase.h"
#include "platform/toolkit/GalleryItem.h"
#include "platform/ui/Images.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "workspace/ui/PulpitFrame.h"
#include "workspace/ui/WorkspaceCommandIds.h"

#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace
{
constexpr int kImageSide = 16;
constexpr int kPadding = 14;
constexpr int kMinItemWidth = 200;
constexpr int kMaxItemWidth = 520;
constexpr std::uint32_t kNoItem = static_cast<std::uint32_t>(-1);

// An entry with the window's own picture.
class WindowGalleryItem : public GalleryItem
{
public:
    WindowGalleryItem(std::uint32_t id, const QString& caption, const QIcon& image)
        : GalleryItem(id, caption)
        , m_image(image)
    {
        SetToolTip(caption);
    }

    void Draw(QPainter& painter, const GalleryControl&, const QRect& rect, const GalleryItemState& state) const override
    {
        DrawHighlight(painter, rect, state);
        const QRect imageRect(rect.left() + 4, rect.top() + (rect.height() - kImageSide) / 2, kImageSide, kImageSide);
        m_image.paint(&painter, imageRect);
        const QRect textRect = rect.adjusted(imageRect.right() + 6 - rect.left(), 0, -4, 0);
        painter.setPen(QPalette().color(QPalette::WindowText));
        painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                         painter.fontMetrics().elidedText(GetCaption(), Qt::ElideRight, textRect.width()));
    }

private:
    QIcon m_image;
};
}

WindowsGalleryHelper::WindowsGalleryHelper(PulpitFrame& frame)
    : m_frame(frame)
{
}

void WindowsGalleryHelper::Fill(DynamicGallery& gallery)
{
    std::vector<PulpitFrame::ShownWindow> shown;
    m_frame.GetShownWindows(shown);
    m_windows.clear();
    gallery.RemoveAll();
    const QFontMetrics metrics(QApplication::font());
    const ModuleWndBase* active = m_frame.GetActiveModuleWnd();
    int width = kMinItemWidth;
    std::uint32_t checked = kNoItem;
    for (const PulpitFrame::ShownWindow& entry : shown)
    {
        if (!entry.window)
            continue;
        const auto id = static_cast<std::uint32_t>(m_windows.size());
        const QIcon image = entry.image.isNull() ? Images::Instance().Icon(WorkspaceIds::ID_SWITCH_WINDOWS) : entry.image;
        gallery.AddItem(std::make_unique<WindowGalleryItem>(id, entry.text, image));
        width = std::max(width, kImageSide + kPadding + metrics.horizontalAdvance(entry.text));
        if (entry.window == active)
            checked = id;
        m_windows.push_back(entry.window);
    }
    width = std::min(width, kMaxItemWidth);
    const int rows = std::max(1, std::min(static_cast<int>(m_windows.size()), kMaxRows));
    gallery.SetShowScrollBar(static_cast<int>(m_windows.size()) > kMaxRows);
    gallery.SetItemSize(QSize(width, kItemHeight));
    gallery.SetWidth(width);
    gallery.SetHeight(kItemHeight * rows);
    gallery.SetCheckedItem(checked);
}

void WindowsGalleryHelper::OnItemExecute(DynamicGallery&, GalleryItem& item)
{
    const std::uint32_t index = item.GetID();
    if (index >= m_windows.size() || !m_windows[index])
        return;
    ModuleWndBase* window = m_windows[index];
    m_frame.ShowModuleWnd(*window);
    window->ForceActivate();
}
