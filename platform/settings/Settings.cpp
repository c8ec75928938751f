#include "platform/settings/Settings.h"

#include "platform/base/AppPaths.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/Cipher.h"
#include "platform/base/Log.h"
#include "platform/settings/Markup.h"
#include "platform/settings/SettingsFile.h"
#include "platform/settings/SettingsOptionList.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace
{
// Below this many named children a linear search is faster than a hash.
constexpr std::size_t kIndexThreshold = 12;

const QString kNamedElem = QStringLiteral("n");
const QString kUnnamedElem = QStringLiteral("u");
const QString kKeyAttrib = QStringLiteral("k");
const QString kValueAttrib = QStringLiteral("v");
const QString kVersionAttrib = QStringLiteral("ver");
const QString kTypeAttrib = QStringLiteral("t");
const QString kDisplayNameAttrib = QStringLiteral("d");

void ReportError(const char* where, int line, const QString& text)
{
    Log::WriteError(text, QString::fromUtf8(AppPaths::kProductName), QString::fromUtf8(where), line);
}

template <class Entry, class Node>
void CollectNamed(Node& node, int depth, std::vector<Entry>& out, const auto& namedOf)
{
    for (const auto& child : namedOf(node))
    {
        out.push_back(Entry{child.name, child.node});
        if (depth > 1)
            CollectNamed<Entry>(*child.node, depth - 1, out, namedOf);
    }
}

template <class Entry, class Node>
void CollectUnnamed(Node& node, int depth, std::vector<Entry>& out, const auto& unnamedOf)
{
    for (const auto& child : unnamedOf(node))
    {
        out.push_back(Entry{QString(), child});
        if (depth > 1)
            CollectUnnamed<Entry>(*child, depth - 1, out, unnamedOf);
    }
}

// Whole-number text converts like a C cast (so an unsigned value read as signed keeps its
// bits); real-number text is truncated and held within the type's range.
template <class T>
T ReadInteger(const QString& text)
{
    bool ok = false;
    const qlonglong whole = text.toLongLong(&ok);
    if (ok)
        return static_cast<T>(whole);
    const double real = text.toDouble(&ok);
    if (!ok || std::isnan(real))
        return 0;
    return static_cast<T>(std::clamp(std::trunc(real), double(std::numeric_limits<T>::min()),
                                      double(std::numeric_limits<T>::max())));
}
}

struct Settings::Metadata
{
    QString displayName;
    std::shared_ptr<const NodeAdditionalInfo> additionalInfo;
    std::unique_ptr<SettingsOptionList> options;
};

Settings::Settings() = default;

Settings::Settings(InvalidTag) : m_valid(false)
{
}

Settings::Settings(const Settings& other)
    : m_value(other.m_value), m_version(other.m_version), m_type(other.m_type), m_valid(other.m_valid)
{
    m_named.reserve(other.m_named.size());
    for (const NamedChild& child : other.m_named)
        m_named.push_back({child.name, std::make_shared<Settings>(*child.node)});
    m_unnamed.reserve(other.m_unnamed.size());
    for (const auto& child : other.m_unnamed)
        m_unnamed.push_back(std::make_shared<Settings>(*child));
    if (other.m_meta)
    {
        m_meta = std::make_unique<Metadata>();
        m_meta->displayName = other.m_meta->displayName;
        m_meta->additionalInfo = other.m_meta->additionalInfo;
        if (other.m_meta->options)
            m_meta->options = std::make_unique<SettingsOptionList>(*other.m_meta->options);
    }
    RebuildIndex();
}

Settings::Settings(Settings&& other) noexcept : m_valid(other.m_valid)
{
    if (other.m_valid)
        TakeContent(std::move(other));
}

Settings& Settings::operator=(const Settings& other)
{
    if (this != &other && m_valid)
    {
        Settings copy(other);
        TakeContent(std::move(copy));
    }
    return *this;
}

