#include "ribbon/popups/ColorPickerPopupWindow.h"

#include "platform/toolkit/ToolkitColors.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/StringTable.h"
#include "ribbon/galleries/ColorGalleryFillers.h"
#include "ribbon/galleries/ColorMarkers.h"
#include "ribbon/galleries/ColorStringIds.h"
#include "ribbon/galleries/GalleryFrames.h"
#include "ribbon/popups/ColorPickerItems.h"

#include <QPainter>
#include <QPointer>

#include <algorithm>

using namespace ColorStringIds;

namespace
{
constexpr int kRowLeft = 3;
constexpr int kRowWidth = 170;
constexpr int kSpacing = 3;
constexpr int kRowHeight = 17;
constexpr int kSeparatorHeight = 2;
constexpr int kCellSize = 13;
constexpr int kCellStep = 17;
// Row 0 of the theme colours (the base colours) stands apart from the shades below it.
constexpr int kShadesGap = 4;

QRect CellRect(int top, int row, int column)
{
    return {kRowLeft + kCellStep * column, top + kCellSize * row + (row > 0 ? kShadesGap : 0), kCellSize, kCellSize};
}

bool HasTopBorder(int row)
{
    return row == 0 || row == 1;
}

bool HasBottomBorder(int row, int lastRow)
{
    return row == 0 || row == lastRow;
}
}

ColorPickerPopupWindow::ColorPickerPopupWindow(IPickedColorObserver& colorObserver, IPopupAreaObserver& areaObserver,
                                               QWidget* owner)
    : PopupBarBase(areaObserver, owner)
    , m_colorObserver(colorObserver)
{
    BuildItems();
    setFixedSize(m_size);
}

ColorPickerPopupWindow::~ColorPickerPopupWindow() = default;

void ColorPickerPopupWindow::SetSelectedColor(int color)
{
    for (const auto& item : m_items)
        item->SetFlag(Item::Selected, item->GetColor() == color);
    m_selectedColor = color;
    update();
}

ColorPickerPopupWindow::Item* ColorPickerPopupWindow::ItemAt(const QPoint& point) const
{
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [&point](const auto& item) { return item->GetRect().contains(point); });
    return found == m_items.end() ? nullptr : found->get();
}

bool ColorPickerPopupWindow::CreatePopupWindow()
{
    setFixedSize(m_size);
    return true;
}

void ColorPickerPopupWindow::OnMouseMessageOutside(QEvent::Type type)
{
    if (type != QEvent::MouseMove)
        return;
    ResetHotItem();
    update();
}

void ColorPickerPopupWindow::ResetHotItem()
{
    SetHotColor(ColorMarkers::kNone);
    MarkHotItems();
}

void ColorPickerPopupWindow::OnMouseMoveInside(const QPoint& point)
{
    const Item* hit = ItemAt(point);
    for (const auto& item : m_items)
        item->SetFlag(Item::Hot, item.get() == hit);
    int preview = hit ? hit->GetColor() : ColorMarkers::kNone;
    // "Więcej kolorów" previews the colour the dialog would start from.
    if (preview == ColorMarkers::kMore)
        preview = m_selectedColor;
    SetHotColor(preview);
    update();
}

void ColorPickerPopupWindow::OnButtonDownInside(Qt::MouseButton button, const QPoint& point)
{
    const Item* hit = ItemAt(point);
    if (button != Qt::LeftButton || hit == nullptr || hit->GetColor() == ColorMarkers::kNone)
        return;
    if (hit->GetColor() == ColorMarkers::kMore)
    {
        PickMoreColors();
        return;
    }
    // The picked colour is the one reported hot; a click without a move before it reports it now.
    OnMouseMoveInside(point);
    const QPointer<ColorPickerPopupWindow> alive(this);
    m_colorObserver.OnColorPicked();
    if (!alive)
        return;
    m_hotColor = ColorMarkers::kNone;
    close();
}

void ColorPickerPopupWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToolkitColors::Get(ToolkitColors::PopupBackground));
    GalleryFrames::DrawFrame(painter, rect(), ToolkitColors::Get(ToolkitColors::PopupFrame));
    for (const auto& item : m_items)
    {
        painter.save();
        item->Draw(painter);
        painter.restore();
    }
}

void ColorPickerPopupWindow::BuildItems()
{
    const StringTable& strings = StringTable::Instance();
    int bottom = kRowLeft;
    const auto addRow = [&](std::shared_ptr<Item> item) {
        bottom = item->GetRect().y() + item->GetRect().height();
        m_items.push_back(std::move(item));
    };
    const auto addCells = [&](int top, int lastRow) {
        return [&, top, lastRow](int color, const QString&, int row, int column) {
            auto cell = std::make_shared<ColorItem>(CellRect(top, row, column), color, HasTopBorder(row),
                                                    HasBottomBorder(row, lastRow));
            bottom = std::max(bottom, cell->GetRect().y() + cell->GetRect().height());
            m_items.push_back(std::move(cell));
        };
    };

    addRow(std::make_shared<ButtonItem>(QRect(kRowLeft, bottom, kRowWidth, kRowHeight),
                                        strings.Get(IDS_DEFAULT_COLOR), ColorMarkers::kDefault));
    addRow(std::make_shared<CaptionItem>(QRect(kRowLeft, bottom + kSpacing, kRowWidth, kRowHeight),
                                         strings.Get(IDS_THEME_COLORS)));
    AddThemeColorItems(addCells(bottom + kSpacing, kThemeColorRows - 1));
    addRow(std::make_shared<CaptionItem>(QRect(kRowLeft, bottom + kSpacing, kRowWidth, kRowHeight),
                                         strings.Get(IDS_STANDARD_COLORS)));
    AddStandardColorItems(addCells(bottom + kSpacing, 0));
    addRow(std::make_shared<CaptionItem>(QRect(kRowLeft, bottom + kSpacing, kRowWidth, kSeparatorHeight), QString()));
    addRow(std::make_shared<ButtonItem>(QRect(kRowLeft, bottom + kSpacing, kRowWidth, kRowHeight),
                                        strings.Get(IDS_MORE_COLORS), ColorMarkers::kMore));
    m_size = QSize(kWidth, bottom + kSpacing);
}

void ColorPickerPopupWindow::MarkHotItems()
{
    for (const auto& item : m_items)
        item->SetFlag(Item::Hot, item->GetColor() == m_hotColor);
}

void ColorPickerPopupWindow::SetHotColor(int color)
{
    if (color == ColorMarkers::kNone)
    {
        if (m_hotColor == ColorMarkers::kNone)
            return;
        m_hotColor = ColorMarkers::kNone;
        m_colorObserver.OnHotColorCleared();
    }
    else if (color != m_hotColor)
    {
        m_hotColor = color;
        m_colorObserver.OnColorHot(color);
    }
}

void ColorPickerPopupWindow::PickMoreColors()
{
    // Closing clears the preview; the dialog starts from the selected colour.
    close();
    const QPointer<ColorPickerPopupWindow> alive(this);
    const std::optional<QColor> chosen = DialogServices::ColorDialog()->ChooseColor(ColorMarkers::ToQColor(m_selectedColor));
    if (!alive)
        return;
    if (chosen && ColorMarkers::FromQColor(*chosen) != ColorMarkers::kNone)
        SetHotColor(ColorMarkers::FromQColor(*chosen));
    m_colorObserver.OnColorPicked();
    if (alive)
        m_hotColor = ColorMarkers::kNone;
}
