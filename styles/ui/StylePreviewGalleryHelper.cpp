#include "styles/ui/StylePreviewGalleryHelper.h"

#include "platform/toolkit/RibbonBarBase.h"
#include "platform/ui/CmdTarget.h"
#include "platform/ui/Menu.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "platform/toolkit/GalleryItem.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "styles/engine/StylesContainer.h"
#include "styles/ui/StylePreviewGalleryItem.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>

#include <algorithm>

#include <deque>

namespace
{
// The context menu's one entry.
constexpr std::uint32_t ID_EDIT_STYLE = 34501;

const SpecialStylesInfo* AskSpecialStyles(DynamicGallery& gallery)
{
    RibbonBarBase* ribbon = gallery.GetRibbon();
    CmdTarget* target = ribbon ? ribbon->GetCommandTarget() : nullptr;
    if (target == nullptr)
        return nullptr;
    // The target keeps the answer alive; the notification carries its address only.
    NotifyInfo info(gallery.GetID(), NotifyCodes::SpecialStylesRequest, &gallery);
    if (!target->SendNotify(info))
        return nullptr;
    return reinterpret_cast<const SpecialStylesInfo*>(info.result);
}

void AddStyle(DynamicGallery& gallery, const std::shared_ptr<StyleBase>& style)
{
    if (style)
        gallery.AddItem(std::make_unique<StylePreviewGalleryItem>(style));
}
}

StylePreviewGalleryHelper::StylePreviewGalleryHelper(StyleType kind, QString kindText, EditRequest editRequest)
    : m_kind(kind)
    , m_kindText(std::move(kindText))
    , m_editRequest(std::move(editRequest))
{
}

void StylePreviewGalleryHelper::Fill(DynamicGallery& gallery)
{
    gallery.RemoveAll();
    const SpecialStylesInfo* special = AskSpecialStyles(gallery);
    if (special)
    {
        AddStyle(gallery, special->firstStyle);
        if (!special->styles.empty())
        {
            gallery.AddItem(0, special->groupCaption)->SetLabel(true);
            for (const std::shared_ptr<StyleBase>& style : special->styles)
                AddStyle(gallery, style);
        }
    }
    std::deque<std::shared_ptr<StyleBase>> styles;
    StylesContainer::Instance().GetAllStylesOfKind(m_kind, styles);
    for (const std::shared_ptr<StyleBase>& style : styles)
        AddStyle(gallery, style);
    FitCaptions(gallery);
    if (special)
        gallery.SetCheckedItem(static_cast<std::uint32_t>(special->checkedStyleId));
}

void StylePreviewGalleryHelper::FitCaptions(DynamicGallery& gallery)
{
    // Every style's whole name shows: the items grow to the widest one, never shrink.
    const QFontMetrics metrics(QApplication::font());
    int widest = 0;
    for (int index = 0; index < gallery.GetItemCount(); ++index)
        widest = std::max(widest, metrics.horizontalAdvance(gallery.GetItem(index)->GetCaption()));
    const int width = widest + kCaptionPadding;
    if (width > gallery.GetItemSize().width())
        gallery.SetItemSize(QSize(width, gallery.GetItemSize().height()));
    if (gallery.GetWidth() > 0 && width > gallery.GetWidth())
        gallery.SetWidth(width);
}

void StylePreviewGalleryHelper::OnItemExecute(DynamicGallery&, GalleryItem&)
{
}

bool StylePreviewGalleryHelper::OnRButtonUp(DynamicGallery& gallery, const QPoint&)
{
    // The item under the pointer is the hovered one.
    const auto* item = dynamic_cast<const StylePreviewGalleryItem*>(gallery.GetItem(gallery.GetSelectedItem()));
    if (m_kindText.isEmpty() || !m_editRequest || item == nullptr || item->GetStyle() == nullptr)
        return false;
    const std::shared_ptr<StyleBase> style = item->GetStyle();
    const Menu menu({MenuItem::Command(ID_EDIT_STYLE, GetEditTitle())});
    if (Menu::TrackPopupMenu(*menu.Get(), QCursor::pos()) != ID_EDIT_STYLE)
        return true;
    // The edit mode changes the ribbon's tabs: the gallery's popup goes first.
    if (RibbonBarBase* ribbon = gallery.GetRibbon())
        ribbon->ClosePopups();
    m_editRequest(style, GetEditTitle());
    return true;
}

QString StylePreviewGalleryHelper::GetEditTitle() const
{
    return m_kindText.isEmpty() ? QString() : QStringLiteral("Podgląd i edycja stylu %1").arg(m_kindText);
}
