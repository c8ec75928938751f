#include "core/print/PrintDialog.h"

#include "core/print/PrintDialogExport.h"

#include "platform/modules/IPrintSource.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

PrintDialog::PrintDialog(std::shared_ptr<IPrintSource> source, QWidget* window, ClosedCallback closed)
    : m_source(std::move(source))
    , m_window(window)
    , m_closed(std::move(closed))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    setMinimumSize(MinimalSize());
    setWindowTitle(m_source ? m_source->GetTitle() : QString());

    m_preview = new QPrintPreviewWidget(this);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) { PaintPages(printer); });
    auto* print = new QPushButton(QStringLiteral("Drukuj..."), this);
    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    connect(print, &QPushButton::clicked, this, &PrintDialog::Print);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_preview, 1);
    layout->addLayout(buttons);
}

// A dialog that goes with its parent (the panel closes) still tells its owner.
PrintDialog::~PrintDialog()
{
    TellClosed();
}

void PrintDialog::CreatePrintDialog(QWidget* parent)
{
    setParent(parent);
    setWindowState(Qt::WindowMaximized);
    if (parent)
        setGeometry(parent->rect());
    show();
    raise();
}

void PrintDialog::closeEvent(QCloseEvent* event)
{
    TellClosed();
    event->accept();
}

void PrintDialog::PaintPages(QPrinter* printer) const
{
    if (!m_source)
        return;
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    const QRectF area(QPointF(0, 0), page.size());
    const int count = m_source->GetPageCount(area);
    QPainter painter(printer);
    for (int index = 0; index < count; ++index)
    {
        if (index > 0)
            printer->newPage();
        m_source->PrintPage(painter, area, index);
    }
}

void PrintDialog::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PaintPages(&printer);
}

void PrintDialog::TellClosed()
{
    if (!m_closed)
        return;
    const ClosedCallback closed = std::move(m_closed);
    m_closed = nullptr;
    closed(m_window.data());
}

PrintDialogBase* Q4CreatePrintDialog(const std::shared_ptr<IPrintSource>& source, QWidget* window,
                                     const PrintDialogBase::ClosedCallback& closed)
{
    return new PrintDialog(source, window, closed);
}
