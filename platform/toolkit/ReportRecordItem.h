#pragma once
// One cell of a report row: a caption with a tooltip, optionally editable in place, or a child
// control (a combo box, a button) that the report keeps over the cell. Items that look
// otherwise paint themselves (Draw); items that take typed text otherwise override OnEditDone.

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class QPainter;

class ReportRecordItem
{
public:
    explicit ReportRecordItem(const QString& caption = {});
    virtual ~ReportRecordItem();

    QString GetCaption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }
    QString GetTooltip() const { return m_tooltip; }
    void SetTooltip(const QString& tooltip) { m_tooltip = tooltip; }
    bool IsEditable() const { return m_editable; }
    void SetEditable(bool editable) { m_editable = editable; }

    // The report shows the control over the cell and owns it from then.
    void SetControl(QWidget* control);
    QWidget* GetControl() const { return m_control; }

    // Paints the cell; by default the caption, left-aligned and vertically centred.
    virtual void Draw(QPainter& painter, const QRect& cell, bool selected) const;
    // The user typed text that the editor's validator accepts; false refuses it.
    virtual bool OnEditDone(const QString& text);

private:
    QString m_caption;
    QString m_tooltip;
    QPointer<QWidget> m_control;
    bool m_editable = false;
};
