#include "cloud/ui/CloudAlertDefinitionDlgHolder.h"

#include <utility>

CloudAlertDefinitionDlgHolder::CloudAlertDefinitionDlgHolder(std::function<QWidget*()> parent,
                                                             std::function<CloudAlertDefinitionDlg::Services()> services)
    : m_parent(std::move(parent))
    , m_services(std::move(services))
{
}

void CloudAlertDefinitionDlgHolder::ShowDefinitionDlg(bool show, const std::shared_ptr<const CloudAlertData>& alert)
{
    if (!m_dialog)
    {
        if (!show)
            return;
        m_dialog = MakeDialog();
    }
    m_dialog->LoadAlert(alert);
    m_dialog->Fit();
    if (m_dialog->isVisible() == show)
    {
        if (show)
            m_dialog->raise();
        return;
    }
    m_dialog->setVisible(show);
    if (show)
        m_dialog->raise();
}

QWidget* CloudAlertDefinitionDlgHolder::GetDefinitionDlg() const
{
    return m_dialog.data();
}

void CloudAlertDefinitionDlgHolder::RememberDefinitionDlgRect(const QRect& rect)
{
    m_dialogRect = rect;
}

void CloudAlertDefinitionDlgHolder::ReleaseDefinitionDlg()
{
    m_dialog.clear();
}

CloudAlertDefinitionDlg* CloudAlertDefinitionDlgHolder::MakeDialog()
{
    CloudAlertDefinitionDlg::Services services = m_services ? m_services() : CloudAlertDefinitionDlg::Services{};
    // The dialog is closing when this runs and deletes itself right after.
    services.closed = [this](const QRect&) {
        if (m_dialog)
            RememberDefinitionDlgRect(RectInParent(*m_dialog));
        ReleaseDefinitionDlg();
    };
    auto* dialog = new CloudAlertDefinitionDlg(std::move(services), m_parent ? m_parent() : nullptr);
    if (m_dialogRect)
        PlaceInParent(*dialog, *m_dialogRect);
    else
        PlaceInParent(*dialog, QRect(QPoint(kFirstOffset, kFirstOffset), dialog->size()));
    return dialog;
}

QRect CloudAlertDefinitionDlgHolder::RectInParent(const QWidget& dialog)
{
    const QWidget* parent = dialog.parentWidget();
    if (!dialog.isWindow())
        return dialog.geometry();
    const QRect frame = dialog.frameGeometry();
    return parent ? QRect(parent->mapFromGlobal(frame.topLeft()), frame.size()) : frame;
}

void CloudAlertDefinitionDlgHolder::PlaceInParent(QWidget& dialog, const QRect& rect)
{
    const QWidget* parent = dialog.parentWidget();
    const QPoint topLeft = dialog.isWindow() && parent ? parent->mapToGlobal(rect.topLeft()) : rect.topLeft();
    dialog.move(topLeft);
}
