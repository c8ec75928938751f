#pragma once
// The base of the bands of the cloud alert definition dialog: a child widget that knows the
// dialog owning it, so that focus inside a band makes the dialog the active module window.
// Main thread only.

#include <QWidget>

class CloudAlertDefinitionDlg;

class CloudAlertDefSubDlgBase : public QWidget
{
    Q_OBJECT

public:
    explicit CloudAlertDefSubDlgBase(CloudAlertDefinitionDlg& owner);

protected:
    CloudAlertDefinitionDlg& Owner() const { return m_owner; }
    void focusInEvent(QFocusEvent* event) override;

private:
    CloudAlertDefinitionDlg& m_owner;
};
