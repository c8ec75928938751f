#pragma once
// The menu of data providers that the instrument-choice dialogs open from their provider button:
// every provider of the choice component by name, the current one checked.

#include <QPoint>

#include <memory>

class ChooseAssetDlgComponent;
class ProviderBase;
class QMenu;

class MenuChooseProviderComponent
{
public:
    explicit MenuChooseProviderComponent(ChooseAssetDlgComponent& component);
    ~MenuChooseProviderComponent();

    void CreateMenu();
    // Runs the menu at the point (screen coordinates); the chosen provider, null when cancelled.
    ProviderBase* ShowMenuAndChooseProvider(const QPoint& point, ProviderBase* current);

private:
    ChooseAssetDlgComponent& m_component;
    std::unique_ptr<QMenu> m_menu;
};
