#pragma once
// Whether a text may name a window or a screen: it must hold a visible character and no
// control characters (a line break would break the files that keep the name), and fit the
// length the files keep. A refusal comes with the text the user is shown.

#include <QString>

class WindowNameValidator
{
public:
    static constexpr int kMaxLength = 255;

    // The status of a check: id 1 refused with the text to show, 0 accepted.
    struct ParameterStatus
    {
        int id = 0;
        QString text;
    };

    static ParameterStatus IsAppropriateWindowText(const QString& text);
};
