#pragma once
// Ties QActions (menu items, tool buttons) to command ids of a window: triggering an action
// sends the window WM_COMMAND, and an update pass asks the window's update-UI handlers for
// every bound action, now or on a timer, as the program's idle update does.

#include "platform/ui/WindowMessage.h"

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <vector>

class Wnd;

class CommandActions : public QObject
{
public:
    explicit CommandActions(Wnd& owner, QObject* parent = nullptr);

    // A new action for the id: caption and tooltip from the string table, icon from Images.
    QAction* Create(std::uint32_t id, QObject* actionParent);
    void Bind(QAction* action, std::uint32_t id);

    void UpdateAll();
    void StartUpdates(int milliseconds);
    void StopUpdates();

private:
    struct Binding
    {
        QPointer<QAction> action;
        std::uint32_t id;
    };

    void Execute(std::uint32_t id);

    WndHandle m_owner;
    std::vector<Binding> m_bindings;
    QTimer m_updateTimer;
};
