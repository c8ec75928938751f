#pragma once
// Makes the control class that a control type needs: edits, combo boxes and galleries have
// their own classes, every other type is a plain RibbonControl.

#include "platform/toolkit/RibbonControl.h"

#include <memory>

namespace RibbonControlFactory
{
std::unique_ptr<RibbonControl> Create(int type, std::uint32_t id);
// The control with the caption given, or with the id's texts from the string table when empty.
std::unique_ptr<RibbonControl> CreateCaptioned(int type, std::uint32_t id, const QString& caption);
}
