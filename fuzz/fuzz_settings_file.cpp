// Feeds arbitrary bytes to the settings-file reader. Besides crashes and sanitizer reports it
// checks that whatever the reader takes is written back and read again to the same tree.

#include "platform/settings/Markup.h"
#include "platform/settings/Settings.h"
#include "platform/settings/SettingsFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace
{
const QString kRoot = QStringLiteral("Settings");

QString Write(const Settings& tree)
{
    Markup markup;
    markup.SetDoc(QString::fromUtf16(SettingsFile::kPrologue));
    markup.AddElem(kRoot);
    if (!tree.FillXml(markup))
        std::abort();
    return markup.GetDoc();
}

bool Read(const QString& text, Settings& tree)
{
    Markup markup;
    markup.SetDoc(text);
    return markup.FindElem(kRoot) && tree.ParseXml(markup);
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QString text;
    QString reason;
    if (!SettingsFile::DecodeText(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), text,
                                  reason))
        return 0;
    Settings tree;
    tree["before"] = 1;
    if (!Read(text, tree))
    {
        // A refused document leaves the tree as it was.
        if (tree["before"].ToInt() != 1)
            std::abort();
        return 0;
    }
    const QString written = Write(tree);
    Settings again;
    if (!Read(written, again) || Write(again) != written)
        std::abort();
    return 0;
}
