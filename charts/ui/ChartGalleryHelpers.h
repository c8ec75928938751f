#pragma once
// The chart tabs' check-box galleries, each filled from the active chart whenever it opens:
// hidden series to show again, the series tied to the active value scale, and the columns of
// the records panel. Every item is as wide as the widest caption and additional text with the
// check box, and the gallery as tall as its items.

#include "platform/modules/SeriesObj.h"
#include "ribbon/galleries/IDynamicGalleryHelper.h"

#include <QSize>

#include <functional>
#include <vector>

class ActiveObjectsContainer;
class CheckBoxGalleryControl;

class ChartGalleryHelper : public IDynamicGalleryHelper
{
public:
    // The text's size in the gallery's font; tests measure their own way.
    using TextMeasurer = std::function<QSize(const QString& text)>;

    struct Entry
    {
        QString caption;
        QString additionalText;
        bool checked = false;
    };

    // The size of every item for these entries and check-box images.
    static QSize ItemSize(const std::vector<Entry>& entries, const QSize& uncheckedImage, const QSize& checkedImage,
                          const TextMeasurer& measure);

    void SetTextMeasurer(TextMeasurer measure) { m_measure = std::move(measure); }

protected:
    // Null while no chart is active.
    static ActiveObjectsContainer* Active();
    // Sizes the items and the gallery after they were added.
    void Resize(CheckBoxGalleryControl& gallery, const std::vector<Entry>& entries) const;

private:
    TextMeasurer m_measure;
};

class RevertHiddenSeriesHelper : public ChartGalleryHelper
{
public:
    void Fill(DynamicGallery& gallery) override;
    void OnItemExecute(DynamicGallery& gallery, GalleryItem& item) override;
    int RevertedViewId() const { return m_revertedView; }

private:
    int m_revertedView = 0;
};

class AxisValueConnectedSeriesHelper : public ChartGalleryHelper
{
public:
    void Fill(DynamicGallery& gallery) override;
    void OnItemExecute(DynamicGallery& gallery, GalleryItem& item) override;
};

class ChartTransactionSeriesGaleryHelper : public ChartGalleryHelper
{
public:
    void Fill(DynamicGallery& gallery) override;
    void OnItemExecute(DynamicGallery& gallery, GalleryItem& item) override;
};
