#include "core/settings/GeneralSettingsParametersContainer.h"

#include "core/settings/GeneralSettingsParameter.h"
#include "platform/settings/Settings.h"

#include <utility>

GeneralSettingsParametersContainer::GeneralSettingsParametersContainer(QString caption) : m_caption(std::move(caption))
{
}

GeneralSettingsParametersContainer::~GeneralSettingsParametersContainer() = default;

void GeneralSettingsParametersContainer::AttachParameter(Settings& node)
{
    if (node.IsValid())
        m_parameters.push_back(std::make_shared<GeneralSettingsParameter>(node));
}

void GeneralSettingsParametersContainer::AttachParameter(std::shared_ptr<GeneralSettingsParameter> parameter)
{
    if (parameter)
        m_parameters.push_back(std::move(parameter));
}

std::shared_ptr<GeneralSettingsParameter> GeneralSettingsParametersContainer::operator[](int index) const
{
    if (index < 0 || index >= Size())
        return nullptr;
    return m_parameters[static_cast<std::size_t>(index)];
}

void GeneralSettingsParametersContainer::ResetContent()
{
    m_parameters.clear();
}
