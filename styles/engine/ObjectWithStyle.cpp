#include "styles/engine/ObjectWithStyle.h"

#include "platform/base/ColorRef.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"
#include "styles/engine/IDefaultStyleProvider.h"
#include "styles/engine/StylesContainer.h"

namespace
{
const QString kStyleIdKey = QStringLiteral("StyleId");
const QString kStyleGuidKey = QStringLiteral("StyleGuid");
const QString kStyleOwnKey = QStringLiteral("StyleOwn");
}

ObjectWithStyle::ObjectWithStyle(const IDefaultStyleProvider& defaultStyleProvider, StyleType kind)
    : m_defaultStyleProvider(defaultStyleProvider)
    , m_kind(kind)
{
}

ObjectWithStyle::~ObjectWithStyle() = default;

void ObjectWithStyle::ChangeDSParam(int part, int parameter, qint32 value)
{
    if (m_styleId != StyleBase::kOwnStyleId || !m_ownStyle)
        MakeOwnStyle();
    const std::shared_ptr<StyleBase> target = GetStyleToEdit(m_ownStyle, part);
    if (!target)
        return;
    const quint32 command = quint32(value);
    if (command == ColorRef::kStyleOwnValue)
    {
        target->SetChangedParameter(parameter, false);
        if (const std::shared_ptr<StyleBase> source = GetStyleToEdit(GetSourceStyle(), part))
            target->UpdateChangedParameter(*source, parameter);
    }
    else if (command != ColorRef::kOneStepLarger && command != ColorRef::kOneStepSmaller)
    {
        target->SetValue(parameter, value);
        target->SetChangedParameter(parameter);
    }
}

void ObjectWithStyle::OnStyleChanged()
{
}

std::shared_ptr<StyleBase> ObjectWithStyle::GetStyleToEdit(const std::shared_ptr<StyleBase>& style, int part) const
{
    return part == 0 ? style : nullptr;
}

int ObjectWithStyle::StyleId(bool withPreview) const
{
    return withPreview && m_previewStyleId ? *m_previewStyleId : m_styleId;
}

std::shared_ptr<StyleBase> ObjectWithStyle::Style() const
{
    return Resolve(StyleId(true));
}

std::shared_ptr<StyleBase> ObjectWithStyle::GetSourceStyle() const
{
    if (m_styleId != StyleBase::kOwnStyleId || !m_ownStyle)
        return Resolve(m_styleId);
    const StylesContainer& container = StylesContainer::Instance();
    const std::shared_ptr<StyleBase> source =
        container.FindStyle(container.FindStyle(m_ownStyle->GetSourceOriginalGuid()), m_kind);
    return source ? source : Fallback();
}

void ObjectWithStyle::UpdateStyle(int styleId)
{
    m_previewStyleId.reset();
    if (styleId > 0 && !StylesContainer::Instance().FindStyle(styleId, m_kind))
    {
        Log::WriteInfo(QStringLiteral("Nie ma stylu o numerze %1; okno otrzymało styl domyślny.").arg(styleId),
                       QStringLiteral("Style"), QStringLiteral("ObjectWithStyle::UpdateStyle"), __LINE__);
        styleId = 0;
    }
    if (styleId == StyleBase::kOwnStyleId)
    {
        if (!m_ownStyle)
            MakeOwnStyle();
    }
    else
    {
        m_ownStyle.reset();
    }
    m_styleId = styleId;
    OnStyleChanged();
}

void ObjectWithStyle::OnPreviewStyleChanged(int styleId)
{
    m_previewStyleId = styleId;
    OnStyleChanged();
}

void ObjectWithStyle::ApplyPreviewStyle()
{
    if (m_previewStyleId)
        UpdateStyle(*m_previewStyleId);
}

void ObjectWithStyle::CancelPreviewStyle()
{
    if (!m_previewStyleId)
        return;
    m_previewStyleId.reset();
    OnStyleChanged();
}

void ObjectWithStyle::ApplyDSParam()
{
    if (m_ownStyle)
        StyleBase::InvalidatePreviewForRelatedStyles(m_ownStyle);
}

