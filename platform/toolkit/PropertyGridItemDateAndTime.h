#pragma once
// A date with its time of day ("2024-03-15 14:30:05"; seconds may be left out when typing).

#include "platform/toolkit/PropertyGridItemDate.h"

class PropertyGridItemDateAndTime : public PropertyGridItemDate
{
public:
    PropertyGridItemDateAndTime(QString caption, const OleDate& value);

    EditorKind GetEditorKind() const override { return EditorKind::DateTime; }
    QStringList AcceptedFormats() const override;

protected:
    OleDate ValueOf(const QDateTime& value) const override;
    std::uint32_t BadTextMessage() const override;
};
