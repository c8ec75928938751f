#pragma once
// A time of day ("14:30:05", or "14:30" without seconds); the date of the value stays as it
// was (the program's first day when the value had none).

#include "platform/toolkit/PropertyGridItemDate.h"

class PropertyGridItemTime : public PropertyGridItemDate
{
public:
    PropertyGridItemTime(QString caption, const OleDate& value, bool withSeconds);

    bool IsWithSeconds() const { return m_withSeconds; }

    EditorKind GetEditorKind() const override { return EditorKind::Time; }
    QStringList AcceptedFormats() const override;

protected:
    OleDate ValueOf(const QDateTime& value) const override;
    std::uint32_t BadTextMessage() const override;

private:
    bool m_withSeconds;
};
