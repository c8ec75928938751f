#include "workspace/engine/WindowNameValidator.h"

#include <algorithm>

WindowNameValidator::ParameterStatus WindowNameValidator::IsAppropriateWindowText(const QString& text)
{
    if (text.trimmed().isEmpty())
        return {1, QStringLiteral("Nazwa nie może być pusta.")};
    if (std::any_of(text.begin(), text.end(), [](QChar character) { return character.category() == QChar::Other_Control; }))
        return {1, QStringLiteral("Nazwa nie może zawierać znaków sterujących.")};
    if (text.size() > kMaxLength)
        return {1, QStringLiteral("Nazwa może mieć najwyżej %1 znaków.").arg(kMaxLength)};
    return {};
}
