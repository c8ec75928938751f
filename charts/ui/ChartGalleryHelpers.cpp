#include "charts/ui/ChartGalleryHelpers.h"

#include "charts/ui/SerieCbGalleryItem.h"
#include "modulelibs/chart/ChartModule.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/toolkit/RibbonBarBase.h"
#include "ribbon/galleries/CheckBoxGalleryControl.h"

#include <QApplication>
#include <QFontMetrics>

#include <algorithm>

namespace
{
const QString kCaptionGap = QStringLiteral("     ");
}

QSize ChartGalleryHelper::ItemSize(const std::vector<Entry>& entries, const QSize& uncheckedImage,
                                   const QSize& checkedImage, const TextMeasurer& measure)
{
    int captionWidth = 0;
    int additionalWidth = 0;
    int height = std::max(uncheckedImage.height(), checkedImage.height());
    for (const Entry& entry : entries)
    {
        const QSize caption = measure(entry.caption + kCaptionGap);
        captionWidth = std::max(captionWidth, caption.width());
        height = std::max(height, caption.height());
        if (!entry.additionalText.isEmpty())
        {
            const QSize additional = measure(entry.additionalText);
            additionalWidth = std::max(additionalWidth, additional.width());
            height = std::max(height, additional.height());
        }
    }
    return QSize(captionWidth + additionalWidth + 3 + std::max(uncheckedImage.width(), checkedImage.width()), height);
}

ActiveObjectsContainer* ChartGalleryHelper::Active()
{
    ChartConsumer* charts = GetChartConsumer();
    return charts ? charts->GetActiveObjects() : nullptr;
}

void ChartGalleryHelper::Resize(CheckBoxGalleryControl& gallery, const std::vector<Entry>& entries) const
{
    const QFontMetrics metrics(QApplication::font());
    const TextMeasurer measure = m_measure ? m_measure : [&metrics](const QString& text) {
        return QSize(metrics.horizontalAdvance(text), metrics.height());
    };
    const QSize size = ItemSize(entries, gallery.GetUncheckedImage().size(), gallery.GetCheckedImage().size(), measure);
    for (int i = 0; i < gallery.GetItemCount(); ++i)
        gallery.GetItem(i)->SetSize(size);
    gallery.SetItemSize(size);
    gallery.SetWidth(size.width());
    gallery.SetHeight(size.height() * gallery.GetItemCount());
}

void RevertHiddenSeriesHelper::Fill(DynamicGallery& gallery)
{
    auto& checkBoxes = static_cast<CheckBoxGalleryControl&>(gallery);
    checkBoxes.RemoveAll();
    std::vector<Entry> entries;
    if (ActiveObjectsContainer* active = Active())
    {
        std::uint32_t id = 1;
        for (const auto& [series, text] : active->GetDataHiddenSeries())
        {
            checkBoxes.AddItem(std::make_unique<SerieCbGalleryItem>(id++, series, false, text));
            entries.push_back({series.GetDSProp().GetLabel(), text, false});
        }
    }
    Resize(checkBoxes, entries);
}

void RevertHiddenSeriesHelper::OnItemExecute(DynamicGallery& gallery, GalleryItem& item)
{
    auto* seriesItem = dynamic_cast<SerieCbGalleryItem*>(&item);
    ActiveObjectsContainer* active = Active();
    if (RibbonBarBase* ribbon = gallery.GetRibbon())
        ribbon->ClosePopups();
    if (!seriesItem || !active)
        return;
    if (seriesItem->IsChecked())
    {
        m_revertedView = active->RevertCurrentSeries(seriesItem->GetSeries());
        return;
    }
    active->RemoveSeriesFromView(seriesItem->GetSeries());
    if (m_revertedView != 0)
        active->RemoveRevertedView(m_revertedView);
    m_revertedView = 0;
}

void AxisValueConnectedSeriesHelper::Fill(DynamicGallery& gallery)
{
    auto& checkBoxes = static_cast<CheckBoxGalleryControl&>(gallery);
    checkBoxes.RemoveAll();
    std::vector<Entry> entries;
    if (ActiveObjectsContainer* active = Active())
    {
        std::uint32_t id = 1;
        for (const auto& [series, connected] : active->GetListSeriesIdForFirstValidView())
        {
            checkBoxes.AddItem(std::make_unique<SerieCbGalleryItem>(id++, series, connected));
            entries.push_back({series.GetDSProp().GetLabel(), series.GetAdditionalInfo(), connected});
        }
    }
    Resize(checkBoxes, entries);
}

void AxisValueConnectedSeriesHelper::OnItemExecute(DynamicGallery&, GalleryItem& item)
{
    auto* seriesItem = dynamic_cast<SerieCbGalleryItem*>(&item);
    ActiveObjectsContainer* active = Active();
    if (!seriesItem || !active)
        return;
    const SeriesObj& series = seriesItem->GetSeries();
    active->ConnectSeriesWithActiveValueScale(series.GetDSProp(), series.GetRequestID(), seriesItem->IsChecked());
}

void ChartTransactionSeriesGaleryHelper::Fill(DynamicGallery& gallery)
{
    auto& checkBoxes = static_cast<CheckBoxGalleryControl&>(gallery);
    checkBoxes.RemoveAll();
    std::vector<Entry> entries;
    if (ActiveObjectsContainer* active = Active())
    {
        for (const ChartTransactionColumn& column : active->PrepareColumnsInformationForChartTransaction())
        {
            // Item ids are the column ids shifted by one: 0 stands for no item in a gallery.
            checkBoxes.AddItem(std::make_unique<CheckBoxGalleryControlItem>(column.id + 1, column.name, column.visible));
            entries.push_back({column.name, QString(), column.visible});
        }
    }
    Resize(checkBoxes, entries);
}

void ChartTransactionSeriesGaleryHelper::OnItemExecute(DynamicGallery& gallery, GalleryItem& item)
{
    auto* box = dynamic_cast<CheckBoxGalleryControlItem*>(&item);
    ActiveObjectsContainer* active = Active();
    if (!box || !active)
        return;
    const std::vector<ChartTransactionColumn> columns = active->PrepareColumnsInformationForChartTransaction();
    const auto visible = std::count_if(columns.begin(), columns.end(), [](const auto& column) { return column.visible; });
    // The last visible column cannot be hidden.
    if (visible == 1 && !box->IsChecked())
        box->SetChecked(true);
    active->ChangeVisibilityTransactionColumn(static_cast<int>(item.GetID()) - 1, box->IsChecked());
}
