#include "ribbon/popups/PopupWindowManager.h"

#include "platform/ui/PopupWindow.h"
#include "ribbon/RibbonLog.h"

#include <QPainter>
#include <QVBoxLayout>

// The popup window around the manager's dialog; its background is the manager's.
class PopupWindowManager::Host : public PopupWindow
{
public:
    Host(PopupWindowManager& manager, QWidget* owner)
        : PopupWindow(owner, Behaviour::Grabbing)
        , m_manager(manager)
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_manager.DrawBackground(painter, rect());
    }

private:
    PopupWindowManager& m_manager;
};

PopupWindowManager::PopupWindowManager(QWidget* parent)
    : m_parent(parent)
{
}

PopupWindowManager::~PopupWindowManager()
{
    delete m_host.data();
}

bool PopupWindowManager::ShowAtAnchor(const QRect& anchor)
{
    if (!m_host)
        m_host = new Host(*this, m_parent);
    if (m_dialog == nullptr)
    {
        m_dialog = CreatePopupWindow(m_host);
        if (m_dialog == nullptr)
        {
            qCWarning(lcRibbon) << "PopupWindowManager: the popup dialog could not be made";
            return false;
        }
        m_host->layout()->addWidget(m_dialog);
    }
    UpdatePopupWindow();
    m_host->adjustSize();
    m_host->ShowAtAnchor(anchor);
    OnWindowPoped();
    return true;
}

void PopupWindowManager::ClosePopup()
{
    if (m_host)
        m_host->close();
}

bool PopupWindowManager::IsPopupShown() const
{
    return m_host && m_host->isVisible();
}

PopupWindow* PopupWindowManager::GetPopupWindow() const
{
    return m_host;
}

QWidget* PopupWindowManager::GetParentWnd() const
{
    return m_parent;
}

bool PopupWindowManager::OnMouseHitTest(const QPoint& point) const
{
    return IsPopupShown() && m_host->frameGeometry().contains(point);
}

bool PopupWindowManager::DrawBackground(QPainter&, const QRect&)
{
    return false;
}

void PopupWindowManager::OnWindowPoped()
{
}
