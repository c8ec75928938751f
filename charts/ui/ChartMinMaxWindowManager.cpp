#include "charts/ui/ChartMinMaxWindowManager.h"

#include "charts/ui/ChartAxisMinMaxDlg.h"
#include "modulelibs/chart/ChartModule.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"

#include <QRegularExpression>

ChartMinMaxWindowManager::ChartMinMaxWindowManager(QWidget* parent, RibbonControlPopupEx* control)
    : PopupWindowManagerEx(parent)
    , m_control(control)
{
}

double ChartMinMaxWindowManager::ParseNumber(const QString& text)
{
    // Polish users type a decimal comma; the number is read without the process's locale.
    static const QRegularExpression leadingNumber(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    QString prefix = text.trimmed();
    prefix.replace(QLatin1Char(','), QLatin1Char('.'));
    const QRegularExpressionMatch match = leadingNumber.match(prefix);
    if (!match.hasMatch())
        return 0.0;
    bool ok = false;
    const double value = match.captured(0).toDouble(&ok);
    return ok ? value : 0.0;
}

void ChartMinMaxWindowManager::GetEnteredMinMax(double& minimum, double& maximum) const
{
    if (!m_dialog)
        return;
    minimum = ParseNumber(m_dialog->MinText());
    maximum = ParseNumber(m_dialog->MaxText());
}

QWidget* ChartMinMaxWindowManager::CreatePopupWindow(QWidget* host)
{
    m_dialog = new ChartAxisMinMaxDlg(m_control, host);
    return m_dialog;
}

void ChartMinMaxWindowManager::UpdatePopupWindow()
{
    if (!m_dialog)
        return;
    ChartConsumer* charts = GetChartConsumer();
    ActiveObjectsContainer* active = charts ? charts->GetActiveObjects() : nullptr;
    QString minimum;
    QString maximum;
    if (active)
        active->GetMinMaxFromAxisValue(minimum, maximum);
    m_dialog->SetValues(minimum, maximum);
}
