#pragma once
// The small popup under "Utwórz styl": the user types the name of the new style and confirms it
// with "Ok" or Enter. A name that no style may take is refused in the popup itself, which stays
// open with the reason shown; a good name closes it and goes to the owner, which makes the style.

#include "ribbon/popups/PopupBarBase.h"

#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

class SaveDisplayStyleToStylePopupDlg : public PopupBarBase
{
    Q_OBJECT

public:
    // Gets the confirmed, trimmed name.
    using CreateStyle = std::function<void(const QString& name)>;

    SaveDisplayStyleToStylePopupDlg(CreateStyle createStyle, IPopupAreaObserver& areaObserver, QWidget* owner = nullptr);

    // Why the name cannot be given to a new style; empty when it can. Style names are unique
    // across every kind, so a name any style bears is refused.
    static QString NameError(const QString& name);

    QLineEdit* NameEdit() const { return m_name; }
    QPushButton* OkButton() const { return m_ok; }
    QString ErrorText() const;

    void Confirm();

protected:
    bool CreatePopupWindow() override;
    void OnMouseMessageOutside(QEvent::Type) override {}
    void ResetHotItem() override {}

private:
    CreateStyle m_createStyle;
    QLineEdit* m_name;
    QPushButton* m_ok;
    QLabel* m_error;
};
