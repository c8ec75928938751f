#pragma once
// The alert log: one information entry in the application log for every added, edited,
// generated or removed local alert. It writes only in the edition whose product-kind
// number is 11; in every other edition it stays silent.

#include <QString>

class IAlertsMediator;

class AlertLog
{
public:
    enum EKind
    {
        eAdded = 0,
        eEdited = 1,
        eGenerated = 2,
        eRemoved = 3,
        eIncompleteRemoved = 4,
    };

    static constexpr int kLoggingProductKind = 11;

    explicit AlertLog(IAlertsMediator& mediator);

    static QString Prefix(int kind);
    void AddLog(int kind, const QString& text) const;
    // Whether AddLog writes: a text that is only made for the log need not be made otherwise.
    bool IsWriting() const;

private:
    IAlertsMediator& m_mediator;
};
