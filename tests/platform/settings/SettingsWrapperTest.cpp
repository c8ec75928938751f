#include "platform/settings/Settings.h"
#include "platform/settings/SettingsAdditionalInfo.h"
#include "platform/settings/SettingsOptionList.h"
#include "platform/settings/SettingsWrapper.h"

#include <gtest/gtest.h>

namespace
{
void AddOption(Settings& node, const QString& caption, std::uint32_t value)
{
    Settings& option = node.OptionList().AddOption();
    SettingsWrapper(option).SetDisplayNameAndType(caption, VariableNumber);
    option = value;
}
}

TEST(SettingsWrapperTest, OptionListGivesTheChosenOptionsValueToTheNode)
{
    Settings group;
    Settings& encryption = group["smtpServerParameters"]["encryption"];
    SettingsWrapper(encryption).SetDisplayNameAndType(QStringLiteral("Szyfrowanie"), VariableOptionList);
    AddOption(encryption, QStringLiteral("brak szyfrowania"), 0);
    AddOption(encryption, QStringLiteral("SSL/TLS"), 1);
    AddOption(encryption, QStringLiteral("STARTTLS"), 2);

    const SettingsOptionList& options = std::as_const(encryption).OptionList();
    ASSERT_EQ(options.Size(), 3);
    EXPECT_EQ(options[1].GetDisplayName(), QStringLiteral("SSL/TLS"));
    EXPECT_FALSE(options[3].IsValid());
    EXPECT_EQ(options.CurrentOptionID(), 0);

    EXPECT_TRUE(SettingsWrapper(encryption).SetValueFromOptionList(2));
    EXPECT_EQ(encryption.ToInt(), 2);
    EXPECT_EQ(options.CurrentOptionID(), 2);
    EXPECT_FALSE(SettingsWrapper(encryption).SetValueFromOptionList(3));
    EXPECT_FALSE(SettingsWrapper(encryption).SetValueFromOptionList(-1));
    EXPECT_EQ(encryption.ToInt(), 2);

    // A copied node takes its own copy of the options.
    Settings copy = encryption;
    copy.OptionList()[0] = 9;
    EXPECT_EQ(encryption.OptionList()[0].ToInt(), 0);
    EXPECT_EQ(copy.GetType(), VariableOptionList);
    EXPECT_EQ(copy.OptionList().Size(), 3);
}

TEST(SettingsWrapperTest, MetadataOfTheInvalidNodeStaysEmpty)
{
    Settings& invalid = Settings::InvalidVariable();
    SettingsWrapper(invalid).SetDisplayNameAndType(QStringLiteral("x"), VariableText);
    invalid.OptionList().AddOption() = 1;
    invalid.AdditionalInfo(std::make_shared<Settings::BooleanNodeAdditionlInfo>(true));
    EXPECT_EQ(invalid.GetType(), VariableContainer);
    EXPECT_TRUE(invalid.GetDisplayName().isEmpty());
    EXPECT_EQ(invalid.OptionList().Size(), 0);
    EXPECT_EQ(invalid.AdditionalInfo(), nullptr);
}

TEST(SettingsWrapperTest, AdditionalInfoKeepsItsKind)
{
    Settings node;
    EXPECT_EQ(node.AdditionalInfo(), nullptr);
    node.AdditionalInfo(std::make_shared<Settings::NumericNodeAdditionlInfo>(1, 60, true));
    auto numeric = std::dynamic_pointer_cast<const Settings::NumericNodeAdditionlInfo>(node.AdditionalInfo());
    ASSERT_NE(numeric, nullptr);
    EXPECT_EQ(numeric->SmallestValue(), 1);
    EXPECT_EQ(numeric->GratestValue(), 60);
    EXPECT_TRUE(numeric->ShowButtons());
    EXPECT_EQ(std::dynamic_pointer_cast<const Settings::FilePathAdditionalInfo>(node.AdditionalInfo()), nullptr);

    Settings::BooleanNodeAdditionlInfo captions(QStringLiteral("Tak"), QStringLiteral("Nie"));
    EXPECT_FALSE(captions.UseCheckBoxstyle());
    EXPECT_EQ(captions.TrueCaption(), QStringLiteral("Tak"));
}
