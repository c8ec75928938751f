#pragma once
// The named styles the program brings with it: a light ("Jasny") and a dark ("Czarny") style of
// every kind of this library, with fixed GUIDs, so that the themes it ships can name them and
// a user's changed copy (same GUID) replaces them when the user's styles load.

#include "styles/engine/StyleType.h"

#include <QString>
#include <QUuid>

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

    // New styles, not yet in the container (their ids are kOwnStyleId until it adds them).
    static std::vector<std::shared_ptr<StyleBase>> Create();
    static QUuid Guid(StyleType type, Look look);
    static QString Name(StyleType type, Look look);
    // The module name and the GUID of its window style, for the modules whose windows use
    // the kinds of this library.
    static std::vector<std::pair<QString, QUuid>> WindowStyles(Look look);
};
