#pragma once
// Watches the whole application for Escape: each press posts the Escape command to the main
// frame (which tells the module libraries) and the key goes on to the window that has the focus.

#include "platform/ui/WindowMessage.h"

#include <QObject>

class FrameEscapeFilter : public QObject
{
    Q_OBJECT

public:
    FrameEscapeFilter(WndHandle frame, std::uint32_t commandId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const WndHandle m_frame;
    const std::uint32_t m_commandId;
};
