#include "styles/engine/StyleBase.h"

#include "platform/base/Log.h"
#include "platform/settings/Settings.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StylesContainer.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QStringList>

#include <deque>
#include <utility>

const QString StyleBase::OWN_STYLE_GUID = QStringLiteral("{own-style}");

namespace
{
const QString kTypeKey = QStringLiteral("Type");
const QString kNameKey = QStringLiteral("Name");
const QString kGuidKey = QStringLiteral("StyleGuid");
const QString kIdKey = QStringLiteral("StyleId");
const QString kSourceGuidKey = QStringLiteral("SourceGuid");
const QString kChangedKey = QStringLiteral("ChangedParameters");

bool g_fontConversion = false;

// Faces of the Windows program's styles and the free faces that stand for them.
const std::pair<const char*, const char*> kFontSubstitutes[] = {
    {"Tahoma", "DejaVu Sans"},          {"MS Sans Serif", "DejaVu Sans"},     {"Microsoft Sans Serif", "DejaVu Sans"},
    {"MS Shell Dlg", "DejaVu Sans"},    {"MS Shell Dlg 2", "DejaVu Sans"},    {"Segoe UI", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},         {"Arial", "Liberation Sans"},         {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

bool FaceInstalled(const QString& face)
{
    // Without a GUI application the font database cannot be asked; the face then counts as missing.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    return QFontDatabase::hasFamily(face);
}

QString ChangedToText(const std::set<int>& changed)
{
    QStringList ids;
    for (int id : changed)
        ids.append(QString::number(id));
    return ids.join(QLatin1Char(';'));
}

std::set<int> ChangedFromText(const QString& text)
{
    std::set<int> changed;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts))
    {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        if (ok)
            changed.insert(id);
    }
    return changed;
}

void WriteWarning(const QString& text, const char* where, int line)
{
    Log::WriteWarning(text, QStringLiteral("Style"), QString::fromLatin1(where), line);
}
}

StyleBase::~StyleBase() = default;

bool StyleBase::SetRelatedStyle(int relationId, int styleId, StyleType kind)
{
    if (m_ownStyles.count(relationId) == 0)
        return false;
    std::shared_ptr<StyleBase> style =
        styleId == kOwnStyleId ? GetOwnStyle(relationId) : StylesContainer::Instance().FindStyle(styleId, kind);
    if (!style)
        return false;
    SetRelatedStyle(relationId, style);
    return true;
}

void StyleBase::SetRelatedStyle(int relationId, const std::shared_ptr<StyleBase>& style)
{
    const auto own = m_ownStyles.find(relationId);
    if (own == m_ownStyles.end())
        return;
    if (!style || style == own->second)
    {
        m_related[relationId] = own->second;
    }
    else if (style->GetType() != own->second->GetType())
    {
        WriteWarning(QStringLiteral("Styl \"%1\": styl powiązany %2 jest innego rodzaju (%3) niż oczekiwany (%4).")
                         .arg(m_name)
                         .arg(relationId)
                         .arg(style->GetTypeName(), own->second->GetTypeName()),
                     "StyleBase::SetRelatedStyle", __LINE__);
        return;
    }
    else if (style->GetId() > 0)
    {
        m_related[relationId] = style;
    }
    else
    {
        own->second->CopyFrom(*style, true);
        m_related[relationId] = own->second;
    }
    InvalidatePreview();
}

std::shared_ptr<StyleBase> StyleBase::GetRelatedStyle(int relationId) const
{
    const auto found = m_related.find(relationId);
    return found == m_related.end() ? nullptr : found->second;
}

bool StyleBase::HasRelatedStyle(const std::shared_ptr<const StyleBase>& style) const
{
    if (!style)
        return false;
    for (const auto& [relationId, related] : m_related)
    {
        if (related == style)
            return true;
    }
    return false;
}

qint32 StyleBase::GetValue(int id) const
{
    return 0;
}

void StyleBase::SetValue(int id, qint32 value)
{
}

GdiObject StyleBase::GetGdiObject(int id) const
{
    return {};
}

void StyleBase::SetGdiObject(int id, const GdiObject& object)
{
}

void StyleBase::Serialize(Settings& node) const
{
    node[kTypeKey] = GetTypeName();
    node[kNameKey] = m_name;
    node[kGuidKey] = GetGuidText();
    if (!m_sourceGuid.isNull())
        node[kSourceGuidKey] = m_sourceGuid.toString();
    if (!m_changed.empty())
        node[kChangedKey] = ChangedToText(m_changed);
}

void StyleBase::Unserialize(const Settings& node)
{
    if (node.Exists(kNameKey))
        m_name = node[kNameKey].ToString();
    // The source and the marks describe the stored style as a whole: absent means none.
    m_sourceGuid = QUuid::fromString(node[kSourceGuidKey].ToString());
    m_changed = ChangedFromText(node[kChangedKey].ToString());
    InvalidatePreview();
}

