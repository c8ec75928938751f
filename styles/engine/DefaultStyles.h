#pragma once
// The named styles the program brings with it: a light ("Jasny") and a dark ("Czarny") style of
// every kind of this library, with fixed GUIDs, so that the themes it ships can name them and
// a user's changed copy (same GUID) replaces them when the user's styles load.

#include "platform/modules/StyleType.h"

#include <QString>
#include <QUuid>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class StyleBase;

class DefaultStyles
{
public:
    enum class Look
    {
        Light,
        Dark,
    };

    // A kind registered outside this library (StyleKinds::Register) gets its light and dark
    // default styles too; darken turns a new default style into the dark one. The module
    // names the windows that use the kind, or is empty. A kind already known is kept.
    static void AddKind(StyleType type, const QString& word, const QString& module,
                        std::function<void(StyleBase&)> darken);
    // New styles, not yet in the container (their ids are kOwnStyleId until it adds them).
    static std::vector<std::shared_ptr<StyleBase>> Create();
    static QUuid Guid(StyleType type, Look look);
    static QString Name(StyleType type, Look look);
    // The module name and the GUID of its window style, for the modules whose windows use
    // the kinds of this library.
    static std::vector<std::pair<QString, QUuid>> WindowStyles(Look look);
};
