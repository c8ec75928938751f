#pragma once
// The registry of style kinds: for each kind its type name (the "Type" of its stored form) and
// how a new default style of it is made, and where the style of a window of that kind comes
// from when the window has none of its own. The kinds of this library are registered from the
// start; the orders sheet and the session statistics register theirs when their modules are
// made. Main thread only.

#include "platform/modules/StyleType.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class StyleBase;

class StyleKinds
{
public:
    using Creator = std::function<std::shared_ptr<StyleBase>()>;

    // False (nothing registered) when the type or the type name is taken, or the creator is empty.
    static bool Register(StyleType type, const QString& typeName, Creator creator);
    // A new default style of the kind; empty for a kind nobody registered.
    static std::shared_ptr<StyleBase> Create(StyleType type);
    static std::shared_ptr<StyleBase> Create(const QString& typeName);
    // Empty for an unknown kind.
    static QString TypeName(StyleType type);
    static std::vector<StyleType> Types();

    // The module of the kind names its windows' default style (the module's current style).
    static void SetDefaultStyleSource(StyleType type, Creator source);
    // What the source gives, else a new default style of the kind.
    static std::shared_ptr<StyleBase> DefaultStyle(StyleType type);
};
