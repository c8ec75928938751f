#include "platform/toolkit/RibbonPopupMenu.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryWidget.h"
#include "platform/toolkit/RibbonControlEditors.h"
#include "platform/toolkit/RibbonImageManager.h"
#include "platform/toolkit/RibbonLayout.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/Images.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidgetAction>

namespace
{
double g_maxWidthDivisor = 0.0;

QWidget* GalleryView(GalleryControl& gallery, QWidget* parent)
{
    // Items beyond the gallery's height scroll through the view's own scroll column.
    auto* view = new GalleryWidget(gallery, parent);
    view->setFixedSize(view->sizeHint());
    return view;
}
}

RibbonPopupMenu::RibbonPopupMenu(RibbonPopupBar& popup, const RibbonImageManager& images, QWidget* parent)
    : RibbonPopupMenu(popup.GetControls(), images, parent)
{
}

RibbonPopupMenu::RibbonPopupMenu(const Controls& controls, const RibbonImageManager& images, QWidget* parent)
    : m_images(images)
    , m_menu(std::make_unique<QMenu>(parent))
{
    Fill(*m_menu, controls);
    LimitWidth(parent);
}

void RibbonPopupMenu::LimitWidth(QWidget* parent)
{
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (g_maxWidthDivisor > 0 && screen)
        m_menu->setMaximumWidth(static_cast<int>(screen->availableGeometry().width() * g_maxWidthDivisor));
}

RibbonPopupMenu::~RibbonPopupMenu() = default;

RibbonControl* RibbonPopupMenu::ControlOf(const QAction* action) const
{
    return action ? m_controls.value(action).data() : nullptr;
}

void RibbonPopupMenu::SetMaxWidthDivisor(double divisor)
{
    g_maxWidthDivisor = divisor;
}

void RibbonPopupMenu::Fill(QMenu& menu, const Controls& controls)
{
    for (const auto& owned : controls)
    {
        RibbonControl& control = *owned;
        if (!control.IsVisible())
            continue;
        if (control.GetBeginGroup() && !menu.isEmpty())
            menu.addSeparator();
        const QString caption = RibbonLayout::DisplayText(control.GetCaption());
        QAction* action = nullptr;
        if (control.GetType() == RibbonControlLabel)
            action = menu.addSection(caption);
        else if (auto* gallery = qobject_cast<GalleryControl*>(&control))
        {
            auto* widgetAction = new QWidgetAction(&menu);
            widgetAction->setDefaultWidget(GalleryView(*gallery, &menu));
            menu.addAction(widgetAction);
            action = widgetAction;
        }
        else if (QWidget* editor = RibbonControlEditors::Create(control, &menu))
        {
            auto* widgetAction = new QWidgetAction(&menu);
            widgetAction->setDefaultWidget(editor);
            menu.addAction(widgetAction);
            action = widgetAction;
        }
        else if (control.GetCommandBar() && control.GetType() != RibbonControlSplitButtonPopup)
        {
            QMenu* submenu = menu.addMenu(caption);
            Fill(*submenu, control.GetCommandBar()->GetControls());
            action = submenu->menuAction();
        }
        else
        {
            action = menu.addAction(caption);
            action->setData(QVariant::fromValue(control.GetID()));
            action->setCheckable(control.GetType() == RibbonControlCheckBox || control.GetChecked() != 0);
            action->setChecked(control.GetChecked() != 0);
            action->setStatusTip(control.GetDescription());
        }
        const std::uint32_t id = control.GetID();
        if (m_images.HasIcon(id, RibbonImageManager::kSmall) || m_images.HasIcon(id, RibbonImageManager::kLarge))
            action->setIcon(m_images.Icon(id, RibbonImageManager::kSmall));
        else if (!Images::Instance().IconName(id).isEmpty())
            action->setIcon(Images::Instance().Icon(id));
        action->setEnabled(control.GetEnabled());
        m_controls.insert(action, &control);
    }
}
