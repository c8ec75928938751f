#include "StylesFixture.h"

#include "platform/base/Log.h"
#include "styles/engine/ParameterTableStyle.h"
#include "styles/engine/StylesContainer.h"

#include <QDir>
#include <QFile>

StylesFixture::StylesFixture()
{
    StylesContainer::Release();
    Log::Init(home.Path() + QStringLiteral("/Log.txt"));
}

StylesFixture::~StylesFixture()
{
    Log::Close();
    StylesContainer::Release();
}

QString StylesFixture::Folder(const QString& name) const
{
    const QString folder = home.Path() + QLatin1Char('/') + name;
    QDir().mkpath(folder);
    return folder;
}

QString StylesFixture::Warnings() const
{
    return ReadLog(QStringLiteral("LogWarning.txt"));
}

QString StylesFixture::Errors() const
{
    return ReadLog(QStringLiteral("LogError.txt"));
}

QString StylesFixture::ReadLog(const QString& fileName) const
{
    QFile file(home.Path() + QLatin1Char('/') + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void StylesFixture::ChangeEveryParameter(StyleBase& style, int salt)
{
    const auto* table = dynamic_cast<const ParameterTableStyle*>(&style);
    ASSERT_NE(table, nullptr);
    for (const StyleParameterDef& parameter : table->Parameters())
    {
        switch (parameter.kind)
        {
        case StyleParameterKind::Flag: style.SetValue(parameter.id, parameter.defaultValue == 0 ? 1 : 0); break;
        case StyleParameterKind::Value: style.SetValue(parameter.id, parameter.defaultValue + 10 + salt); break;
        case StyleParameterKind::Colour:
            style.SetValue(parameter.id, qint32(0x00102030 + parameter.id * 0x010101 + salt));
            break;
        case StyleParameterKind::Pen:
        {
            LogPen pen = *parameter.defaultObject.Pen();
            pen.lopnStyle = LogPen::kStyleDashDot;
            pen.lopnWidth.x = 3 + salt;
            pen.lopnColor = ColorRef(0x00ABCDEFu + quint32(salt));
            style.SetGdiObject(parameter.id, pen);
            break;
        }
        case StyleParameterKind::Font:
        {
            LogFont font = *parameter.defaultObject.Font();
            font.lfHeight = -17 - salt;
            font.lfItalic = 1;
            font.SetFaceName(QStringLiteral("Liberation Serif"));
            style.SetGdiObject(parameter.id, font);
            break;
        }
        }
    }
    for (int relationId : style.GetRelationIds())
        ChangeEveryParameter(*style.GetOwnStyle(relationId), salt + relationId);
}

::testing::AssertionResult StylesFixture::SameStyle(const StyleBase& expected, const StyleBase& actual)
{
    if (expected.GetType() != actual.GetType())
        return ::testing::AssertionFailure() << "kinds differ";
    if (expected.GetName() != actual.GetName())
        return ::testing::AssertionFailure() << "names differ: " << expected.GetName().toStdString() << " / "
                                             << actual.GetName().toStdString();
    const auto* table = dynamic_cast<const ParameterTableStyle*>(&expected);
    if (!table)
        return ::testing::AssertionFailure() << "not a table style";
    for (const StyleParameterDef& parameter : table->Parameters())
    {
        if (expected.GetValue(parameter.id) != actual.GetValue(parameter.id) ||
            !(expected.GetGdiObject(parameter.id) == actual.GetGdiObject(parameter.id)))
            return ::testing::AssertionFailure() << "parameter " << parameter.key.toStdString() << " differs";
        if (expected.IsChangedParameter(parameter.id) != actual.IsChangedParameter(parameter.id))
            return ::testing::AssertionFailure() << "changed mark of " << parameter.key.toStdString() << " differs";
    }
    for (int relationId : expected.GetRelationIds())
    {
        const std::shared_ptr<StyleBase> expectedRelated = expected.GetRelatedStyle(relationId);
        const std::shared_ptr<StyleBase> actualRelated = actual.GetRelatedStyle(relationId);
        if (!actualRelated)
            return ::testing::AssertionFailure() << "relation " << relationId << " missing";
        const bool expectedOwn = expectedRelated == expected.GetOwnStyle(relationId);
        const bool actualOwn = actualRelated == actual.GetOwnStyle(relationId);
        if (expectedOwn != actualOwn || (!expectedOwn && expectedRelated->GetId() != actualRelated->GetId()))
            return ::testing::AssertionFailure() << "relation " << relationId << " points elsewhere";
        const auto own = SameStyle(*expected.GetOwnStyle(relationId), *actual.GetOwnStyle(relationId));
        if (!own)
            return ::testing::AssertionFailure() << "own copy of relation " << relationId << ": " << own.message();
    }
    return ::testing::AssertionSuccess();
}
