#pragma once
// Registers with the style edit mode the command targets of the list windows' style kinds
// (quote table, transaction list, transactions monitor) and of a text field edited by itself.

class StyleEditModeHandler;

void RegisterListStyleCmdTargets(StyleEditModeHandler& handler);
