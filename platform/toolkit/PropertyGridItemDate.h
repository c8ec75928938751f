#pragma once
// A date ("2024-03-15"), kept as the program's date value (at midnight). The time and the
// date-and-time items derive from it: they differ in what part of a typed moment they take
// and in the form they show and read.

#include "platform/base/OleDate.h"
#include "platform/toolkit/PropertyGridItem.h"

#include <QDateTime>
#include <QStringList>

#include <cstdint>

class PropertyGridItemDate : public PropertyGridItem
{
public:
    PropertyGridItemDate(QString caption, const OleDate& value);

    // An invalid date shows as an empty value.
    OleDate GetDate() const { return m_date; }
    void SetDate(const OleDate& value);
    // Refuses an invalid date.
    bool EditDate(const OleDate& value, QString* errorText = nullptr);
    // The part of the moment that this item keeps (see ValueOf).
    bool EditDateTime(const QDateTime& value, QString* errorText = nullptr);
    // Text in the form the item shows.
    bool EditValue(const QString& text, QString* errorText = nullptr) override;

    EditorKind GetEditorKind() const override { return EditorKind::Date; }
    // The form the item shows; the first of AcceptedFormats.
    QString DisplayFormat() const { return AcceptedFormats().constFirst(); }
    virtual QStringList AcceptedFormats() const;

protected:
    // The value the item takes from a moment the user gave: here its date at midnight.
    virtual OleDate ValueOf(const QDateTime& value) const;
    virtual std::uint32_t BadTextMessage() const;

    // Derived items show their own form, which the constructor cannot ask them for.
    void RefreshText();

private:
    OleDate m_date;
};
