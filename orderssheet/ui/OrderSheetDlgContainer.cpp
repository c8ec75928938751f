#include "orderssheet/ui/OrderSheetDlgContainer.h"

#include "core/engine/InvalidArgException.h"
#include "orderssheet/settings/OrdersSheetSettings.h"
#include "orderssheet/ui/SummaryInfoDlg.h"
#include "platform/base/ColorRef.h"
#include "platform/base/Number2String.h"

#include <QPainter>

namespace
{
constexpr int kCountKind = 3;
constexpr int kValueKind = 4;
}

OrderSheetDlgContainer::OrderSheetDlgContainer(int side, const OrdersSheetPaneData& paneData, QWidget* parent)
    : QWidget(parent)
    , m_side(side)
    , m_paneData(paneData)
{
    if (!m_paneData.settings)
        throw InvalidArgException(QStringLiteral("OrderSheetDlgContainer: brak danych panelu"));
    m_host = new QWidget(this);
    m_host->setObjectName(QStringLiteral("1043"));
    m_summary = new SummaryInfoDlg(m_side, m_paneData.owner, m_paneData.settings, m_host);
    m_summary->adjustSize();
    m_summaryHeight = m_summary->sizeHint().height();
}

int OrderSheetDlgContainer::PartCount(int height, int summaryHeight)
{
    // A summary made while hidden has no height yet: nothing of it can be placed.
    if (summaryHeight <= 0 || height <= 0)
        return 0;
    return std::min(2, int(height / (0.5 * summaryHeight)));
}

int OrderSheetDlgContainer::HostHeight(int parts, int summaryHeight)
{
    if (parts >= 2)
        return summaryHeight;
    return parts == 1 ? int(0.51 * summaryHeight) : 0;
}

void OrderSheetDlgContainer::resizeEvent(QResizeEvent*)
{
    Layout();
}

void OrderSheetDlgContainer::Layout()
{
    const int parts = PartCount(height(), m_summaryHeight);
    m_host->setVisible(parts > 0);
    const int hostHeight = HostHeight(parts, m_summaryHeight);
    m_host->setGeometry(0, m_side == 0 ? height() - hostHeight : 0, width(), hostHeight);
    m_summary->setGeometry(0, m_side == 0 ? hostHeight - m_summaryHeight : 0, width(), m_summaryHeight);
    if (parts != m_lastPartCount)
    {
        m_lastPartCount = parts;
        update();
    }
}

void OrderSheetDlgContainer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const auto colour = ColorRef(quint32(m_paneData.settings->GetStyle()->GetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor)));
    painter.fillRect(rect(), colour.ToQColor(QColor(0x64, 0x64, 0x64)));
}

QString OrderSheetDlgContainer::FormatValue(double value, int columnKind) const
{
    const auto& precision =
        m_paneData.settings->GetTableSettings().GetColumnPrecision(OrdersSheetTableSettings::kOrdersMode, columnKind);
    const QString format = QStringLiteral("%s");
    if (m_summary && m_summary->isVisible() && m_summary->width() > 0)
        return Number2String(format, m_summary->font(), m_summary->width(), value, precision.Min(), precision.Value()).Text();
    return Number2String(format, value, precision.Min(), precision.Value()).Text();
}

void OrderSheetDlgContainer::SetPriceLevel(int kind, double fraction)
{
    m_paneData.priceLevelKind = kind;
    m_paneData.priceLevelFraction = fraction;
}

void OrderSheetDlgContainer::UpdateSummary(int groupKind, const OSSummaryValues& summary)
{
    const QString sideWord = m_side == 0 ? QStringLiteral("Podaż") : QStringLiteral("Popyt");
    const bool totals = groupKind == SummaryInfoDlg::kTotalsGroupKind;
    const double count = totals ? summary.orderCount : summary.count;
    const double value = totals ? summary.totalValue : summary.value;
    QString heading = sideWord;
    if (!totals)
    {
        heading = m_paneData.priceLevelKind == OrdersSheetPaneData::kPriceLevelUpToLimit
                      ? QStringLiteral("%1 do %2").arg(sideWord, FormatValue(summary.limit, 1))
                      : QString::asprintf("%s %0.2f%s", sideWord.toUtf8().constData(), m_paneData.priceLevelFraction * 100, "%");
    }
    m_summary->SetShowPriceLevel(true);
    m_summary->SetGroupTexts(groupKind, heading, FormatValue(count, kCountKind), FormatValue(value, kValueKind),
                             FormatValue(count != 0 ? value / count : 0, kValueKind));
    // The groups show with their first figures: the summary is as tall as they make it.
    if (const int summaryHeight = m_summary->sizeHint().height(); summaryHeight != m_summaryHeight)
    {
        m_summaryHeight = summaryHeight;
        Layout();
    }
}
