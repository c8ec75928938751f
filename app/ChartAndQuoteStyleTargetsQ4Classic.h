#pragma once
// The standard edition's style command targets of chart windows, chart elements, formations,
// details and offers, registered with the style edit mode; and the styles the details and
// offers libraries open their new windows with, which "Zapisz w ustawieniach" replaces by the
// edited style for the rest of the session. Main thread only.

class StyleEditModeHandler;

void RegisterChartAndQuoteStyleTargets(StyleEditModeHandler& handler);
