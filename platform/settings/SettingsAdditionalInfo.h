#pragma once
// What the general settings dialog needs beyond a node's type to show it: limits of a
// number, the look of a yes/no item, the filter of a file path, the form of a date.
// Attached to a node with Settings::AdditionalInfo; not saved in files.

#include "platform/settings/Settings.h"

#include <QString>

#include <cstdint>

class Settings::NodeAdditionalInfo
{
public:
    virtual ~NodeAdditionalInfo() = default;
};

class Settings::NumericNodeAdditionlInfo : public Settings::NodeAdditionalInfo
{
public:
    NumericNodeAdditionlInfo(std::int32_t smallest, std::int32_t greatest, bool showButtons)
        : m_smallest(smallest), m_greatest(greatest), m_showButtons(showButtons)
    {
    }

    std::int32_t SmallestValue() const { return m_smallest; }
    std::int32_t GratestValue() const { return m_greatest; }
    bool ShowButtons() const { return m_showButtons; }

private:
    std::int32_t m_smallest;
    std::int32_t m_greatest;
    bool m_showButtons;
};

class Settings::BooleanNodeAdditionlInfo : public Settings::NodeAdditionalInfo
{
public:
    explicit BooleanNodeAdditionlInfo(bool checkBoxStyle) : m_checkBoxStyle(checkBoxStyle) {}
    BooleanNodeAdditionlInfo(const QString& trueCaption, const QString& falseCaption)
        : m_checkBoxStyle(false), m_trueCaption(trueCaption), m_falseCaption(falseCaption)
    {
    }

    bool UseCheckBoxstyle() const { return m_checkBoxStyle; }
    QString TrueCaption() const { return m_trueCaption; }
    QString FalseCaption() const { return m_falseCaption; }

private:
    bool m_checkBoxStyle;
    QString m_trueCaption;
    QString m_falseCaption;
};

class Settings::FilePathAdditionalInfo : public Settings::NodeAdditionalInfo
{
public:
    FilePathAdditionalInfo(const QString& filter, const QString& extension) : m_filter(filter), m_extension(extension)
    {
    }

    QString Filter() const { return m_filter; }
    QString Extension() const { return m_extension; }

private:
    QString m_filter;
    QString m_extension;
};

class Settings::DateTimeAdditionlInfo : public Settings::NodeAdditionalInfo
{
public:
    explicit DateTimeAdditionlInfo(int dateTimeFormat) : m_dateTimeFormat(dateTimeFormat) {}

    // 2 and 3 show a time item, any other value a date-and-time item.
    int DateTimeFormat() const { return m_dateTimeFormat; }

private:
    int m_dateTimeFormat;
};
