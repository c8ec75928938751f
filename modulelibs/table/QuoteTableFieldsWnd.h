#pragma once
// The field-configuration window of the quote tables: every kind of field with a box that
// shows or hides it as a column of the current table. One window serves every table; it
// follows the table that is current. Main thread only.

#include <QWidget>

#include <functional>

class QListWidget;
class QuoteTableModel;

class QuoteTableFieldsWnd : public QWidget
{
    Q_OBJECT

public:
    // changed: runs after the user showed or hid a column.
    QuoteTableFieldsWnd(QWidget* parent, std::function<void()> changed);

    // Shows the columns of the table; null leaves the list empty and disabled.
    void ShowTable(QuoteTableModel* model);

private:
    QListWidget* m_list = nullptr;
    QuoteTableModel* m_model = nullptr;
    std::function<void()> m_changed;
    bool m_filling = false;
};
