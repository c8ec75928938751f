#include "charts/ui/ChartSeriesBaseSettingsDlg.h"

#include "charts/ui/ChartValuesPopupDlg.h"
#include "modulelibs/chart/ChartModule.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"

#include <QLineEdit>

#include <cmath>

ChartSeriesBaseSettingsDlg::ChartSeriesBaseSettingsDlg(QWidget* parent, RibbonControlPopupEx* control)
    : PopupWindowManagerEx(parent)
    , m_control(control)
{
}

bool ChartSeriesBaseSettingsDlg::GetBaseLevel(double& level) const
{
    if (!m_dialog || !m_level)
        return false;
    QString text = m_level->text().trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    level = value;
    return true;
}

QWidget* ChartSeriesBaseSettingsDlg::CreatePopupWindow(QWidget* host)
{
    m_dialog = new ChartValuesPopupDlg(m_control, host);
    m_level = new QLineEdit;
    m_dialog->AddField(QStringLiteral("Poziom bazowy"), m_level);
    return m_dialog;
}

void ChartSeriesBaseSettingsDlg::UpdatePopupWindow()
{
    if (!m_dialog)
        return;
    ChartConsumer* charts = GetChartConsumer();
    ActiveObjectsContainer* active = charts ? charts->GetActiveObjects() : nullptr;
    m_level->setText(QString::number(active ? active->GetBaseValueActiveSeries() : 0.0, 'g', 10));
    m_level->selectAll();
    m_level->setFocus();
}
