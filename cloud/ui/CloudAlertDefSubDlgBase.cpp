#include "cloud/ui/CloudAlertDefSubDlgBase.h"

#include "cloud/ui/CloudAlertDefinitionDlg.h"

CloudAlertDefSubDlgBase::CloudAlertDefSubDlgBase(CloudAlertDefinitionDlg& owner)
    : QWidget(&owner)
    , m_owner(owner)
{
}

void CloudAlertDefSubDlgBase::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    m_owner.ForceActivate();
}
