#pragma once
// A report: rows of items in columns, optionally under group rows that expand and collapse and
// carry buttons in their headers. A row can host a child window across its width, and an item
// a child control over its cell; the report places them and hides them with their rows. Items
// marked editable are edited in place in a line editor checked by the report's validator.
// The keyboard moves the focused row (up, down, home, end), opens and closes groups (left,
// right, space) and starts editing (F2, Enter). With its height fitted, the report is always as
// tall as its rows and tells how much it grew or shrank. No column header, no scrolling: the
// report lives in windows that size it. Main thread only.

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class QValidator;
class ReportGroupRow;
class ReportRecord;
class ReportRecordItem;

class ReportControl : public QWidget
{
    Q_OBJECT

public:
    struct Hit
    {
        ReportGroupRow* group = nullptr;  // a group's header was hit
        ReportRecord* record = nullptr;
        int column = -1;
        int button = -1;  // a header button of the group
        bool expander = false;  // the group's arrow
    };

    static constexpr int kExpanderWidth = 18;

    explicit ReportControl(QWidget* parent = nullptr);
    ~ReportControl() override;

    // A column of the given width; auto-size columns share what the fixed ones leave.
    int AddColumn(int width, bool autoSize);
    void SetColumnVisible(int column, bool visible);
    // Left edge and width of a column in this widget (an empty rect for a hidden column).
    QRect ColumnSpan(int column) const;

    ReportGroupRow* AddGroup(const QString& caption);
    int GetGroupCount() const { return static_cast<int>(m_groups.size()); }
    ReportGroupRow* GetGroup(int index) const;
    void SetExpanded(ReportGroupRow* group, bool expanded);

    // Appends (index -1) or inserts the row, at the top level or under a group.
    ReportRecord* AddRecord(std::unique_ptr<ReportRecord> record, ReportGroupRow* group = nullptr, int index = -1);
    void RemoveRecord(ReportRecord* record);
    // Top-level rows.
    int GetRecordCount() const { return static_cast<int>(m_records.size()); }
    ReportRecord* GetRecord(int index) const;
    int IndexOf(const ReportRecord* record) const;

    // The row's place in this widget; empty when it is not shown.
    QRect RowRect(const ReportRecord* record) const;
    QRect GroupRect(const ReportGroupRow* group) const;
    Hit HitTest(const QPoint& point) const;
    int GetRowsHeight() const;
    void SetRowHeight(int height);
    void SetGroupRowHeight(int height);

    void SetFitHeight(bool fit);
    // Rows, controls and hosted windows are put in place again (and the height fitted).
    void Relayout();

    ReportRecord* GetSelectedRecord() const { return m_selected; }
    void SetSelectedRecord(ReportRecord* record);

    // Edits typed into items are checked with the validator (none: any text).
    void SetInplaceValidator(std::shared_ptr<QValidator> validator);
    // Opens the line editor over an editable item; false when it is not editable or shown.
    bool EditItem(ReportRecord* record, int column);
    QLineEdit* GetInplaceEdit() const { return m_editor; }
    // Hands the editor's text to its item and closes it; false when the validator or the item
    // refused it (the item keeps what it had).
    bool CommitEdit();
    void CancelEdit();

signals:
    void GroupExpanded(ReportGroupRow* group, bool expanded);
    void HeaderButtonClicked(ReportGroupRow* group, int button);
    void SelectionChanged(ReportRecord* record);
    void ItemEdited(ReportRecord* record, int column, const QString& text);
    void EditRefused(ReportRecord* record, int column, const QString& text);
    // The fitted height changed by delta.
    void HeightChanged(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Paints a group's header (background, arrow, caption, buttons).
    virtual void DrawGroupRow(QPainter& painter, ReportGroupRow& group, const QRect& rect);

private:
    struct Column
    {
        int width = 0;
        bool autoSize = false;
        bool visible = true;
    };
    struct Row
    {
        ReportGroupRow* group = nullptr;
        ReportRecord* record = nullptr;
        QRect rect;
    };

    int RecordHeight(const ReportRecord& record) const;
    void Adopt(ReportRecord& record);
    void RebuildRows();
    void PlaceChildren();
    int FocusedRow() const;
    void MoveFocus(int row);
    void ShowChildren(ReportRecord& record, bool shown);
    Hit HitButton(ReportGroupRow& group, const QPoint& point) const;

    std::vector<Column> m_columns;
    std::vector<std::unique_ptr<ReportGroupRow>> m_groups;
    std::vector<std::unique_ptr<ReportRecord>> m_records;
    std::vector<Row> m_rows;
    ReportRecord* m_selected = nullptr;
    ReportGroupRow* m_focusedGroup = nullptr;
    ReportGroupRow* m_pressedGroup = nullptr;
    int m_pressedButton = -1;
    std::shared_ptr<QValidator> m_validator;
    QPointer<QLineEdit> m_editor;
    ReportRecord* m_editedRecord = nullptr;
    int m_editedColumn = -1;
    int m_rowHeight = 20;
    int m_groupRowHeight = 24;
    bool m_fitHeight = false;
};
