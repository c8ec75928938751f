#include "alerts/engine/AlertProps.h"

AlertProps::AlertProps(const AlertPropsDefaults& defaults)
    : m_onlyOnce(defaults.OnlyOnce)
    , m_synchronious(defaults.Synchronious)
    , m_sound(defaults.Sound)
    , m_mail(defaults.Mail)
    , m_window(defaults.Window)
{
}
