#include "platform/settings/Q5Settings.h"

#include "platform/base/AppPaths.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/Log.h"
#include "platform/settings/Markup.h"

#include <QLocale>

Q5Settings::Q5Settings() = default;

Q5Settings::~Q5Settings() = default;

Q5Settings& Q5Settings::operator[](const char* name)
{
    return (*this)[std::string(name)];
}

Q5Settings& Q5Settings::operator[](const std::string& name)
{
    for (NamedChild& child : m_named)
        if (child.name == name)
            return *child.node;
    m_named.push_back({name, std::make_unique<Q5Settings>()});
    return *m_named.back().node;
}

Q5Settings& Q5Settings::AddUnnamed()
{
    m_unnamed.push_back(std::make_unique<Q5Settings>());
    return *m_unnamed.back();
}

Q5Settings& Q5Settings::operator=(const QString& value)
{
    m_value = value;
    return *this;
}

Q5Settings& Q5Settings::operator=(const char* value)
{
    m_value = QString::fromUtf8(value);
    return *this;
}

Q5Settings& Q5Settings::operator=(bool value)
{
    m_value = value ? QStringLiteral("1") : QStringLiteral("0");
    return *this;
}

Q5Settings& Q5Settings::operator=(std::int32_t value)
{
    m_value = QString::number(value);
    return *this;
}

Q5Settings& Q5Settings::operator=(std::uint32_t value)
{
    m_value = QString::number(value);
    return *this;
}

Q5Settings& Q5Settings::operator=(double value)
{
    m_value = QString::number(value, 'g', QLocale::FloatingPointShortest);
    return *this;
}

bool Q5Settings::SaveToFile(const QString& path, const char* rootName) const
{
    Markup markup;
    markup.SetDoc(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
    markup.AddElem(QString::fromUtf8(rootName));
    Fill(markup, 1);
    const QString text = markup.GetDoc();
    QString reason = markup.GetError();
    if (reason.isEmpty() && AtomicFile::Write(path, text.toUtf8(), &reason))
        return true;
    Log::WriteError(QStringLiteral("Nie udało się zapisać pliku %1: %2").arg(path, reason),
                    QString::fromUtf8(AppPaths::kProductName), QStringLiteral("Q5Settings::SaveToFile"), __LINE__);
    return false;
}

bool Q5Settings::Fill(Markup& markup, int depth) const
{
    if (!m_value.isEmpty())
        markup.AddTextAttrib(QStringLiteral("v"), m_value);
    if (depth >= Markup::kMaxDepth && !(m_named.empty() && m_unnamed.empty()))
    {
        markup.Fail(QStringLiteral("drzewo głębsze niż %1 poziomów").arg(Markup::kMaxDepth));
        return false;
    }
    for (const NamedChild& child : m_named)
    {
        markup.AddElem(QStringLiteral("n"));
        markup.AddTextAttrib(QStringLiteral("k"), QString::fromStdString(child.name));
        if (!child.node->Fill(markup, depth + 1))
            return false;
        markup.OutOfElem();
    }
    for (const auto& child : m_unnamed)
    {
        markup.AddElem(QStringLiteral("u"));
        if (!child->Fill(markup, depth + 1))
            return false;
        markup.OutOfElem();
    }
    return true;
}
