#include "styles/engine/StyleKinds.h"

#include "styles/engine/StyleChartElement.h"
#include "styles/engine/StyleChartWindow.h"
#include "styles/engine/StyleDetails.h"
#include "styles/engine/StyleFormation.h"
#include "styles/engine/StyleOffers.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StyleTransactionList.h"
#include "styles/engine/StyleTransactionsMonitor.h"

#include <map>

namespace
{
struct Kind
{
    QString typeName;
    StyleKinds::Creator creator;
    StyleKinds::Creator defaultSource;
};

template <class TStyle>
void AddKind(std::map<StyleType, Kind>& kinds)
{
    kinds[TStyle::Type] = Kind{TStyle::TypeName, [] { return std::make_shared<TStyle>(); }, {}};
}

std::map<StyleType, Kind>& Kinds()
{
    static std::map<StyleType, Kind> kinds = [] {
        std::map<StyleType, Kind> builtIn;
        AddKind<StyleTextField>(builtIn);
        AddKind<StyleTable>(builtIn);
        AddKind<StyleTransactionList>(builtIn);
        AddKind<StyleTransactionsMonitor>(builtIn);
        AddKind<StyleDetails>(builtIn);
        AddKind<StyleOffers>(builtIn);
        AddKind<StyleChartWindow>(builtIn);
        AddKind<StyleChartElement>(builtIn);
        AddKind<StyleFormation>(builtIn);
        return builtIn;
    }();
    return kinds;
}

const Kind* FindKind(StyleType type)
{
    const auto found = Kinds().find(type);
    return found == Kinds().end() ? nullptr : &found->second;
}
}

bool StyleKinds::Register(StyleType type, const QString& typeName, Creator creator)
{
    if (!creator || typeName.isEmpty() || FindKind(type))
        return false;
    for (const auto& [registered, kind] : Kinds())
    {
        if (kind.typeName == typeName)
            return false;
    }
    Kinds()[type] = Kind{typeName, std::move(creator), {}};
    return true;
}

std::shared_ptr<StyleBase> StyleKinds::Create(StyleType type)
{
    const Kind* kind = FindKind(type);
    return kind ? kind->creator() : nullptr;
}

std::shared_ptr<StyleBase> StyleKinds::Create(const QString& typeName)
{
    for (const auto& [type, kind] : Kinds())
    {
        if (kind.typeName == typeName)
            return kind.creator();
    }
    return nullptr;
}

QString StyleKinds::TypeName(StyleType type)
{
    const Kind* kind = FindKind(type);
    return kind ? kind->typeName : QString();
}

std::vector<StyleType> StyleKinds::Types()
{
    std::vector<StyleType> types;
    for (const auto& [type, kind] : Kinds())
        types.push_back(type);
    return types;
}

void StyleKinds::SetDefaultStyleSource(StyleType type, Creator source)
{
    const auto found = Kinds().find(type);
    if (found != Kinds().end())
        found->second.defaultSource = std::move(source);
}

std::shared_ptr<StyleBase> StyleKinds::DefaultStyle(StyleType type)
{
    const Kind* kind = FindKind(type);
    if (!kind)
        return nullptr;
    if (kind->defaultSource)
    {
        if (std::shared_ptr<StyleBase> style = kind->defaultSource())
            return style;
    }
    return kind->creator();
}
