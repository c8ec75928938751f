#include "core/indicators/UserIndicatorsGallery.h"

#include "platform/base/TextHelper.h"
#include "platform/modules/KFLFasade.h"
#include "platform/toolkit/GalleryControl.h"

#include <QSize>

#include <algorithm>
#include <map>

namespace
{
struct CaseInsensitiveLess
{
    bool operator()(const QString& left, const QString& right) const
    {
        return QString::compare(left, right, Qt::CaseInsensitive) < 0;
    }
};
}

std::vector<UserIndicatorsGallery::Entry> UserIndicatorsGallery::CollectIndicators(const KFLFasade& formulaLanguage)
{
    std::map<QString, bool, CaseInsensitiveLess> drawable;
    formulaLanguage.ForEachAvailableUDI([&drawable](const ScriptFileInfo& info) {
        drawable[info.alias] = info.IsDrawable();
    });
    std::vector<Entry> entries;
    entries.reserve(drawable.size());
    for (const auto& [alias, canDraw] : drawable)
        entries.push_back({alias, canDraw});
    return entries;
}

void UserIndicatorsGallery::Fill(const KFLFasade* formulaLanguage, GalleryControl& gallery, const QFont& font)
{
    Fill(formulaLanguage ? CollectIndicators(*formulaLanguage) : std::vector<Entry>(), gallery, font);
}

void UserIndicatorsGallery::Fill(const std::vector<Entry>& entries, GalleryControl& gallery, const QFont& font)
{
    gallery.RemoveAll();
    int widest = 0;
    int tallest = 0;
    for (const Entry& entry : entries)
    {
        const QSize size = TextHelper::GetTextSize(entry.alias + QLatin1Char(' '), font);
        widest = std::max(widest, size.width());
        tallest = std::max(tallest, size.height());
    }
    const QSize itemSize(widest + kItemWidthPadding, tallest * 2);
    const int heightLimit = itemSize.height() * kVisibleItems;
    gallery.SetItemSize(itemSize);

    int galleryHeight = 0;
    std::uint32_t id = 0;
    for (const Entry& entry : entries)
    {
        GalleryItem* item = gallery.AddItem(++id, entry.alias);
        item->SetSize(itemSize);
        item->SetEnabled(entry.drawable);
        if (galleryHeight < heightLimit)
            galleryHeight += itemSize.height();
    }

    const bool scrolls = static_cast<int>(entries.size()) > kVisibleItems;
    gallery.SetShowScrollBar(scrolls);
    gallery.SetWidth(scrolls ? itemSize.width() + kScrollColumnWidth : itemSize.width());
    gallery.SetHeight(galleryHeight);
}