void ObjectWithStyle::DSRestore()
{
    if (m_styleId != StyleBase::kOwnStyleId || !m_ownStyle)
        return;
    const StylesContainer& container = StylesContainer::Instance();
    const int sourceId = container.FindStyle(m_ownStyle->GetSourceOriginalGuid());
    UpdateStyle(container.FindStyle(sourceId, m_kind) ? sourceId : 0);
}

void ObjectWithStyle::SerialiseStyles(Settings& node, bool embedStyles) const
{
    const bool own = m_styleId == StyleBase::kOwnStyleId && m_ownStyle;
    const std::shared_ptr<StyleBase> shown = own ? m_ownStyle : Resolve(m_styleId);
    node[kStyleIdKey] = std::int32_t(own ? StyleBase::kOwnStyleId : m_styleId > 0 ? m_styleId : 0);
    node[kStyleGuidKey] =
        own ? StyleBase::OWN_STYLE_GUID : m_styleId > 0 && shown ? shown->GetGuid().toString() : QString();
    if ((own || embedStyles) && shown)
    {
        Settings& ownNode = node[kStyleOwnKey];
        ownNode.Clear();
        shown->Serialize(ownNode);
    }
}

void ObjectWithStyle::UnserialiseStyles(const Settings& node)
{
    const StylesContainer& container = StylesContainer::Instance();
    const Settings& ownNode = node[kStyleOwnKey];
    QString guidText = node[kStyleGuidKey].ToString();
    if (guidText.isEmpty() && ownNode.IsValid())
        guidText = ownNode[kStyleGuidKey].ToString();

    const auto loadOwn = [&]() -> std::shared_ptr<StyleBase> {
        std::shared_ptr<StyleBase> style = ownNode.IsValid() ? StyleBase::LoadStyle(ownNode) : nullptr;
        if (!style || !style->IsKindOf(m_kind))
            return nullptr;
        style->SetId(StyleBase::kOwnStyleId);
        return style;
    };

    int styleId = 0;
    std::shared_ptr<StyleBase> own;
    if (guidText == StyleBase::OWN_STYLE_GUID)
    {
        own = loadOwn();
        if (own)
        {
            const std::shared_ptr<StyleBase> source =
                container.FindStyle(container.FindStyle(own->GetSourceOriginalGuid()), m_kind);
            if (source)
                own->UpdateChangedParameters(*source);
        }
    }
    else
    {
        const QUuid guid = QUuid::fromString(guidText);
        styleId = container.FindStyle(guid);
        if (!container.FindStyle(styleId, m_kind))
            styleId = 0;
        if (styleId == 0 && !guid.isNull())
        {
            // The named style is not here (another computer's file): show the stored copy.
            own = loadOwn();
            if (own)
                own->SetSourceOriginalGuid(guid);
        }
    }
    m_previewStyleId.reset();
    m_ownStyle = own;
    m_styleId = own ? StyleBase::kOwnStyleId : styleId;
    OnStyleChanged();
}

std::shared_ptr<StyleBase> ObjectWithStyle::Resolve(int styleId) const
{
    if (styleId == StyleBase::kOwnStyleId && m_ownStyle)
        return m_ownStyle;
    if (styleId > 0)
    {
        if (std::shared_ptr<StyleBase> named = StylesContainer::Instance().FindStyle(styleId, m_kind))
            return named;
    }
    return Fallback();
}

std::shared_ptr<StyleBase> ObjectWithStyle::Fallback() const
{
    std::shared_ptr<StyleBase> style = m_defaultStyleProvider.DefaultStyle();
    if (style && style->IsKindOf(m_kind))
        return style;
    if (!m_fallbackStyle)
        m_fallbackStyle = StyleBase::CreateStyleFromType(m_kind);
    return m_fallbackStyle;
}

void ObjectWithStyle::MakeOwnStyle()
{
    const std::shared_ptr<StyleBase> source = Resolve(m_styleId);
    if (!source)
        return;
    std::shared_ptr<StyleBase> own = source->Copy();
    if (!own)
        return;
    own->SetId(StyleBase::kOwnStyleId);
    own->SetSourceOriginalGuid(source->GetId() > 0 ? source->GetGuid() : QUuid());
    own->ClearChangedParameters();
    own->MakeRelatedStylesOwn();
    m_ownStyle = own;
    m_styleId = StyleBase::kOwnStyleId;
}
