#pragma once
// Window, module and screen names become file and folder names in the panel folders. A name
// may hold anything the user types, so it is first turned into a stem that stays one plain
// file name: the rule leaves ordinary names as they are, so files written by earlier versions
// keep opening, and a name read back from a file is used only when it is such a stem.

#include <QString>

#include <set>

class SafeFileName
{
public:
    // Room for " (n)" and an extension within the 255 bytes a file name may have.
    static constexpr int kMaxStemBytes = 200;

    // The name itself when it is an ordinary name. Otherwise '/', '\\', ':' and control
    // characters become "%XX", the names "." and ".." have their dots as "%2E", an empty name is "_",
    // and a name longer than kMaxStemBytes (UTF-8) is cut at a character.
    static QString Stem(const QString& name);
    // Whether a name read from a file may stand as a file name as it is.
    static bool IsSafeStem(const QString& name);
    // The stem of the name, or the stem with " (n)" (the smallest n from 1) when the stem is
    // already in used; the result is added to used.
    static QString UniqueStem(const QString& name, std::set<QString>& used);

private:
    static QString Encode(const QString& name);
    static QString CutToBytes(const QString& text, int maxBytes);
};
