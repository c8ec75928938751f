#pragma once
// The value field of one side of a cloud alert: shows the hint "wartość" centred in grey until
// the user enters it, and writes numbers with the precision of the chosen condition.

#include <QLineEdit>

class CloudAlertValue : public QLineEdit
{
    Q_OBJECT

public:
    static const QString kHint;

    explicit CloudAlertValue(QWidget* parent = nullptr);

    // A precision of -1 counts as 0.
    void SetValue(int precision, double value);
    bool ShowsHint() const { return text() == kHint; }

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void UpdateColour();
};
