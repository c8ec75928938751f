#pragma once
// The document of a panel: it holds nothing but the panel's title, which its screen's tab
// shows and the user renames.

#include "platform/ui/Document.h"

class PanelDoc : public Document
{
    Q_OBJECT
};
