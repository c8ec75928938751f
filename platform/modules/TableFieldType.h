#pragma once
// A kind of quote-table field (a column's content) that a table can be sorted by.

#include <QString>

struct TableFieldType
{
    int fieldId = 0;
    QString caption;

    // The name the sort gallery shows.
    const QString& GetLabel() const { return caption; }

    // Fields are the same kind when their ids are; the caption only names it.
    friend bool operator==(const TableFieldType& a, const TableFieldType& b) { return a.fieldId == b.fieldId; }
};
