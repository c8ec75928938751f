#pragma once
// The style edit mode's command target for a transaction list's style: grid lines and their
// pen, the colouring mode, and six text-field styles (odd, even, two of rises, two of falls).
// "Zapisz w ustawieniach" makes the edited style the transaction list module's default; it is
// offered only for a style the styles container keeps. Main thread only.

#include "styles/ui/CmdTargetEditGridStyleBase.h"

#include <functional>

class CmdTargetEditTransactionsStyle : public CmdTargetEditGridStyleBase
{
public:
    // Makes the style of the id the transaction list module's default; false when it cannot.
    using SaveAsDefault = std::function<bool(int styleId)>;

    CmdTargetEditTransactionsStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                                   SaveAsDefault saveAsDefault);
};
