#pragma once
// The properties a new alert starts with, as the user set them in the general settings of
// the local alerts ("once" and "synchroniously" of "generate"; "sound", "mail", "window" of
// "inform").

struct AlertPropsDefaults
{
    bool OnlyOnce = false;
    bool Synchronious = false;
    bool Sound = false;
    bool Mail = false;
    bool Window = false;
};
