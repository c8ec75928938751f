#pragma once
// One row of a report: an item per column, or one window across the whole row (a panel the
// row hosts, as tall as the window). Rows that belong to a group row are shown while the group
// is expanded.

#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class ReportGroupRow;
class ReportRecordItem;

class ReportRecord
{
public:
    ReportRecord();
    virtual ~ReportRecord();

    ReportRecordItem* AddItem(std::unique_ptr<ReportRecordItem> item);
    // Null outside the items.
    ReportRecordItem* GetItem(int column) const;
    int GetItemCount() const { return static_cast<int>(m_items.size()); }

    // The window the row hosts (the report owns it from then); its height is the row's.
    void SetHostedWidget(QWidget* widget);
    QWidget* GetHostedWidget() const { return m_hosted; }

    // The row's height; 0 takes the hosted window's height or the report's row height.
    void SetHeight(int height) { m_height = height; }
    int GetHeight() const { return m_height; }

    ReportGroupRow* GetGroup() const { return m_group; }

private:
    friend class ReportGroupRow;
    friend class ReportControl;

    std::vector<std::unique_ptr<ReportRecordItem>> m_items;
    QPointer<QWidget> m_hosted;
    ReportGroupRow* m_group = nullptr;
    int m_height = 0;
};
