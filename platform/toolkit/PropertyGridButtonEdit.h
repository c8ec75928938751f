#pragma once
// The in-place editor of a value that is typed or chosen in a dialog: a line edit with a
// "…" button beside it. The button only asks for the dialog; the grid's view runs it.

#include <QWidget>

class QLineEdit;
class QToolButton;

class PropertyGridButtonEdit : public QWidget
{
    Q_OBJECT

public:
    explicit PropertyGridButtonEdit(QWidget* parent = nullptr);

    QLineEdit* LineEdit() const { return m_edit; }
    QToolButton* Button() const { return m_button; }

signals:
    void ButtonClicked();

private:
    QLineEdit* m_edit;
    QToolButton* m_button;
};
