#pragma once
// A quote table that a module window can be connected to, as the "Powiąż" gallery lists it.

#include <QString>

#include <utility>

class QWidget;

class DataForConnectedWindow
{
public:
    DataForConnectedWindow(QString tableLabel, bool connected, QWidget* table)
        : m_tableLabel(std::move(tableLabel))
        , m_connected(connected)
        , m_table(table)
    {
    }

    const QString& GetTableLabel() const { return m_tableLabel; }
    bool IsConnected() const { return m_connected; }
    QWidget* GetTableHandle() const { return m_table; }

private:
    QString m_tableLabel;
    bool m_connected = false;
    QWidget* m_table = nullptr;
};
