#pragma once
// What a module window hands the print dialog: its title and its content page by page, drawn
// on any painter (the preview's or the printer's) into the page's printable area.

#include <QPainter>
#include <QRectF>
#include <QString>

class IPrintSource
{
public:
    virtual ~IPrintSource() = default;

    virtual QString GetTitle() const = 0;
    // At least 1 for a source with anything to print.
    virtual int GetPageCount(const QRectF& pageRect) const = 0;
    // page counts from 0.
    virtual void PrintPage(QPainter& painter, const QRectF& pageRect, int page) const = 0;
};