bool StyleBase::IsKindOf(StyleType type) const
{
    return type == GetType();
}

std::shared_ptr<StyleBase> StyleBase::DefaultStyle() const
{
    return StyleKinds::DefaultStyle(GetType());
}

void StyleBase::CopySettingsFromSelectedStyle(const std::shared_ptr<const StyleBase>& source)
{
    if (!source || source.get() == this)
        return;
    for (const auto& [relationId, own] : m_ownStyles)
    {
        if (std::shared_ptr<const StyleBase> sourceRelated = source->GetRelatedStyle(relationId))
            own->CopySettingsFromSelectedStyle(sourceRelated);
    }
    InvalidatePreview();
}

void StyleBase::UpdateChangedParameter(const StyleBase& source, int id)
{
    UpdateChangedValueParameter(source, id);
}

void StyleBase::UpdateChangedValueParameter(const StyleBase& source, int id)
{
    if (!IsChangedParameter(id))
        SetValue(id, source.GetValue(id));
}

void StyleBase::UpdateChangedParameters(const StyleBase& source)
{
    // Only the relations that use the own copy follow the source; a named related style is shared.
    for (const auto& [relationId, own] : m_ownStyles)
    {
        std::shared_ptr<const StyleBase> sourceRelated = source.GetRelatedStyle(relationId);
        if (sourceRelated && GetRelatedStyle(relationId) == own)
            own->UpdateChangedParameters(*sourceRelated);
    }
    InvalidatePreview();
}

QSize StyleBase::PreviewSize() const
{
    return QSize(150, 100);
}

QSize StyleBase::PreviewSourceSize() const
{
    return PreviewSize();
}

void StyleBase::PaintPreview(QPainter& painter) const
{
    painter.fillRect(QRect(QPoint(0, 0), PreviewSourceSize()), Qt::white);
}

std::shared_ptr<StyleBase> StyleBase::Copy() const
{
    std::shared_ptr<StyleBase> copy = CreateStyleFromType(GetType());
    if (!copy)
        return nullptr;
    copy->CopyFrom(*this, true);
    copy->m_id = m_id;
    copy->m_guid = m_guid;
    return copy;
}

bool StyleBase::CopyFrom(const StyleBase& source, bool copyName)
{
    if (source.GetType() != GetType())
        return false;
    if (&source == this)
        return true;
    Settings tree;
    source.Serialize(tree);
    const QString name = m_name;
    Unserialize(tree);
    if (!copyName)
        m_name = name;
    // A relation of the source to its own copy becomes one to this style's own copy; a named
    // related style is shared as it is.
    for (int relationId : source.GetRelationIds())
    {
        std::shared_ptr<StyleBase> related = source.GetRelatedStyle(relationId);
        SetRelatedStyle(relationId, related == source.GetOwnStyle(relationId) ? GetOwnStyle(relationId) : related);
    }
    InvalidatePreview();
    return true;
}

int StyleBase::SafeGetId(const std::shared_ptr<const StyleBase>& style)
{
    return style ? style->GetId() : 0;
}

void StyleBase::SetId(int id)
{
    m_id = id;
    if (id == kOwnStyleId)
        m_guid = QUuid();
}

QString StyleBase::GetGuidText() const
{
    return m_guid.isNull() ? OWN_STYLE_GUID : m_guid.toString();
}

std::vector<int> StyleBase::GetRelationIds() const
{
    std::vector<int> ids;
    for (const auto& [relationId, own] : m_ownStyles)
        ids.push_back(relationId);
    return ids;
}

std::shared_ptr<StyleBase> StyleBase::GetOwnStyle(int relationId) const
{
    const auto found = m_ownStyles.find(relationId);
    return found == m_ownStyles.end() ? nullptr : found->second;
}

void StyleBase::CopyAllRelatedStylesToMap(RelatedStylesMap& map, bool copy) const
{
    for (int relationId : GetRelationIds())
    {
        if (std::shared_ptr<StyleBase> related = GetRelatedStyle(relationId))
            map[quint32(relationId)] = copy ? related->Copy() : related;
    }
}

void StyleBase::CopyRelatedStyleSettingsToOwn()
{
    for (const auto& [relationId, own] : m_ownStyles)
    {
        std::shared_ptr<StyleBase> related = GetRelatedStyle(relationId);
        if (!related || related == own)
            continue;
        own->CopySettingsFromSelectedStyle(related);
        own->SetSourceOriginalGuid(related->GetGuid());
    }
}

void StyleBase::MakeRelatedStylesOwn()
{
    CopyRelatedStyleSettingsToOwn();
    for (const auto& [relationId, own] : m_ownStyles)
        SetRelatedStyle(relationId, own);
}

void StyleBase::SetChangedParameter(int id, bool changed)
{
    if (changed)
        m_changed.insert(id);
    else
        m_changed.erase(id);
}

