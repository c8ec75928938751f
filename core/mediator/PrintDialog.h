#pragma once
// The program's print dialog: a preview of what a module window prints, with its printing and
// closing, shown maximised over the current panel view while the main frame is in print mode.
// The mediator keeps one at a time. Closing it tells the owner once, with the window that
// printed, and the dialog then deletes itself. Main thread only.

#include <QPointer>
#include <QSize>
#include <QWidget>

#include <functional>
#include <memory>

class IPrintSource;
class QPrinter;
class QPrintPreviewWidget;

class PrintDialog : public QWidget
{
    Q_OBJECT

public:
    using ClosedCallback = std::function<void(QWidget* window)>;

    static constexpr int kMinimalWidth = 640;
    static constexpr int kMinimalHeight = 480;

    PrintDialog(std::shared_ptr<IPrintSource> source, QWidget* window, ClosedCallback closed);
    ~PrintDialog() override;

    QSize MinimalSize() const { return {kMinimalWidth, kMinimalHeight}; }
    // Shows the dialog inside the parent, filling it.
    void CreatePrintDialog(QWidget* parent);
    QPrintPreviewWidget* GetPreview() const { return m_preview; }
    // The owner goes first: the dialog tells nobody when it closes.
    void ForgetOwner() { m_closed = nullptr; }

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
