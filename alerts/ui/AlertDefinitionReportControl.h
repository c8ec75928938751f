#pragma once
// The body of the alert definition dialog: three expandable rows, "Alert kupna", "Alert
// sprzedaży" and "Właściowości alertu", each hosting its panel; the two side rows carry the
// "dodaj nowe wyrażenie" button in their header. It keeps its height fitted to its rows and
// tells the dialog by how much it changed. Main thread only.

#include <QWidget>

#include <array>

class AddExpressionButton;
class AlertPropertiesDlg;
class DirectAlertPanelDlg;
class QLabel;
class QToolButton;

class AlertDefinitionReportControl : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kBuyRecord = 0;
    static constexpr int kSellRecord = 1;
    static constexpr int kPropertiesRecord = 2;

    explicit AlertDefinitionReportControl(QWidget* parent = nullptr);

    void Setup(AlertPropertiesDlg* properties, DirectAlertPanelDlg* buyPanel, DirectAlertPanelDlg* sellPanel);
    // Resizes to the height its rows need; emits the change when there is one.
    void FitHeight();
    // The side of the record gets an empty expression row at its end.
    void AddExpressionFromHeader(int record);
    void Expand(int record);
    void Collapse(int record);
    bool IsExpanded(int record) const;
    static QString Caption(int record);

    // Null for the properties record.
    AddExpressionButton* HeaderAddButton(int record) { return m_rows[Index(record)].addButton; }
    QToolButton* ExpandButton(int record) { return m_rows[Index(record)].expandButton; }

signals:
    void heightChanged(int delta);

private:
    struct Row
    {
        QWidget* header = nullptr;
        QToolButton* expandButton = nullptr;
        AddExpressionButton* addButton = nullptr;
        QWidget* window = nullptr;
        bool expanded = true;
    };

    static std::size_t Index(int record) { return static_cast<std::size_t>(record); }
    void MakeRow(int record, QWidget* window);
    void SetExpanded(int record, bool expanded);

    std::array<Row, 3> m_rows;
};
