#pragma once
// The "Informuj o:" combo box of the alert properties: the arguments the alert's expressions
// use. Only navigation keys reach it, so typing never picks an argument by its first letter.

#include <QComboBox>

class AssociatedAlertComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    // Selects the first item with exactly that text; item 0 when none has it.
    void SelectByText(const QString& text);
    static bool IsPassedKey(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
