#pragma once
// The program's print dialog: a preview of what a module window prints, with its printing and
// closing, shown maximised over the current panel view while the main frame is in print mode.
// The mediator keeps one at a time. Closing it tells the owner once, with the window that
// printed, and the dialog then deletes itself. Main thread only.

#include "core/mediator/PrintDialogBase.h"

#include <QPointer>

#include <memory>

class IPrintSource;
class QPrinter;
class QPrintPreviewWidget;

class PrintDialog : public PrintDialogBase
{
    Q_OBJECT

public:
    static constexpr int kMinimalWidth = 640;
    static constexpr int kMinimalHeight = 480;

    PrintDialog(std::shared_ptr<IPrintSource> source, QWidget* window, ClosedCallback closed);
    ~PrintDialog() override;

    QSize MinimalSize() const override { return {kMinimalWidth, kMinimalHeight}; }
    void CreatePrintDialog(QWidget* parent) override;
    QPrintPreviewWidget* GetPreview() const { return m_preview; }
    void ForgetOwner() override { m_closed = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void PaintPages(QPrinter* printer) const;
    void Print();
    void TellClosed();

    std::shared_ptr<IPrintSource> m_source;
    QPointer<QWidget> m_window;
    ClosedCallback m_closed;
    QPrintPreviewWidget* m_preview = nullptr;
};
