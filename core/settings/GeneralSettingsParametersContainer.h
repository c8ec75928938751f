#pragma once
// An ordered list of the parameters that the general settings dialog shows together, with
// the caption the dialog gives the list. Groups fill it with the nodes of their settings
// tree; a parameter points into that tree, so the tree must live as long as the list (the
// group base keeps its source node for that reason).

#include <QString>

#include <memory>
#include <vector>

class GeneralSettingsParameter;
class Settings;

class GeneralSettingsParametersContainer
{
public:
    explicit GeneralSettingsParametersContainer(QString caption = QString());
    virtual ~GeneralSettingsParametersContainer();

    // Appends a plain parameter on the node; an invalid node is not shown and is skipped.
    void AttachParameter(Settings& node);
    // Appends a prepared parameter (one with sub-parameters); null is skipped.
    void AttachParameter(std::shared_ptr<GeneralSettingsParameter> parameter);

    int Size() const { return static_cast<int>(m_parameters.size()); }
    // The parameter at the index; null out of range.
    std::shared_ptr<GeneralSettingsParameter> operator[](int index) const;

    virtual QString Caption() const { return m_caption; }

    // Forgets every parameter (the dialog refills the container from another node).
    virtual void ResetContent();

protected:
    void SetCaption(const QString& caption) { m_caption = caption; }

private:
    QString m_caption;
    std::vector<std::shared_ptr<GeneralSettingsParameter>> m_parameters;
};
