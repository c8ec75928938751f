#pragma once
// The settings file format of every Settings tree (the export tree Q5Settings writes the
// same elements as UTF-8 text).
//
// A file is UTF-16LE text without a byte-order mark and without a terminating zero:
//   <?xml version="1.0"?> CR LF, then one root element (named "Settings" for the settings
//   store, or the name the caller gives, such as "LastSession" or "Globals").
// The root element stands for the saved node itself; each child is an element
//   <n k="name" .../>  a named child (the name is an attribute value, so it may start with
//                      a digit and hold spaces, quotes or any letter), or
//   <u .../>           an unnamed child; unnamed children keep their order.
// Attributes of a node, each left out when empty or 0:
//   v    the value text          ver  the state version (unsigned decimal)
//   t    the EVariableTypes code d    the caption shown in the settings dialog
// A text attribute holding characters XML cannot carry is written hex-encoded as "kx",
// "vx" or "dx" (see Markup.h). Reading also accepts a byte-order mark and UTF-8 text, stops
// at the first zero code unit, and refuses anything else: what MarkupReader refuses,
// unknown elements, a named child without a name, two children of one name, bad numbers.

#include <QByteArray>
#include <QString>

namespace SettingsFile
{
inline constexpr char16_t kPrologue[] = u"<?xml version=\"1.0\"?>\r\n";
inline constexpr qint64 kMaxFileSize = 512LL * 1024 * 1024;

enum class ReadStatus
{
    Ok,
    Missing,
    Unreadable
};

// The file's text; on Unreadable, reason tells why (cannot open, too big, not a text).
ReadStatus ReadText(const QString& path, QString& text, QString& reason);
// The text of a file's bytes; false with the reason when they are no text of a settings file.
bool DecodeText(const QByteArray& bytes, QString& text, QString& reason);
QByteArray ToUtf16Le(const QString& text);
}
