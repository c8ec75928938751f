#include "orderssheet/ui/SummaryInfoDlg.h"

#include "orderssheet/settings/OrdersSheetSettings.h"
#include "platform/base/ColorRef.h"
#include "platform/ui/StringTable.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace
{
const QColor kNoStyleColour(0x64, 0x64, 0x64);

// Captions of groups A and B by side.
constexpr std::uint32_t kCaptionIds[2][2] = {{391, 392}, {397, 393}};

void SetTextColour(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}
}

SummaryInfoDlg::SummaryInfoDlg(int side, QWidget* owner, const OrdersSheetSettings* settings, QWidget* parent)
    : QWidget(parent)
    , m_side(side)
    , m_owner(owner)
    , m_settings(settings)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    for (int group = kGroupA; group <= kGroupB; ++group)
    {
        Group& controls = m_groups[std::size_t(group)];
        controls.box = new QGroupBox(StringTable::Instance().Get(kCaptionIds[m_side == 0 ? 0 : 1][group]), this);
        auto* lines = new QVBoxLayout(controls.box);
        lines->setContentsMargins(4, 2, 4, 2);
        lines->setSpacing(0);
        for (std::size_t line = 0; line < controls.lines.size(); ++line)
        {
            controls.lines[line] = new QLabel(controls.box);
            controls.lines[line]->setAlignment(line == 0 ? Qt::AlignLeft : Qt::AlignRight);
            if (line == 0)
                controls.lines[line]->setFont(bold);
            lines->addWidget(controls.lines[line]);
        }
        layout->addWidget(controls.box);
        controls.box->hide();
    }
    ApplyStyle();
}

int SummaryInfoDlg::GroupForKind(int side, int groupKind)
{
    const bool priceLevel = groupKind == kPriceLevelGroupKind;
    if (side == 0)
        return priceLevel ? kGroupA : kGroupB;
    return priceLevel ? kGroupB : kGroupA;
}

void SummaryInfoDlg::SetGroupTexts(int groupKind, const QString& heading, const QString& count, const QString& value,
                                   const QString& average)
{
    Group& group = m_groups[std::size_t(GroupForKind(m_side, groupKind))];
    const QString texts[] = {heading, count, value, average};
    for (std::size_t line = 0; line < group.lines.size(); ++line)
        group.lines[line]->setText(texts[line]);
    m_updated = true;
    UpdateVisibility();
}

void SummaryInfoDlg::ShowGroup(int group, bool show)
{
    QGroupBox* box = m_groups[std::size_t(group)].box;
    if (box->isVisibleTo(this) != show)
        box->setVisible(show);
}

void SummaryInfoDlg::UpdateVisibility()
{
    if (!m_updated)
        return;
    const int priceLevelGroup = GroupForKind(m_side, kPriceLevelGroupKind);
    ShowGroup(priceLevelGroup, m_showPriceLevel);
    ShowGroup(priceLevelGroup == kGroupA ? kGroupB : kGroupA, true);
}

QColor SummaryInfoDlg::StyleColour(int parameter, const QColor& fallback) const
{
    if (!m_settings)
        return fallback;
    return ColorRef(quint32(m_settings->GetStyle()->GetValue(parameter))).ToQColor(fallback);
}

void SummaryInfoDlg::ApplyStyle()
{
    const QColor text = StyleColour(StyleOrdersSheet::ParamChartSummWindowTextColor, Qt::black);
    const QColor values = StyleColour(m_side == 0 ? StyleOrdersSheet::ParamChartSummWindowRealSellValColor
                                                  : StyleOrdersSheet::ParamChartSummWindowRealBuyValColor,
                                      Qt::black);
    for (Group& group : m_groups)
    {
        SetTextColour(*group.box, text);
        for (std::size_t line = 0; line < group.lines.size(); ++line)
            SetTextColour(*group.lines[line], line == 0 ? text : values);
    }
    update();
}

QString SummaryInfoDlg::GroupCaption(int group) const
{
    return m_groups[std::size_t(group)].box->title();
}

QString SummaryInfoDlg::GroupText(int group, int line) const
{
    return m_groups[std::size_t(group)].lines[std::size_t(line)]->text();
}

bool SummaryInfoDlg::IsGroupShown(int group) const
{
    return m_groups[std::size_t(group)].box->isVisibleTo(this);
}

void SummaryInfoDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), StyleColour(StyleOrdersSheet::ParamChartSummWindowBkgColor, kNoStyleColour));
    painter.setPen(StyleColour(StyleOrdersSheet::ParamChartSummWindowFrameColor, kNoStyleColour));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SummaryInfoDlg::mousePressEvent(QMouseEvent* event)
{
    // A click in the summary activates its sheet window.
    if (m_owner)
        m_owner->activateWindow();
    QWidget::mousePressEvent(event);
}
