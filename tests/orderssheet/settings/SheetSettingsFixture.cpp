#include "SheetSettingsFixture.h"

#include "orderssheet/settings/StyleOrdersSheet.h"
#include "platform/base/Log.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"

SheetSettingsFixture::SheetSettingsFixture()
{
    StylesContainer::Release();
    StyleOrdersSheet::RegisterKind(QStringLiteral("Arkusz zlecen"));
    Log::Init(home.Path() + QStringLiteral("/Log.txt"));
}

SheetSettingsFixture::~SheetSettingsFixture()
{
    Log::Close();
    StylesContainer::Release();
}

std::shared_ptr<StyleTextField> SheetSettingsFixture::AddTextStyle(qint32 colour)
{
    auto style = StyleTextField::CreateInstance();
    style->SetValue(StyleTextField::ParamFontColor, colour);
    StylesContainer::Instance().AddStyle(style);
    return style;
}

Settings SheetSettingsFixture::ReadBack(const Q5Settings& node) const
{
    const QString path = home.Path() + QStringLiteral("/export.q5sOS");
    Settings read;
    EXPECT_TRUE(node.SaveToFile(path, "Export"));
    EXPECT_TRUE(read.LoadFromFile(path, QStringLiteral("Export")));
    return read;
}
