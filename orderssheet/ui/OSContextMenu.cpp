#include "orderssheet/ui/OSContextMenu.h"

#include "orderssheet/settings/OrdersSheetTableSettings.h"
#include "orderssheet/ui/IOrdersSheetMenuCmdDestination.h"
#include "platform/modules/PanelWindows.h"
#include "platform/ui/Images.h"
#include "platform/ui/Menu.h"

#include <QAction>
#include <QMenu>

namespace
{
QAction* AddCommand(QMenu& menu, std::uint32_t id, const QString& text)
{
    QAction* action = menu.addAction(Images::Instance().Icon(id - OSContextMenu::kImageIdOffset), text);
    action->setData(QVariant::fromValue(id));
    return action;
}
}

OSContextMenu::OSContextMenu(IOrdersSheetMenuCmdDestination& destination, ModeSource mode, NamesSource names, MoveAction move)
    : m_destination(destination)
    , m_mode(std::move(mode))
    , m_names(std::move(names))
    , m_move(std::move(move))
{
}

std::unique_ptr<QMenu> OSContextMenu::BuildMenu() const
{
    auto menu = std::make_unique<QMenu>();
    const bool orders = m_mode && m_mode() == OrdersSheetTableSettings::kOrdersMode;
    AddCommand(*menu, ID_SHEET_MODE, orders ? QStringLiteral("Tryb ofert") : QStringLiteral("Tryb zleceń"));
    const std::vector<QString> names = m_names ? m_names() : std::vector<QString>();
    const QString caption = QStringLiteral("Przenieś na");
    if (names.empty())
    {
        AddCommand(*menu, ID_MOVE_TO, caption)->setEnabled(false);
        return menu;
    }
    QMenu* windows = menu->addMenu(Images::Instance().Icon(ID_MOVE_TO - kImageIdOffset), caption);
    for (std::size_t index = 0; index < names.size(); ++index)
        windows->addAction(names[index])->setData(QVariant::fromValue(kFirstWindowId + std::uint32_t(index)));
    return menu;
}

void OSContextMenu::ShowMenu(const QPoint& screenPoint)
{
    const std::unique_ptr<QMenu> menu = BuildMenu();
    if (const std::uint32_t chosen = Menu::TrackPopupMenu(*menu, screenPoint); chosen > 0)
        OnMenuCommand(chosen);
}

void OSContextMenu::OnMenuCommand(std::uint32_t id)
{
    if (id == ID_SHEET_MODE)
    {
        m_destination.SetSheetMode(nullptr);
        return;
    }
    if (id < kFirstWindowId || !m_move)
        return;
    // The names are taken again: the windows may have changed while the menu was open.
    if (const QString name = PanelWindows::NameForMenuId(id, kFirstWindowId, m_names ? m_names() : std::vector<QString>());
        !name.isEmpty())
        m_move(name);
}
