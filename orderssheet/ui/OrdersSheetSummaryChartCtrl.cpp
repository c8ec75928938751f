#include "orderssheet/ui/OrdersSheetSummaryChartCtrl.h"

#include "orderssheet/settings/OrdersSheetSettings.h"
#include "platform/base/ColorRef.h"
#include "platform/base/Number2String.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace
{
constexpr double kBarWidth = 0.7;
constexpr int kHitRadius = 4;
const QColor kDarkViolet(148, 0, 211);

struct SeriesLook
{
    int parameter;
    QColor fallback;
    bool bars;
};

const SeriesLook kSeriesLooks[OSSummaryChartData::kSeriesCount] = {
    {StyleOrdersSheet::ParamChartSellTotalValColor, Qt::red, true},
    {StyleOrdersSheet::ParamChartBuyTotalValColor, Qt::blue, true},
    {StyleOrdersSheet::ParamChartSellRealValColor, Qt::red, false},
    {StyleOrdersSheet::ParamChartBuyRealValColor, Qt::blue, false},
};

double CategoryWidth(const QSize& size)
{
    return double(size.width()) / OSSummaryChartData::kPointCount;
}
}

OrdersSheetSummaryChartCtrl::OrdersSheetSummaryChartCtrl(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setObjectName(QStringLiteral("10000004"));
}

void OrdersSheetSummaryChartCtrl::SetSettings(const OrdersSheetSettings* settings)
{
    m_settings = settings;
    update();
}

void OrdersSheetSummaryChartCtrl::Update(const OSSummaryValues& supply, const OSSummaryValues& demand)
{
    m_data = OSSummaryChartData::Compute(supply, demand);
    update();
}

QColor OrdersSheetSummaryChartCtrl::StyleColour(int parameter, const QColor& fallback) const
{
    if (!m_settings)
        return fallback;
    return ColorRef(quint32(m_settings->GetStyle()->GetValue(parameter))).ToQColor(fallback);
}

QPointF OrdersSheetSummaryChartCtrl::PointPosition(const QSize& size, int point, double share)
{
    const double half = size.height() / 2.0;
    return QPointF(CategoryWidth(size) * (point + 0.5), half - share * half);
}

void OrdersSheetSummaryChartCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, StyleColour(StyleOrdersSheet::ParamChartSummChartBkgColor, Qt::white));
    const double barWidth = CategoryWidth(size()) * kBarWidth;
    for (int series = 0; series < OSSummaryChartData::kSeriesCount; ++series)
    {
        const SeriesLook& look = kSeriesLooks[series];
        const QColor colour = StyleColour(look.parameter, look.fallback);
        const auto& shares = m_data.Get(series).shares;
        if (look.bars)
        {
            for (int point = 0; point < OSSummaryChartData::kPointCount; ++point)
            {
                const QPointF zero = PointPosition(size(), point, 0);
                const QPointF top = PointPosition(size(), point, shares[std::size_t(point)]);
                painter.fillRect(QRectF(QPointF(zero.x() - barWidth / 2, std::min(zero.y(), top.y())),
                                        QSizeF(barWidth, std::fabs(zero.y() - top.y()))),
                                 colour);
            }
            continue;
        }
        painter.setPen(QPen(colour, 2));
        painter.setRenderHint(QPainter::Antialiasing, true);
        QPolygonF line;
        for (int point = 0; point < OSSummaryChartData::kPointCount; ++point)
            line << PointPosition(size(), point, shares[std::size_t(point)]);
        painter.drawPolyline(line);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    painter.setPen(StyleColour(StyleOrdersSheet::ParamChartSummChartGridColor, kDarkViolet));
    painter.drawLine(QPointF(area.left(), area.height() / 2.0), QPointF(area.right(), area.height() / 2.0));
    painter.setPen(StyleColour(StyleOrdersSheet::ParamChartSummWindowFrameColor, kDarkViolet));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

std::optional<std::pair<int, int>> OrdersSheetSummaryChartCtrl::HitTest(const QPoint& position) const
{
    // Line points first: they lie on top of the bars.
    for (int series : {OSSummaryChartData::SupplyLine, OSSummaryChartData::DemandLine})
    {
        for (int point = 0; point < OSSummaryChartData::kPointCount; ++point)
        {
            const QPointF at = PointPosition(size(), point, m_data.Get(series).shares[std::size_t(point)]);
            if (std::fabs(at.x() - position.x()) <= kHitRadius && std::fabs(at.y() - position.y()) <= kHitRadius)
                return std::make_pair(series, point);
        }
    }
    const int point = int(position.x() / CategoryWidth(size()));
    if (point < 0 || point >= OSSummaryChartData::kPointCount)
        return std::nullopt;
    const double zeroY = PointPosition(size(), point, 0).y();
    const int series = position.y() < zeroY ? OSSummaryChartData::SupplyBars : OSSummaryChartData::DemandBars;
    const QPointF top = PointPosition(size(), point, m_data.Get(series).shares[std::size_t(point)]);
    if (std::fabs(position.y() - zeroY) > std::fabs(top.y() - zeroY))
        return std::nullopt;
    return std::make_pair(series, point);
}

QString OrdersSheetSummaryChartCtrl::TooltipFor(int series, int point) const
{
    if (!m_settings || series < 0 || series >= OSSummaryChartData::kSeriesCount || point < 0 ||
        point >= OSSummaryChartData::kPointCount)
        return {};
    const double raw = m_data.Get(series).raw[std::size_t(point)];
    if (point == OSSummaryChartData::CountPoint)
        return OSSummaryChartData::TooltipText(series, point, Number2String::Format(raw, 0));
    const auto& precision = m_settings->GetTableSettings().GetColumnPrecision(OrdersSheetTableSettings::kOrdersMode, 1);
    return OSSummaryChartData::TooltipText(series, point,
                                           Number2String(QStringLiteral("%s"), raw, precision.Min(), precision.Value()).Text());
}

void OrdersSheetSummaryChartCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const std::optional<std::pair<int, int>> hit = HitTest(event->position().toPoint());
    const QString text = hit ? TooltipFor(hit->first, hit->second) : QString();
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPosition().toPoint(), text, this);
}
