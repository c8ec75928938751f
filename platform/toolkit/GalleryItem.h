#pragma once
// One item of a ribbon gallery: an id the owner chose, a caption, a tooltip, a description and
// an optional image. Items that look different (colours, line types, check boxes) override Draw;
// items of their own size (a wide entry among colour cells) set it or override GetSize.

#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>

class GalleryControl;
class QPainter;

struct GalleryItemState
{
    bool enabled = true;
    bool hot = false;
    bool checked = false;
};

class GalleryItem
{
public:
    GalleryItem(std::uint32_t id, const QString& caption, std::uint32_t imageId = 0);
    virtual ~GalleryItem() = default;

    std::uint32_t GetID() const { return m_id; }
    const QString& GetCaption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }
    const QString& GetToolTip() const { return m_toolTip; }
    void SetToolTip(const QString& toolTip) { m_toolTip = toolTip; }
    const QString& GetDescription() const { return m_description; }
    void SetDescription(const QString& description) { m_description = description; }
    std::uint32_t GetImageId() const { return m_imageId; }
    void SetImageId(std::uint32_t imageId) { m_imageId = imageId; }
    // Labels are headings between items; they cannot be chosen.
    bool IsLabel() const { return m_label; }
    void SetLabel(bool label) { m_label = label; }
    // A disabled item is shown dimmed and can be neither previewed nor chosen.
    bool IsEnabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    std::intptr_t GetData() const { return m_data; }
    void SetData(std::intptr_t data) { m_data = data; }
    // The item's own size; an invalid size takes the gallery's item size.
    virtual QSize GetSize() const { return m_size; }
    void SetSize(const QSize& size) { m_size = size; }

    // Paints the item into its cell: the highlight of its state, the image and the caption.
    // Labels are painted by the gallery paint manager.
    virtual void Draw(QPainter& painter, const GalleryControl& gallery, const QRect& rect,
                      const GalleryItemState& state) const;

protected:
    // The highlight of a hot or checked item.
    static void DrawHighlight(QPainter& painter, const QRect& rect, const GalleryItemState& state);

private:
    std::uint32_t m_id;
    QString m_caption;
    QString m_toolTip;
    QString m_description;
    std::uint32_t m_imageId;
    bool m_label = false;
    bool m_enabled = true;
    std::intptr_t m_data = 0;
    QSize m_size;
};
