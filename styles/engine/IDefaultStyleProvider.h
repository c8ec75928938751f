#pragma once
// Gives the style a module's windows show when they have none of their own.

#include <memory>

class StyleBase;

class IDefaultStyleProvider
{
public:
    virtual ~IDefaultStyleProvider() = default;
    // Empty when the module has none yet.
    virtual std::shared_ptr<StyleBase> DefaultStyle() const = 0;
};
