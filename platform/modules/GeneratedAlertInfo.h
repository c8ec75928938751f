#pragma once
// A generated local alert as the module libraries receive it: the alert's name, id and side,
// the time of the value that fired it and the values of the arguments of both sides at that
// moment. Made where generated alerts are announced (the alerts worker or its announcing
// thread, one at a time) and handed to every consumer on that thread.

#include "platform/base/OleDate.h"
#include "platform/modules/AlertExprArgSnapshot.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class GeneratedAlertInfo
{
public:
    // side: 0 sell, 1 buy.
    GeneratedAlertInfo(QString name, unsigned side, std::uint32_t alertId, const OleDate& time)
        : m_name(std::move(name))
        , m_side(side)
        , m_alertId(alertId)
        , m_time(time)
    {
    }

    void InsertSnapshot(std::shared_ptr<const AlertExprArgSnapshot> snapshot)
    {
        m_snapshots.push_back(std::move(snapshot));
    }

    const QString& GetName() const { return m_name; }
    unsigned GetSide() const { return m_side; }
    std::uint32_t GetAlertId() const { return m_alertId; }
    const OleDate& GetTime() const { return m_time; }
    const std::vector<std::shared_ptr<const AlertExprArgSnapshot>>& GetSnapshots() const { return m_snapshots; }

private:
    QString m_name;
    unsigned m_side;
    std::uint32_t m_alertId;
    OleDate m_time;
    std::vector<std::shared_ptr<const AlertExprArgSnapshot>> m_snapshots;
};
