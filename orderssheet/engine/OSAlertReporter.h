#pragma once
// Describes a dragged column of a sheet table as an alert argument of the orders sheet: the
// module "Arkusz zlecen", an id made of the column, the sheet mode and the side, a name and a
// description, and the ticker of the sheet's instrument. Only the price, volume and value
// columns of a sheet that shows orders qualify. The sheet delivers no values for these arguments.

#include "platform/modules/DDBaseDataObject.h"

#include <QString>

class TableDataSetOrdersSheet;

class OSAlertReporter
{
public:
    static inline const QString kModuleName = QStringLiteral("Arkusz zlecen");

    // dataSet: the table's (not owned); null raises QuorvantaException.
    explicit OSAlertReporter(const TableDataSetOrdersSheet* dataSet);

    // Each puts the column's argument into the object and answers true, or answers false and
    // leaves the object as it was.
    bool SetupOrdersModeArg(DDBaseDataObject& object, int column) const;
    bool SetupOffersModeArg(DDBaseDataObject& object, int column) const;

private:
    bool Setup(DDBaseDataObject& object, int mode, int column) const;

    const TableDataSetOrdersSheet* m_dataSet;
};
