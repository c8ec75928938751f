#pragma once
// The identity of an alert argument: a live value that a module offers to alert
// expressions (a session figure, a column of an orders sheet, a series of a chart).
// The source module, its argument id, the series identity, the series-based flag and the
// instrument make the identity that equality and ordering use; the name and description
// are texts for the user, and the listed flag tells whether the instrument behind the
// argument is still quoted.
//
// A series-based argument belongs to a data request of its source: its base id is the
// request id, which changes when the source requests the data anew, while its extended id
// (the series) stays. Any other argument's extended id is its own argument id.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <memory>

class Settings;

class AlertExprArgDesc
{
public:
    // An invalid descriptor: no argument.
    AlertExprArgDesc() = default;
    // An argument of a module that is not series based.
    AlertExprArgDesc(QString sourceModuleName, std::uint32_t argumentId, QString argumentName,
                     QString argumentDescription, QString instrument = QString());
    static AlertExprArgDesc SeriesBased(QString sourceModuleName, std::uint32_t requestId, std::uint32_t seriesId,
                                        QString instrument, QString argumentName, QString argumentDescription);

    AlertExprArgDesc(const AlertExprArgDesc&) = default;
    AlertExprArgDesc(AlertExprArgDesc&&) noexcept = default;
    AlertExprArgDesc& operator=(const AlertExprArgDesc& other)
    {
        m_baseArgumentSourceId = other.m_baseArgumentSourceId;
        m_extendedArgumentSourceId = other.m_extendedArgumentSourceId;
        m_seriesBased = other.m_seriesBased;
        m_alertNameValid = other.m_alertNameValid;
        m_identityHash = other.m_identityHash;
        // Assigning the texts a descriptor already shares would only count them up and down.
        if (m_texts != other.m_texts)
            m_texts = other.m_texts;
        return *this;
    }
    AlertExprArgDesc& operator=(AlertExprArgDesc&&) noexcept = default;

    bool IsValid() const { return m_texts != nullptr; }
    void Reset() { *this = AlertExprArgDesc(); }

    const QString& GetSourceModuleName() const { return Texts().sourceModuleName; }
    std::uint32_t GetBaseArgumentSourceID() const { return m_baseArgumentSourceId; }
    std::uint32_t GetExtendedArgumentSourceID() const { return m_extendedArgumentSourceId; }
    bool IsSeriesBased() const { return m_seriesBased; }
    const QString& GetInstrument() const { return Texts().instrument; }
    const QString& GetArgumentName() const { return Texts().argumentName; }
    const QString& GetArgumentDescription() const { return Texts().argumentDescription; }

    // Moves the argument to another data request of its source, keeping or changing the series.
    void SetSeriesBasedArgumentSourceID(std::uint32_t requestId, std::uint32_t seriesId);

    // False when the instrument behind the argument is no longer quoted.
    bool GetAlertNameValid() const { return m_alertNameValid; }
    void SetAlertNameValid(bool listed) { m_alertNameValid = listed; }
    // An argument about no instrument is always listed; with no list nothing is known and the
    // argument counts as listed. listedInstruments must be sorted.
    void CheckListed(const QStringList* listedInstruments);

    // The same series of the same source and instrument, whatever the request.
    bool IsSameSeries(const AlertExprArgDesc& other) const
    {
        return m_extendedArgumentSourceId == other.m_extendedArgumentSourceId && m_seriesBased == other.m_seriesBased
               && (m_texts == other.m_texts || SameIdentityTexts(other));
    }

    // Equal descriptors give equal hashes (AlertExprArgDescHash). Reads the descriptor alone.
    std::size_t Hash() const;

    // False (nothing written) for an invalid node or descriptor.
    bool Serialize(Settings& node) const;
    // Reads a descriptor written by Serialize; instrument stands for a missing one, and the
    // listed flag follows listedInstruments (sorted; null when unknown). False, with the
    // descriptor unchanged, for a node that holds no argument.
    bool Unserialize(const Settings& node, const QString& instrument, const QStringList* listedInstruments);

    // The argument's lines in the diagnostic dump of the alerts.
    void LogAlertsState(QString& out) const;

    friend bool operator==(const AlertExprArgDesc& a, const AlertExprArgDesc& b)
    {
        return a.m_baseArgumentSourceId == b.m_baseArgumentSourceId && a.IsSameSeries(b);
    }
    friend bool operator<(const AlertExprArgDesc& a, const AlertExprArgDesc& b);

private:
    // The texts are shared by the copies of a descriptor and never change, so copies are
    // cheap and compare equal by the pointer; the alerts worker copies and compares
    // descriptors for every value it tests.
    struct TextData
    {
        QString sourceModuleName;
        QString instrument;
        QString argumentName;
        QString argumentDescription;
    };

    const TextData& Texts() const;
    // Compares the texts of two descriptors that do not share them.
    bool SameIdentityTexts(const AlertExprArgDesc& other) const;

    std::uint32_t m_baseArgumentSourceId = 0;
    std::uint32_t m_extendedArgumentSourceId = 0;
    bool m_seriesBased = false;
    bool m_alertNameValid = true;
    // Of the source module name and the instrument, made with the texts and kept beside them
    // in the padding: a lookup does not read the shared texts, whose line the counts of the
    // copies that the sources make keep changing on other processors.
    std::uint32_t m_identityHash = 0;
    // Null for an invalid descriptor; the source module name is never empty otherwise.
    std::shared_ptr<const TextData> m_texts;
};

struct AlertExprArgDescHash
{
    std::size_t operator()(const AlertExprArgDesc& descriptor) const { return descriptor.Hash(); }
};
