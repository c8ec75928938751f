#pragma once
// What a style gallery shows besides the styles of its kind: the automatic style first, an
// optional second one, which style is checked, whether it offers the plain item (flag), and the
// background to preview the styles on. The command target that answers the gallery keeps it.

#include "platform/base/ColorRef.h"

#include <memory>

class StyleBase;

struct SpecialStylesInfo
{
    std::shared_ptr<StyleBase> firstStyle;
    std::shared_ptr<StyleBase> secondStyle;
    int checkedStyleId = 0;
    int flag = 0;
    ColorRef background;
};