Settings& Settings::operator=(Settings&& other) noexcept
{
    if (this == &other || !m_valid)
        return *this;
    if (!other.m_valid)
        Clear();
    else if (other.Holds(this))
        *this = static_cast<const Settings&>(other);  // moving an ancestor in would make a cycle
    else
        TakeContent(std::move(other));
    return *this;
}

Settings::~Settings() = default;

Settings& Settings::InvalidVariable()
{
    static Settings invalid{InvalidTag()};
    return invalid;
}

void Settings::Clear()
{
    if (!m_valid)
        return;
    m_value.clear();
    m_named.clear();
    m_unnamed.clear();
    m_index.reset();
    m_meta.reset();
    m_version = 0;
    m_type = VariableContainer;
}

Settings& Settings::operator[](const QString& name)
{
    if (!m_valid)
        return *this;
    const int found = FindNamed(name);
    if (found >= 0)
        return *m_named[found].node;
    AppendNamed(name, std::make_shared<Settings>());
    return *m_named.back().node;
}

Settings& Settings::operator[](const char* name)
{
    return (*this)[QString::fromUtf8(name)];
}

const Settings& Settings::operator[](const QString& name) const
{
    const int found = FindNamed(name);
    return found >= 0 ? *m_named[found].node : InvalidVariable();
}

const Settings& Settings::operator[](const char* name) const
{
    return (*this)[QString::fromUtf8(name)];
}

bool Settings::Exists(const QString& name) const
{
    return FindNamed(name) >= 0;
}

Settings& Settings::AddUnnamed()
{
    if (!m_valid)
        return *this;
    m_unnamed.push_back(std::make_shared<Settings>());
    return *m_unnamed.back();
}

SettingsIterator Settings::Iterator(int depth)
{
    std::vector<SettingsIterator::Entry> entries;
    CollectNamed<SettingsIterator::Entry>(*this, depth, entries, [](Settings& node) -> auto& { return node.m_named; });
    return SettingsIterator(std::move(entries));
}

ConstSettingsIterator Settings::Iterator(int depth) const
{
    std::vector<ConstSettingsIterator::Entry> entries;
    CollectNamed<ConstSettingsIterator::Entry>(*this, depth, entries,
                                               [](const Settings& node) -> auto& { return node.m_named; });
    return ConstSettingsIterator(std::move(entries));
}

SettingsIterator Settings::IteratorUnnamed(int depth)
{
    std::vector<SettingsIterator::Entry> entries;
    CollectUnnamed<SettingsIterator::Entry>(*this, depth, entries,
                                            [](Settings& node) -> auto& { return node.m_unnamed; });
    return SettingsIterator(std::move(entries));
}

ConstSettingsIterator Settings::IteratorUnnamed(int depth) const
{
    std::vector<ConstSettingsIterator::Entry> entries;
    CollectUnnamed<ConstSettingsIterator::Entry>(*this, depth, entries,
                                                 [](const Settings& node) -> auto& { return node.m_unnamed; });
    return ConstSettingsIterator(std::move(entries));
}

bool Settings::AttachNamedNode(const QString& name, std::shared_ptr<Settings> subtree)
{
    if (!m_valid || !subtree || !subtree->m_valid || subtree.get() == this || subtree->Holds(this))
        return false;
    const int found = FindNamed(name);
    if (found >= 0)
        m_named[found].node = std::move(subtree);
    else
        AppendNamed(name, std::move(subtree));
    return true;
}

std::shared_ptr<Settings> Settings::DetachNamedNode(const QString& name)
{
    const int found = FindNamed(name);
    if (!m_valid || found < 0)
        return nullptr;
    std::shared_ptr<Settings> node = std::move(m_named[found].node);
    m_named.erase(m_named.begin() + found);
    RebuildIndex();
    return node;
}

Settings& Settings::operator=(const QString& value)
{
    SetValue(value);
    return *this;
}

Settings& Settings::operator=(const char* value)
{
    SetValue(QString::fromUtf8(value));
    return *this;
}

