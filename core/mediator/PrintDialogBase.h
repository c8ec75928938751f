#pragma once
// What the mediator asks of its print dialog. The dialog itself lives in a library of its own,
// loaded on the first print (PrintDialogLibrary): Qt's printing support, and what it loads under
// it, would otherwise be loaded before every main window.

#include <QSize>
#include <QWidget>

#include <functional>

class PrintDialogBase : public QWidget
{
public:
    // Told once, with the module window that printed, when the dialog closes.
    using ClosedCallback = std::function<void(QWidget* window)>;

    using QWidget::QWidget;

    virtual QSize MinimalSize() const = 0;
    // Shows the dialog inside the parent, filling it.
    virtual void CreatePrintDialog(QWidget* parent) = 0;
    // The owner goes first: the dialog tells nobody when it closes.
    virtual void ForgetOwner() = 0;
};
