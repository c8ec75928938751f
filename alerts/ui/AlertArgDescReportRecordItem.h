#pragma once
// One operand cell of an expression row: an argument (name in bold on the left half, its
// description on the right half), a typed constant, or the hint of what may go there; framed
// in red when the row check found it missing.

#include <QString>
#include <QWidget>

class AlertArgDescReportRecordItem : public QWidget
{
    Q_OBJECT

public:
    // left: the left operand's cell (dragged to only), else the right one (dragged to or typed in).
    AlertArgDescReportRecordItem(bool left, QWidget* parent);

    void ShowArgument(const QString& name, const QString& description);
    void ShowConstant(const QString& text);
    void ShowHint();
    void SetError(bool error);
    bool HasError() const { return m_error; }
    // What the cell shows: the name or constant, or the hint.
    QString Text() const { return m_text; }
    bool IsHintShown() const { return m_hint; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const bool m_left;
    QString m_text;
    QString m_description;
    bool m_hint = true;
    bool m_error = false;
};
