#pragma once
// A general-settings group for the suites of the group machinery: files
// "current_default.q4sT" / "base_default.q4sT" of the folder "TestGroup", root "TestRoot",
// one parameter "value", and two validators that record their passes in "steps" ("a" for
// version 0 → 1, "b" for 1 → 2). It counts its saves.

#include "core/settings/CompositeStateNodeValidator.h"
#include "core/settings/GeneralSettingsGroupBase.h"
#include "core/settings/GeneralSettingsGroupManagerBase.h"
#include "core/settings/GeneralSettingsNodes.h"
#include "platform/settings/Settings.h"

#include <QString>

#include <memory>

class StepValidator : public ISettingsValidator
{
public:
    StepValidator(unsigned from, QString tag) : m_from(from), m_tag(std::move(tag)) {}

    bool Validate(Settings& node) const override
    {
        if (node.Version() != m_from)
            return false;
        node["steps"] = node["steps"].ToString() + m_tag;
        node.Version(FinalStateVersion());
        return true;
    }
    unsigned FinalStateVersion() const override { return m_from + 1; }

private:
    unsigned m_from;
    QString m_tag;
};

class TestSettingsGroup : public GeneralSettingsGroupManagerBase
{
public:
    static inline const QString kFolder = QStringLiteral("TestGroup");
    static inline const QString kCurrent = QStringLiteral("current_default.q4sT");
    static inline const QString kBase = QStringLiteral("base_default.q4sT");
    static inline const QString kRoot = QStringLiteral("TestRoot");

    explicit TestSettingsGroup(unsigned id = 7) : m_id(id)
    {
        auto validator = std::make_shared<CompositeStateNodeValidator>();
        validator->AttachAtomicValidator(std::make_shared<StepValidator>(0, QStringLiteral("a")));
        validator->AttachAtomicValidator(std::make_shared<StepValidator>(1, QStringLiteral("b")));
        SetValidator(validator);
    }

    void BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent) override
    {
        std::shared_ptr<Settings> node = LoadParametersNode(fromCurrent);
        GeneralSettingsNodes::Describe(*node, QStringLiteral("Grupa %1").arg(m_id), VariableContainer);
        target.SetSettingsSourceNode(node);
        target.AttachParameter(GeneralSettingsNodes::Describe((*node)["value"], QStringLiteral("Wartość"), VariableText));
    }
    bool SaveGroup(std::shared_ptr<Settings> node) override
    {
        ++saves;
        return GeneralSettingsGroupManagerBase::SaveGroup(std::move(node));
    }
    unsigned GetGroupId() const override { return m_id; }
    QString GetSettingsFilePath(bool current) const override
    {
        return GenerateSettingsFilePath(current, kFolder + QString::number(m_id), kCurrent, kBase);
    }
    QString GetGroupName() const override { return kRoot; }

    using GeneralSettingsGroupManagerBase::LoadParametersNode;

    int saves = 0;

private:
    unsigned m_id;
};
