#pragma once
// A date field in day-month-year form that, unlike a spin box of dates, can hold an invalid date
// (unreadable text or a date outside its range), so the page that owns it can refuse it.

#include <QDate>
#include <QLineEdit>

class DateEditCtrl : public QLineEdit
{
    Q_OBJECT

public:
    explicit DateEditCtrl(QWidget* parent = nullptr);

    void SetDDMMYYYYFormat();
    void SetRange(const QDate& minimum, const QDate& maximum);
    void ClearRange();
    QDate GetMinimum() const { return m_minimum; }
    QDate GetMaximum() const { return m_maximum; }
    // An invalid date when the field holds no date or one outside the range.
    QDate GetDate() const;
    bool IsValid() const { return GetDate().isValid(); }
    void SetDate(const QDate& date);

signals:
    // The user changed the text; the date is invalid when the text holds none.
    void DateChanged(const QDate& date);

private:
    QDate m_minimum;
    QDate m_maximum;
};
