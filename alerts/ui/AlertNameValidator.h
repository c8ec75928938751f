#pragma once
// Whether a text can name a local alert: not empty and no alert has it yet. The alert's own
// name is the caller's business (renaming an alert to itself is no change).

#include <QString>

class AlertModule;

class AlertNameValidator
{
public:
    explicit AlertNameValidator(AlertModule& module)
        : m_module(module)
    {
    }

    bool IsValid(const QString& name) const;
    // Shows why the name was refused in an error message box.
    void OnInvalid(const QString& name) const;
    // The text of that message box.
    static QString InvalidText(const QString& name);

private:
    AlertModule& m_module;
};
