#pragma once
// The main frame's function keys: each opens the window its ribbon button names ("Wykres (F2)",
// "Tabela (F3)", ...). A key runs its command only when the command's update-UI would leave the
// button enabled, as a disabled button cannot be pressed either.

#include <QKeySequence>
#include <QObject>

#include <cstdint>
#include <functional>
#include <vector>

class CmdTarget;
class QWidget;

class FrameAccelerators
{
public:
    struct Accelerator
    {
        Qt::Key key;
        std::uint32_t commandId;
    };

    static const std::vector<Accelerator>& Table();
    // Whether the frame would run the command now.
    static bool IsCommandEnabled(CmdTarget& frame, std::uint32_t commandId);
    // Shortcuts on the frame; run posts the command to it.
    static void Install(QWidget& frame, CmdTarget& target, const std::function<void(std::uint32_t)>& run);
};
