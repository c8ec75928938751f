#include "modulelibs/windows/FeedWindow.h"

#include "modulelibs/windows/AssetRef.h"
#include "platform/base/ColorRef.h"
#include "platform/modules/ConsumerBase.h"
#include "platform/modules/IAppMediator.h"
#include "platform/settings/Settings.h"
#include "styles/engine/GdiObject.h"
#include "styles/engine/StyleBase.h"
#include "styles/engine/StyleTextField.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace
{
QColor Colour(const StyleBase* field, int param, const QColor& fallback)
{
    return field ? ColorRef(static_cast<quint32>(field->GetValue(param))).ToQColor(fallback) : fallback;
}

QFont Font(const StyleBase* field, const QFont& fallback)
{
    if (!field)
        return fallback;
    const GdiObject object = field->GetGdiObject(StyleTextField::ParamFont);
    return object.Font() ? object.Font()->ToQFont() : fallback;
}
}

FeedWindow::FeedWindow(ConsumerBase& consumer, const std::shared_ptr<StyleBase>& style, int textFieldGroups,
                       QWidget* parent)
    : ModuleWndBase(parent)
    , m_consumer(consumer)
    , m_style(style, textFieldGroups)
    , m_scroll(new QScrollBar(Qt::Vertical, this))
{
    // A closed window is gone: its module forgets it and a saved desktop no longer holds it.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    resize(420, 300);
    connect(m_scroll, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(&m_timer, &QTimer::timeout, this, &FeedWindow::Pump);
    m_timer.start(kRepaintMs);
}

FeedWindow::~FeedWindow() = default;

IGenericModule* FeedWindow::GetModule() const
{
    return &m_consumer;
}

CmdTarget* FeedWindow::GetCmdTarger() const
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    return mediator ? mediator->GetConsumerById(&m_consumer) : nullptr;
}

bool FeedWindow::SetAsset(const Asset& asset)
{
    if (!(asset == m_asset))
        ForgetInstrumentData();
    m_asset = asset;
    const bool subscribed = Subscribe(asset);
    setWindowTitle(Caption());
    // A new window opens wide enough for its texts; one already shown keeps the size it has.
    if (!isVisible())
        resize(std::max(width(), ContentWidth()), height());
    update();
    return subscribed;
}

int FeedWindow::ContentWidth() const
{
    // The columns share the width equally, so the widest text decides every column's width.
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QStringList header = Header();
    int widest = 0;
    for (const QString& text : header)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    for (int row = 0; row < RowCount(); ++row)
        for (const QString& text : Row(row))
            widest = std::max(widest, metrics.horizontalAdvance(text));
    const int columns = std::max<int>(1, static_cast<int>(header.size()));
    return columns * (widest + kCellPadding) + m_scroll->sizeHint().width();
}

bool FeedWindow::FollowInstrument(const Asset& asset)
{
    return asset == GetAsset() || SetAsset(asset);
}

void FeedWindow::HideScroll(bool hidden)
{
    m_scrollHidden = hidden;
    UpdateScrollRange();
}

QString FeedWindow::Caption() const
{
    const QString kind = KindName();
    return kind.isEmpty() ? m_asset.GetShortName() : QStringLiteral("%1 %2").arg(kind, m_asset.GetShortName());
}

bool FeedWindow::TakeFeed()
{
    FeedLink::Batch batch = m_link.Take();
    if (!batch.state && !batch.book && batch.transactions.empty())
        return false;
    Absorb(std::move(batch));
    return true;
}

void FeedWindow::Pump()
{
    if (!TakeFeed())
        return;
    UpdateScrollRange();
    update();
}

void FeedWindow::SaveState(Settings& node) const
{
    AssetRef::Save(GetAsset(), node["Asset"]);
    node["ColumnsLocked"] = m_columnsLocked;
    node["ScrollHidden"] = m_scrollHidden;
    m_style.Save(node["Style"]);
    SaveOwnState(node["Window"]);
}

bool FeedWindow::LoadState(const Settings& node, const std::function<std::shared_ptr<StyleBase>(int)>& resolveStyle)
{
    const std::optional<Asset> asset = AssetRef::Resolve(node["Asset"]);
    if (!asset)
        return false;
    m_columnsLocked = node["ColumnsLocked"].ToBool();
    const Settings& style = node["Style"];
    m_style.Load(style, resolveStyle ? resolveStyle(style["StyleId"].ToInt()) : nullptr);
    LoadOwnState(node["Window"]);
    HideScroll(node["ScrollHidden"].ToBool());
    SetAsset(*asset);
    return true;
}

int FeedWindow::RowHeight() const
{
    const QFont font = Font(m_style.TextField(0), this->font());
    return QFontMetrics(font).height() + 4;
}

int FeedWindow::VisibleRowCount() const
{
    return std::max(0, height() / RowHeight() - 1);
}

int FeedWindow::FirstVisibleRow() const
{
    return m_scroll->isVisible() ? m_scroll->value() : 0;
}

void FeedWindow::UpdateScrollRange()
{
    const int hiddenRows = std::max(0, RowCount() - VisibleRowCount());
    m_scroll->setRange(0, hiddenRows);
    m_scroll->setPageStep(std::max(1, VisibleRowCount()));
    m_scroll->setVisible(!m_scrollHidden && hiddenRows > 0);
}

void FeedWindow::resizeEvent(QResizeEvent*)
{
    const int width = m_scroll->sizeHint().width();
    m_scroll->setGeometry(this->width() - width, 0, width, height());
    UpdateScrollRange();
}

void FeedWindow::ShowEditedStyle(const std::shared_ptr<StyleBase>& style)
{
    if (!m_style.PreviewStyle(style))
        return;
    m_editedStyle = style;
    update();
}