Settings& Settings::operator=(bool value)
{
    SetValue(value ? QStringLiteral("1") : QStringLiteral("0"));
    return *this;
}

Settings& Settings::operator=(std::int32_t value)
{
    SetValue(QString::number(value));
    return *this;
}

Settings& Settings::operator=(std::uint32_t value)
{
    SetValue(QString::number(value));
    return *this;
}

Settings& Settings::operator=(double value)
{
    SetValue(QString::number(value, 'g', QLocale::FloatingPointShortest));
    return *this;
}

Settings& Settings::operator=(const Rect& value)
{
    SetValue(value.ToString());
    return *this;
}

Settings& Settings::operator=(const Size& value)
{
    SetValue(value.ToString());
    return *this;
}

Settings& Settings::operator=(const OleDate& value)
{
    SetValue(value.ToString());
    return *this;
}

bool Settings::ToBool() const
{
    if (m_value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    bool ok = false;
    const double number = m_value.toDouble(&ok);
    return ok && number != 0.0;
}

std::int32_t Settings::ToInt() const
{
    return ReadInteger<std::int32_t>(m_value);
}

std::uint32_t Settings::ToUInt() const
{
    return ReadInteger<std::uint32_t>(m_value);
}

double Settings::ToDouble() const
{
    bool ok = false;
    const double number = m_value.toDouble(&ok);
    return ok ? number : 0.0;
}

Rect Settings::ToRect() const
{
    return Rect::FromString(m_value).value_or(Rect());
}

Size Settings::ToSize() const
{
    return Size::FromString(m_value).value_or(Size());
}

OleDate Settings::ToOleDate() const
{
    return m_value.isEmpty() ? OleDate() : OleDate::FromString(m_value);
}

void Settings::Version(unsigned version)
{
    if (m_valid)
        m_version = version;
}

QString Settings::GetDisplayName() const
{
    return m_meta ? m_meta->displayName : QString();
}

std::shared_ptr<const Settings::NodeAdditionalInfo> Settings::AdditionalInfo() const
{
    return m_meta ? m_meta->additionalInfo : nullptr;
}

void Settings::AdditionalInfo(std::shared_ptr<const NodeAdditionalInfo> info)
{
    if (m_valid)
        EditMetadata().additionalInfo = std::move(info);
}

SettingsOptionList& Settings::OptionList()
{
    if (!m_valid)
        return SettingsOptionList::Frozen();
    Metadata& meta = EditMetadata();
    if (!meta.options)
        meta.options = std::make_unique<SettingsOptionList>();
    return *meta.options;
}

const SettingsOptionList& Settings::OptionList() const
{
    return m_meta && m_meta->options ? *m_meta->options : SettingsOptionList::Frozen();
}

bool Settings::LoadFromFile(const QString& path, const QString& rootName, QString* errorText)
{
    if (!m_valid)
        return false;
    const auto fail = [&](int line, const QString& text) {
        if (errorText)
            *errorText = text;
        else
            ReportError("Settings::LoadFromFile", line, text);
        return false;
    };
    QString text;
    QString reason;
    switch (SettingsFile::ReadText(path, text, reason))
    {
    case SettingsFile::ReadStatus::Missing:
        return false;
    case SettingsFile::ReadStatus::Unreadable:
        return fail(__LINE__, QStringLiteral("Nie można odczytać pliku ustawień %1: %2").arg(path, reason));
    case SettingsFile::ReadStatus::Ok:
        break;
    }
    Markup markup;
    markup.SetDoc(text);
    // Another root is an answer, not a fault: readers try the roots of older layouts in turn.
    const bool found = markup.FindElem(rootName);
    if (found && ParseXml(markup))
        return true;
    if (markup.HasError())
        return fail(__LINE__, QStringLiteral("Plik ustawień %1 jest uszkodzony: %2").arg(path, markup.GetError()));
    return false;
}

bool Settings::SaveToFile(const QString& path, const QString& rootName) const
{
    Markup markup;
    markup.SetDoc(QString::fromUtf16(SettingsFile::kPrologue));
    markup.AddElem(rootName);
    FillXml(markup);
    const QString text = markup.GetDoc();
    QString reason = markup.GetError();
    if (reason.isEmpty() && AtomicFile::Write(path, SettingsFile::ToUtf16Le(text), &reason))
        return true;
    ReportError("Settings::SaveToFile", __LINE__,
                QStringLiteral("Nie udało się zapisać pliku ustawień %1: %2").arg(path, reason));
    return false;
}

QString Settings::CryptValue(const QString& plain)
{
    if (plain.isEmpty())
        return QString();
    QString reason;
    if (const std::optional<QString> enciphered = Cipher().Encrypt(plain, &reason))
        return *enciphered;
    ReportError("Settings::CryptValue", __LINE__, QStringLiteral("Nie udało się zaszyfrować hasła: %1").arg(reason));
    return QString();
}

QString Settings::DecryptValue(const QString& stored)
{
    if (stored.isEmpty())
        return QString();
    QString reason;
    if (const std::optional<QString> plain = Cipher().Decrypt(stored, &reason))
        return *plain;
    ReportError("Settings::DecryptValue", __LINE__, QStringLiteral("Nie udało się odszyfrować hasła: %1").arg(reason));
    return QString();
}

bool Settings::ParseXml(Markup& markup)
{
    if (!m_valid)
        return false;
    // Filled aside and taken over only when the whole element was good.
    Settings parsed;
    if (!parsed.ReadAttributes(markup))
        return false;
    std::vector<Settings*> open{&parsed};
    for (;;)
    {
        switch (markup.Next())
        {
        case Markup::Step::Child:
        {
            Settings& parent = *open.back();
            auto child = std::make_shared<Settings>();
            if (markup.ElemName() == kNamedElem)
            {
                const std::optional<QString> name = markup.GetTextAttrib(kKeyAttrib);
                if (!name)
                {
                    markup.Fail(QStringLiteral("węzeł bez nazwy"));
                    return false;
                }
                if (parent.FindNamed(*name) >= 0)
                {
                    markup.Fail(QStringLiteral("powtórzona nazwa węzła \"%1\"").arg(*name));
                    return false;
                }
                parent.AppendNamed(*name, child);
            }
            else if (markup.ElemName() == kUnnamedElem)
                parent.m_unnamed.push_back(child);
            else
            {
                markup.Fail(QStringLiteral("nieznany element \"%1\"").arg(markup.ElemName()));
                return false;
            }
            if (!child->ReadAttributes(markup))
                return false;
            open.push_back(child.get());
            break;
        }
        case Markup::Step::End:
            open.pop_back();
            if (open.empty())
            {
                TakeContent(std::move(parsed));
                return true;
            }
            break;
        case Markup::Step::Error:
            return false;
        }
    }
}

bool Settings::FillXml(Markup& markup) const
{
    if (!m_valid)
    {
        markup.Fail(QStringLiteral("nieprawidłowy węzeł"));
        return false;
    }
    WriteAttributes(markup);
    return FillChildren(markup, 1);
}

int Settings::FindNamed(const QString& name) const
{
    if (m_index)
        return m_index->value(name, -1);
    for (std::size_t i = 0; i < m_named.size(); ++i)
        if (m_named[i].name == name)
            return static_cast<int>(i);
    return -1;
}

void Settings::AppendNamed(const QString& name, std::shared_ptr<Settings> node)
{
    m_named.push_back({name, std::move(node)});
    if (m_index)
        m_index->insert(name, static_cast<int>(m_named.size() - 1));
    else if (m_named.size() > kIndexThreshold)
        RebuildIndex();
}

void Settings::RebuildIndex()
{
    if (m_named.size() <= kIndexThreshold)
    {
        m_index.reset();
        return;
    }
    m_index = std::make_unique<QHash<QString, int>>();
    m_index->reserve(static_cast<qsizetype>(m_named.size()));
    for (std::size_t i = 0; i < m_named.size(); ++i)
        m_index->insert(m_named[i].name, static_cast<int>(i));
}

bool Settings::Holds(const Settings* node) const
{
    std::vector<const Settings*> pending{this};
    while (!pending.empty())
    {
        const Settings* current = pending.back();
        pending.pop_back();
        for (const NamedChild& child : current->m_named)
        {
            if (child.node.get() == node)
                return true;
            pending.push_back(child.node.get());
        }
        for (const auto& child : current->m_unnamed)
        {
            if (child.get() == node)
                return true;
            pending.push_back(child.get());
        }
    }
    return false;
}

void Settings::TakeContent(Settings&& other)
{
    m_value = std::move(other.m_value);
    m_named = std::move(other.m_named);
    m_unnamed = std::move(other.m_unnamed);
    m_index = std::move(other.m_index);
    m_meta = std::move(other.m_meta);
    m_version = other.m_version;
    m_type = other.m_type;
    other.Clear();
}

void Settings::SetValue(QString value)
{
    if (m_valid)
        m_value = std::move(value);
}

void Settings::SetDisplayNameAndType(const QString& displayName, EVariableTypes type)
{
    if (!m_valid)
        return;
    EditMetadata().displayName = displayName;
    m_type = type;
}

Settings::Metadata& Settings::EditMetadata()
{
    if (!m_meta)
        m_meta = std::make_unique<Metadata>();
    return *m_meta;
}

bool Settings::ReadAttributes(Markup& markup)
{
    if (std::optional<QString> value = markup.GetTextAttrib(kValueAttrib))
        m_value = std::move(*value);
    if (std::optional<QString> displayName = markup.GetTextAttrib(kDisplayNameAttrib))
        EditMetadata().displayName = std::move(*displayName);
    if (const std::optional<QString> version = markup.GetAttrib(kVersionAttrib))
    {
        bool ok = false;
        m_version = version->toUInt(&ok);
        if (!ok)
            markup.Fail(QStringLiteral("błędna wersja węzła \"%1\"").arg(*version));
    }
    if (const std::optional<QString> type = markup.GetAttrib(kTypeAttrib))
    {
        bool ok = false;
        m_type = static_cast<EVariableTypes>(type->toInt(&ok));
        if (!ok)
            markup.Fail(QStringLiteral("błędny typ węzła \"%1\"").arg(*type));
    }
    return !markup.HasError();
}

void Settings::WriteAttributes(Markup& markup) const
{
    if (!m_value.isEmpty())
        markup.AddTextAttrib(kValueAttrib, m_value);
    if (m_version != 0)
        markup.AddAttrib(kVersionAttrib, QString::number(m_version));
    if (m_type != VariableContainer)
        markup.AddAttrib(kTypeAttrib, QString::number(static_cast<int>(m_type)));
    if (m_meta && !m_meta->displayName.isEmpty())
        markup.AddTextAttrib(kDisplayNameAttrib, m_meta->displayName);
}

bool Settings::FillChildren(Markup& markup, int depth) const
{
    if (depth >= Markup::kMaxDepth && !(m_named.empty() && m_unnamed.empty()))
    {
        markup.Fail(QStringLiteral("drzewo głębsze niż %1 poziomów").arg(Markup::kMaxDepth));
        return false;
    }
    for (const NamedChild& child : m_named)
    {
        markup.AddElem(kNamedElem);
        markup.AddTextAttrib(kKeyAttrib, child.name);
        child.node->WriteAttributes(markup);
        if (!child.node->FillChildren(markup, depth + 1))
            return false;
        markup.OutOfElem();
    }
    for (const auto& child : m_unnamed)
    {
        markup.AddElem(kUnnamedElem);
        child->WriteAttributes(markup);
        if (!child->FillChildren(markup, depth + 1))
            return false;
        markup.OutOfElem();
    }
    return true;
}
