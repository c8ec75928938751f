#pragma once
// The "Właściowości alertu" panel of the alert definition dialog: the alert's name, the argument
// it is about ("Informuj o:", one of the arguments its expressions use, or one dropped on the
// combo box) and how it is announced. It checks the name and the argument and keeps the kind of
// the last error for the dialog's message. Main thread only.

#include <QWidget>

#include <cstdint>

class AlertDefinitionDlg;
class AlertNameValidator;
class AlertProps;
class AlertExprArgDesc;
class AssociatedAlertComboBox;
class DDBaseDataObject;
class QCheckBox;
class QLineEdit;

class AlertPropertiesDlg : public QWidget
{
    Q_OBJECT

public:
    enum EErrorKind
    {
        eNoError = 0,
        eEmptyName = 1,
        eRepeatedName = 2,
        eInvalidAssociatedArgument = 3,
    };

    AlertPropertiesDlg(AlertDefinitionDlg& owner, AlertNameValidator& validator, QWidget* parent = nullptr);

    void SetAlertProps(AlertProps* properties);
    void Reset();
    // Only once newly switched on starts the alert afresh: no side generated yet.
    void WriteToAlertProps();
    bool ValidateName();
    bool ValidateAssociatedArgument();
    // Both controls valid, no error.
    void ClearErrors();
    int GetErrorKind() const { return m_errorKind; }
    QString GetErrorText() const;
    static QString ArgumentText(const AlertExprArgDesc& argument);
    void ShowAssociatedArgument();
    // point in this panel's coordinates.
    bool CanDrop(const QPoint& point) const;
    bool OnDrop(const DDBaseDataObject* object);
    void OnAssociatedSelChange(int index);

    AssociatedAlertComboBox& Combo() { return *m_combo; }
    QLineEdit& NameEdit() { return *m_nameEdit; }
    QCheckBox& OnlyOnceBox() { return *m_onlyOnce; }
    QCheckBox& SynchronousBox() { return *m_synchronous; }
    QCheckBox& SoundBox() { return *m_sound; }
    QCheckBox& WindowBox() { return *m_window; }
    QCheckBox& MailBox() { return *m_mail; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AlertDefinitionDlg& m_owner;
    AlertNameValidator& m_validator;
    AlertProps* m_properties = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    AssociatedAlertComboBox* m_combo = nullptr;
    QCheckBox* m_onlyOnce = nullptr;
    QCheckBox* m_synchronous = nullptr;
    QCheckBox* m_sound = nullptr;
    QCheckBox* m_window = nullptr;
    QCheckBox* m_mail = nullptr;
    int m_errorKind = eNoError;
};
