#pragma once
// The kinds of value a settings node holds, as the general settings dialog shows them.
// The codes are stored in settings files; a code without a name here (2, 12, 13, 18 or
// one above 21) is kept as it is and gets no row in the dialog.

enum EVariableTypes : int
{
    VariableContainer = 0,
    VariableColor = 1,
    VariableSize = 3,
    VariableNumber = 4,
    VariableLimitedNumber = 5,
    VariableDouble = 6,
    VariableBool = 7,
    VariableText = 8,
    VariableReadOnlyText = 9,
    VariableInactiveText = 10,
    VariableFilePath = 11,
    VariableDateTime = 14,
    VariableDate = 15,
    VariableFont = 16,
    VariablePen = 17,
    VariableOptionList = 19,
    VariableStyle = 20,
    VariablePassword = 21
};
