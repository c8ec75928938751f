#include "core/settingsui/ParameterPropertyGrid.h"

#include "core/settings/GeneralSettingsParameter.h"
#include "core/settings/GeneralSettingsParameterStyle.h"
#include "core/settingsui/OptionListPropertyGridItem.h"
#include "core/settingsui/StylesListPropertyGridItem.h"
#include "platform/base/BinaryStringSerializer.h"
#include "platform/settings/Settings.h"
#include "platform/settings/SettingsAdditionalInfo.h"
#include "platform/toolkit/PropertyGridItem.h"
#include "platform/toolkit/PropertyGridItemBool.h"
#include "platform/toolkit/PropertyGridItemCategory.h"
#include "platform/toolkit/PropertyGridItemColor.h"
#include "platform/toolkit/PropertyGridItemDate.h"
#include "platform/toolkit/PropertyGridItemDateAndTime.h"
#include "platform/toolkit/PropertyGridItemDouble.h"
#include "platform/toolkit/PropertyGridItemFont.h"
#include "platform/toolkit/PropertyGridItemLimitedNumber.h"
#include "platform/toolkit/PropertyGridItemNumber.h"
#include "platform/toolkit/PropertyGridItemReadOnly.h"
#include "platform/toolkit/PropertyGridItemSize.h"
#include "platform/toolkit/PropertyGridItemTime.h"
#include "platform/toolkit/PropertyGriditemFilePath.h"
#include "platform/toolkit/PropertyGriditemPen.h"

namespace
{
// The date-and-time forms that show a time item, with and without seconds.
constexpr int kTimeWithSeconds = 2;
constexpr int kTimeWithoutSeconds = 3;

template <class Info>
const Info* InfoOf(const Settings& node)
{
    return dynamic_cast<const Info*>(node.AdditionalInfo().get());
}

std::unique_ptr<PropertyGridItem> NumberItem(const Settings& node, const QString& caption)
{
    if (!node.AdditionalInfo())
        return std::make_unique<PropertyGridItemNumber>(caption, node.ToInt());
    if (const auto* limits = InfoOf<Settings::NumericNodeAdditionlInfo>(node))
        return std::make_unique<PropertyGridItemLimitedNumber>(caption, node.ToInt(), limits->SmallestValue(),
                                                               limits->GratestValue(), limits->ShowButtons());
    return nullptr;
}

std::unique_ptr<PropertyGridItem> BoolItem(const Settings& node, const QString& caption)
{
    auto item = std::make_unique<PropertyGridItemBool>(caption, node.ToBool());
    if (const auto* look = InfoOf<Settings::BooleanNodeAdditionlInfo>(node))
    {
        if (look->UseCheckBoxstyle())
            item->SetCheckBoxStyle();
        else
            item->SetTrueFalseText(look->TrueCaption(), look->FalseCaption());
    }
    return item;
}

std::unique_ptr<PropertyGridItem> FilePathItem(const Settings& node, const QString& caption)
{
    if (const auto* file = InfoOf<Settings::FilePathAdditionalInfo>(node))
        return std::make_unique<PropertyGriditemFilePath>(caption, file->Filter(), file->Extension(), node.ToString());
    return std::make_unique<PropertyGriditemFilePath>(caption, node.ToString());
}

std::unique_ptr<PropertyGridItem> DateTimeItem(const Settings& node, const QString& caption)
{
    const auto* form = InfoOf<Settings::DateTimeAdditionlInfo>(node);
    switch (form ? form->DateTimeFormat() : 0)
    {
    case kTimeWithSeconds:
        return std::make_unique<PropertyGridItemTime>(caption, node.ToOleDate(), true);
    case kTimeWithoutSeconds:
        return std::make_unique<PropertyGridItemTime>(caption, node.ToOleDate(), false);
    default:
        return std::make_unique<PropertyGridItemDateAndTime>(caption, node.ToOleDate());
    }
}

// An unreadable stored font or pen shows as the empty one, which the user can then replace.
LogFont FontOf(const Settings& node)
{
    LogFont font;
    BinaryStringSerializer::ConvertTextToBin(node.ToString(), font);
    return font;
}

LogPen PenOf(const Settings& node)
{
    LogPen pen;
    BinaryStringSerializer::ConvertTextToBin(node.ToString(), pen);
    return pen;
}
}

