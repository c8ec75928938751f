#pragma once
// Takes the text the user typed into an in-place editor: first asked whether the text will do,
// then handed it with whether it was accepted.

#include <QString>

class ITextReceiver
{
public:
    virtual ~ITextReceiver() = default;

    // accepted is false when the user cancelled or the text was refused.
    virtual void ReceiveText(const QString& text, bool accepted) = 0;
    // False refuses the text; the receiver tells the user why.
    virtual bool ValidateText(const QString& text) = 0;
};
