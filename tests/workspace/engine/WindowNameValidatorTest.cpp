#include "workspace/engine/WindowNameValidator.h"

#include <gtest/gtest.h>

TEST(WindowNameValidatorTest, ANameNeedsAVisibleCharacterAndNoControlCharacters)
{
    const struct
    {
        QString text;
        bool accepted;
    } cases[] = {
        {QStringLiteral("Ekran"), true},
        {QStringLiteral("Spółki WIG20 (rano)"), true},
        {QString(), false},
        {QStringLiteral("   "), false},
        {QStringLiteral("Akcje\nWIG"), false},
        {QStringLiteral("Akcje\tWIG"), false},
        {QString(WindowNameValidator::kMaxLength, QLatin1Char('a')), true},
        {QString(WindowNameValidator::kMaxLength + 1, QLatin1Char('a')), false},
    };
    for (const auto& item : cases)
    {
        const WindowNameValidator::ParameterStatus status = WindowNameValidator::IsAppropriateWindowText(item.text);
        EXPECT_EQ(status.id == 0, item.accepted) << item.text.toStdString();
        EXPECT_EQ(status.text.isEmpty(), item.accepted) << item.text.toStdString();
    }
}