ParameterPropertyGrid::ParameterPropertyGrid(const IGeneralSettingsStyles* styles) : m_styles(styles)
{
}

ParameterPropertyGrid::~ParameterPropertyGrid() = default;

void ParameterPropertyGrid::FillCategory(PropertyGridItem& parent, const GeneralSettingsParametersContainer& container)
{
    for (int index = 0; index < container.Size(); ++index)
    {
        const std::shared_ptr<GeneralSettingsParameter> parameter = container[index];
        if (parameter->IsOnlyContainer())
        {
            PropertyGridItem* category =
                parent.AddChildItem(std::make_unique<PropertyGridItemCategory>(parameter->Caption()));
            FillCategory(*category, *parameter);
        }
        else if (std::unique_ptr<PropertyGridItem> item = CreateItem(parameter))
        {
            parent.AddChildItem(std::move(item));
        }
    }
}

std::unique_ptr<PropertyGridItem> ParameterPropertyGrid::CreateItem(
    const std::shared_ptr<GeneralSettingsParameter>& parameter) const
{
    if (!parameter)
        return nullptr;
    Settings& node = parameter->Node();
    const QString caption = node.GetDisplayName();
    if (!node.IsValid() || caption.isEmpty())
        return nullptr;

    std::unique_ptr<PropertyGridItem> item;
    switch (node.GetType())
    {
    case VariableColor:
        item = std::make_unique<PropertyGridItemColor>(caption, ColorRef(node.ToUInt()));
        break;
    case VariableSize:
        item = std::make_unique<PropertyGridItemSize>(caption, node.ToSize());
        break;
    case VariableNumber:
    case VariableLimitedNumber:
        item = NumberItem(node, caption);
        break;
    case VariableDouble:
        item = std::make_unique<PropertyGridItemDouble>(caption, node.ToDouble());
        break;
    case VariableBool:
        item = BoolItem(node, caption);
        break;
    case VariableText:
        item = std::make_unique<PropertyGridItem>(caption, node.ToString());
        break;
    case VariableReadOnlyText:
        item = std::make_unique<PropertyGridItem>(caption, node.ToString());
        item->SetReadOnly(true);
        break;
    case VariableInactiveText:
        item = std::make_unique<PropertyGridItemReadOnly>(caption, node.ToString());
        break;
    case VariableFilePath:
        item = FilePathItem(node, caption);
        break;
    case VariableDateTime:
        item = DateTimeItem(node, caption);
        break;
    case VariableDate:
        item = std::make_unique<PropertyGridItemDate>(caption, node.ToOleDate());
        break;
    case VariableFont:
        item = std::make_unique<PropertyGridItemFont>(caption, FontOf(node));
        break;
    case VariablePen:
        item = std::make_unique<PropertyGriditemPen>(caption, PenOf(node));
        break;
    case VariableOptionList:
        item = std::make_unique<OptionListPropertyGridItem>(node);
        break;
    case VariableStyle:
        if (auto style = std::dynamic_pointer_cast<GeneralSettingsParameterStyle>(parameter))
            item = std::make_unique<StylesListPropertyGridItem>(std::move(style), m_styles);
        break;
    case VariablePassword:
        item = std::make_unique<PropertyGridItem>(caption, Settings::DecryptValue(node.ToString()));
        item->SetPasswordMask(QChar(u'*'));
        break;
    case VariableContainer:
        break;
    }
    if (item)
        item->SetItemData(&node);
    return item;
}

void ParameterPropertyGrid::ExpandAll()
{
    ForEachItem([](PropertyGridItem& item) {
        if (item.HasChildren())
            item.Expand();
    });
}
