#pragma once
// What a style gallery shows besides the styles of its kind: the automatic style first, an
// optional second one, which style is checked, whether it offers the plain item (flag), the
// background to preview the styles on, and a group of further styles under its caption. The
// command target that answers the gallery's request keeps it, and the gallery reads it through
// the address in the answer, so every target and every gallery must use this one type.

#include "platform/base/ColorRef.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class StyleBase;

struct SpecialStylesInfo
{
    std::shared_ptr<StyleBase> firstStyle;
    std::shared_ptr<StyleBase> secondStyle;
    int checkedStyleId = 0;
    int flag = 0;
    std::optional<ColorRef> background;
    // The table's own style rather than one of its fields'.
    bool tableStyle = false;
    QString groupCaption = QStringLiteral("Używane style własne");
    std::vector<std::shared_ptr<StyleBase>> styles;
};
