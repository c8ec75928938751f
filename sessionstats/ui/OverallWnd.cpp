#include "sessionstats/ui/OverallWnd.h"

#include "platform/modules/DDBaseDataObject.h"
#include "platform/modules/DDBaseDataObjectMime.h"
#include "sessionstats/engine/SessionStatisticsArguments.h"
#include "sessionstats/ui/SessionStatisticsContextMenu.h"
#include "sessionstats/ui/StyleSessionStatistics.h"
#include "styles/engine/ObjectWithStyle.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cstdlib>

OverallWnd::OverallWnd(QWidget* parent)
    : QWidget(parent)
    , m_dragStarter(DDBaseDataObjectMime::RunDrag)
{
    m_items.push_back(std::make_unique<AssetsAmountOverallWindowItem>());
    m_items.push_back(std::make_unique<TurnOverOverallWindowItem>());
    m_items.push_back(std::make_unique<TransactionsCountOverallWindowItem>());
    for (const auto& item : m_items)
        m_itemPointers.push_back(item.get());
}

OverallWnd::~OverallWnd() = default;

const IOverallWindowStyle* OverallWnd::GetOverallStyle() const
{
    if (!m_module)
        return nullptr;
    if (m_styleStale || !m_style)
    {
        m_style = std::dynamic_pointer_cast<const StyleSessionStatistics>(m_module->Style());
        m_styleStale = false;
    }
    return m_style ? &m_style->OverallStyle() : nullptr;
}

void OverallWnd::UpdateItems(const OverallStatisticsWrapper& overall)
{
    for (const auto& item : m_items)
        item->Update(overall);
    update();
}

bool OverallWnd::ArgumentAt(const QPoint& point, DDBaseDataObject& object) const
{
    for (int index = 0; index < static_cast<int>(m_items.size()); ++index)
    {
        const int segment = m_items[index]->HitTest(point);
        if (segment < 0)
            continue;
        object.SetupAlertArg(SessionStatisticsArguments::SourceModuleName(), std::uint32_t(10 * index + segment + 1),
                             SessionStatisticsArguments::GetArgumentName(index, segment),
                             SessionStatisticsArguments::kArgumentDescription);
        return true;
    }
    return false;
}

void OverallWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_painter.Draw(GetOverallStyle(), painter, rect(), m_itemPointers);
}

void OverallWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_downPoint = event->position().toPoint();
    m_buttonDown = true;
    m_dragArmed = true;
}

void OverallWnd::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragArmed)
        return;
    if (!(event->buttons() & Qt::LeftButton) || !m_buttonDown)
    {
        m_buttonDown = false;
        return;
    }
    const int threshold = (2 * QApplication::startDragDistance()) / 4;
    const QPoint moved = event->position().toPoint() - m_downPoint;
    if (std::abs(moved.x()) > threshold || std::abs(moved.y()) > threshold)
    {
        m_dragArmed = false;
        StartArgumentDrag();
    }
}

void OverallWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_buttonDown = false;
    QWidget::mouseReleaseEvent(event);
}

void OverallWnd::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_contextMenu)
        m_contextMenu->ShowMenu(event->globalPos());
}

void OverallWnd::StartArgumentDrag()
{
    DDBaseDataObject object;
    if (ArgumentAt(m_downPoint, object) && m_dragStarter)
        m_dragStarter(*this, object);
}
