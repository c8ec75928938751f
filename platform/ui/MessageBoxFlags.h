#pragma once
// Message-box style flags and answers with the system's own numbers: the buttons in the low
// four bits, the icon in the next four, the default button above them.

#include <cstdint>

inline constexpr std::uint32_t MB_OK = 0x0;
inline constexpr std::uint32_t MB_OKCANCEL = 0x1;
inline constexpr std::uint32_t MB_ABORTRETRYIGNORE = 0x2;
inline constexpr std::uint32_t MB_YESNOCANCEL = 0x3;
inline constexpr std::uint32_t MB_YESNO = 0x4;
inline constexpr std::uint32_t MB_RETRYCANCEL = 0x5;
inline constexpr std::uint32_t MB_TYPEMASK = 0xF;

inline constexpr std::uint32_t MB_ICONERROR = 0x10;
inline constexpr std::uint32_t MB_ICONQUESTION = 0x20;
inline constexpr std::uint32_t MB_ICONWARNING = 0x30;
inline constexpr std::uint32_t MB_ICONINFORMATION = 0x40;
inline constexpr std::uint32_t MB_ICONMASK = 0xF0;

inline constexpr std::uint32_t MB_DEFBUTTON1 = 0x000;
inline constexpr std::uint32_t MB_DEFBUTTON2 = 0x100;
inline constexpr std::uint32_t MB_DEFBUTTON3 = 0x200;
inline constexpr std::uint32_t MB_DEFMASK = 0xF00;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