const QImage& StyleBase::Preview() const
{
    if (m_previewValid)
        return m_preview;
    const QSize sourceSize = PreviewSourceSize();
    QImage source(sourceSize.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    source.fill(Qt::white);
    {
        QPainter painter(&source);
        PaintPreview(painter);
    }
    const QSize size = PreviewSize().expandedTo(QSize(1, 1));
    m_preview = source.size() == size ? source
                                      : source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_previewValid = true;
    return m_preview;
}

void StyleBase::InvalidatePreviewForRelatedStyles(const std::shared_ptr<StyleBase>& style)
{
    if (!style)
        return;
    style->InvalidatePreview();
    std::deque<std::shared_ptr<StyleBase>> styles;
    StylesContainer::Instance().GetAllStyles(styles);
    for (const std::shared_ptr<StyleBase>& other : styles)
    {
        if (other->HasRelatedStyle(style))
            other->InvalidatePreview();
    }
}

std::shared_ptr<StyleBase> StyleBase::CreateStyleFromType(StyleType type)
{
    return StyleKinds::Create(type);
}

void StyleBase::SerializeStyle(const std::shared_ptr<const StyleBase>& style, Settings& node)
{
    node[kGuidKey] = style ? style->GetGuidText() : OWN_STYLE_GUID;
    node[kIdKey] = std::int32_t(SafeGetId(style));
}

void StyleBase::SerializeStyle(const std::shared_ptr<const StyleBase>& style, Settings& idNode, Settings& ownNode,
                               bool embedStyles)
{
    idNode = std::int32_t(SafeGetId(style));
    if (style && (embedStyles || style->GetId() == kOwnStyleId))
    {
        ownNode.Clear();
        style->Serialize(ownNode);
    }
}

void StyleBase::SafeSerialize(const std::shared_ptr<const StyleBase>& style, Settings& node)
{
    if (style)
        style->Serialize(node);
}

void StyleBase::SafeUnserialize(const std::shared_ptr<StyleBase>& style, const Settings& node)
{
    if (!style || !node.IsValid())
        return;
    const QString typeName = node[kTypeKey].ToString();
    if (!typeName.isEmpty() && typeName != style->GetTypeName())
    {
        WriteWarning(QStringLiteral("Pominięto zapisany styl rodzaju \"%1\" w miejscu stylu rodzaju \"%2\".")
                         .arg(typeName, style->GetTypeName()),
                     "StyleBase::SafeUnserialize", __LINE__);
        return;
    }
    style->Unserialize(node);
}

std::shared_ptr<StyleBase> StyleBase::LoadStyle(const Settings& node)
{
    const QString typeName = node[kTypeKey].ToString();
    std::shared_ptr<StyleBase> style = StyleKinds::Create(typeName);
    if (!style)
    {
        WriteWarning(QStringLiteral("Nieznany rodzaj stylu \"%1\"; styl nie został wczytany.").arg(typeName),
                     "StyleBase::LoadStyle", __LINE__);
        return nullptr;
    }
    style->Unserialize(node);
    return style;
}

void StyleBase::RestoreStyle(int relationId, const Settings& referenceNode, StyleType kind)
{
    const QString guidText = referenceNode[kGuidKey].ToString();
    std::shared_ptr<StyleBase> named;
    if (guidText != OWN_STYLE_GUID)
    {
        const StylesContainer& container = StylesContainer::Instance();
        named = container.FindStyle(container.FindStyle(QUuid::fromString(guidText)), kind);
        if (!named && !guidText.isEmpty())
            Log::WriteInfo(QStringLiteral("Styl \"%1\": nie ma stylu %2 powiązanego pod numerem %3; użyto kopii własnej.")
                               .arg(m_name, guidText)
                               .arg(relationId),
                           QStringLiteral("Style"), QStringLiteral("StyleBase::RestoreStyle"), __LINE__);
    }
    SetRelatedStyle(relationId, named ? named : GetOwnStyle(relationId));
}

void StyleBase::EnableFontConversion(bool enable)
{
    g_fontConversion = enable;
}

bool StyleBase::IsFontConversionEnabled()
{
    return g_fontConversion;
}

void StyleBase::AddRelation(int relationId, const std::shared_ptr<StyleBase>& ownStyle)
{
    if (!ownStyle)
        return;
    m_ownStyles[relationId] = ownStyle;
    m_related[relationId] = ownStyle;
}

LogFont StyleBase::ConvertFont(const LogFont& font)
{
    if (!g_fontConversion)
        return font;
    const QString face = font.FaceName();
    for (const auto& [windowsFace, freeFace] : kFontSubstitutes)
    {
        if (face.compare(QLatin1String(windowsFace), Qt::CaseInsensitive) == 0 && !FaceInstalled(face))
        {
            LogFont converted = font;
            converted.SetFaceName(QString::fromLatin1(freeFace));
            return converted;
        }
    }
    return font;
}