void FeedWindow::RedrawAfterLayoutMayChanged()
{
    if (m_editedStyle)
        m_style.PreviewStyle(m_editedStyle);
    update();
}

void FeedWindow::LeaveEditStyleMode()
{
    if (!m_editedStyle)
        return;
    m_style.PreviewStyle(m_editedStyle);
    m_style.ApplyPreviewStyle();
    m_editedStyle.reset();
    update();
}

void FeedWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int rowHeight = RowHeight();
    const int scrollWidth = m_scroll->isVisible() ? m_scroll->width() : 0;
    const QRect area(0, 0, width() - scrollWidth, height());
    const StyleBase* odd = m_style.TextField(0);
    painter.fillRect(area, Colour(odd, StyleTextField::ParamBkColor, palette().base().color()));

    const QStringList header = Header();
    const int columns = std::max<int>(1, static_cast<int>(header.size()));
    const int columnWidth = area.width() / columns;
    QFont headerFont = Font(odd, font());
    headerFont.setBold(true);
    painter.setFont(headerFont);
    painter.setPen(palette().windowText().color());
    painter.fillRect(QRect(0, 0, area.width(), rowHeight), palette().button());
    for (int column = 0; column < header.size(); ++column)
        painter.drawText(QRect(column * columnWidth + 4, 0, columnWidth - 8, rowHeight), Qt::AlignVCenter | Qt::AlignRight,
                         header[column]);

    // The look of each row group, taken from the style once a repaint.
    struct Look
    {
        const StyleBase* field = nullptr;
        QFont font;
        bool known = false;
    };
    std::vector<Look> looks;
    const auto look = [&](int group) -> const Look& {
        if (group >= static_cast<int>(looks.size()))
            looks.resize(group + 1);
        Look& entry = looks[group];
        if (!entry.known)
            entry = {m_style.TextField(group), Font(m_style.TextField(group), font()), true};
        return entry;
    };
    const int first = FirstVisibleRow();
    const int last = std::min(RowCount(), first + VisibleRowCount() + 1);
    const int selected = SelectedRow();
    const bool byColumns = ColoursColumns();
    for (int index = first; index < last; ++index)
    {
        const QRect rowRect(0, (index - first + 1) * rowHeight, area.width(), rowHeight);
        const int trend = RowTrend(index);
        const int background = trend > 0   ? StyleTextField::ParamBkColorRise
                               : trend < 0 ? StyleTextField::ParamBkColorFall
                                           : StyleTextField::ParamBkColor;
        const int text = trend > 0   ? StyleTextField::ParamFontColorRise
                         : trend < 0 ? StyleTextField::ParamFontColorFall
                                     : StyleTextField::ParamFontColor;
        const QStringList cells = Row(index);
        // In columns mode each cell has its column's look; otherwise the row has one look.
        const int cellCount = byColumns ? columns : 1;
        for (int cell = 0; cell < cellCount; ++cell)
        {
            const StyleBase* field = look(byColumns ? cell % 2 : RowGroup(index)).field;
            const QRect cellRect = byColumns ? QRect(cell * columnWidth, rowRect.top(), columnWidth, rowHeight) : rowRect;
            painter.fillRect(cellRect, Colour(field, background, palette().base().color()));
        }
        if (index == selected)
            painter.fillRect(rowRect, palette().highlight().color().lighter(170));
        for (int column = 0; column < cells.size() && column < columns; ++column)
        {
            const Look& cellLook = look(byColumns ? column % 2 : RowGroup(index));
            painter.setFont(cellLook.font);
            painter.setPen(Colour(cellLook.field, text, palette().text().color()));
            painter.drawText(QRect(column * columnWidth + 4, rowRect.top(), columnWidth - 8, rowHeight),
                             Qt::AlignVCenter | (column == 0 ? Qt::AlignLeft : Qt::AlignRight), cells[column]);
        }
    }
    PaintGrid(painter, area, last - first, columnWidth, columns);
}

void FeedWindow::PaintGrid(QPainter& painter, const QRect& area, int rows, int columnWidth, int columns) const
{
    const std::optional<GridParams> grid = Grid();
    if (!grid)
        return;
    const StyleBase& style = m_style.Current();
    const GdiObject object = style.GetGdiObject(grid->pen);
    const std::optional<QPen> pen = object.Pen() ? object.Pen()->ToQPen() : std::nullopt;
    // A null pen draws no line.
    if (!pen)
        return;
    painter.setPen(*pen);
    const int rowHeight = RowHeight();
    const int bottom = std::min(area.bottom(), (rows + 1) * rowHeight - 1);
    if (style.GetValue(grid->horizontal) != 0)
    {
        for (int row = 1; row <= rows; ++row)
            painter.drawLine(area.left(), row * rowHeight + rowHeight - 1, area.right(), row * rowHeight + rowHeight - 1);
    }
    if (style.GetValue(grid->vertical) != 0)
    {
        for (int column = 1; column < columns; ++column)
            painter.drawLine(column * columnWidth - 1, rowHeight, column * columnWidth - 1, bottom);
    }
}

void FeedWindow::mousePressEvent(QMouseEvent* event)
{
    if (m_onActivated)
        m_onActivated(this);
    ForceActivate();
    const int row = static_cast<int>(event->position().y()) / RowHeight() - 1;
    if (row >= 0)
        OnRowClicked(FirstVisibleRow() + row);
    update();
}

void FeedWindow::wheelEvent(QWheelEvent* event)
{
    m_scroll->setValue(m_scroll->value() - event->angleDelta().y() / 40);
}
