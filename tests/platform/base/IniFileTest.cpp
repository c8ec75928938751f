#include "platform/base/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>

namespace
{
QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

const char kSample[] =
    "; ustawienia pośrednika\n"
    "bez sekcji=1\n"
    "\n"
    "[Proxy]\n"
    "  UseProxyServer = 1 \n"
    "IP=\"10.0.0.1\"\n"
    "# Port=99\n"
    "Port=8080abc\n"
    "ujemny=-42\n"
    "duży=99999999999\n"
    "pusty=\n"
    "Port=1\n"
    "\n"
    "[Inne]\n"
    "Użytkownik='Łukasz'\n"
    "[proxy]\n"
    "Dalszy=2\n";

class IniFileTest : public ::testing::Test
{
protected:
    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};
}

TEST_F(IniFileTest, ReadsLikeTheProfileFunctions)
{
    WriteAll(PathOf(QStringLiteral("a.ini")), kSample);
    const IniFile ini(PathOf(QStringLiteral("a.ini")));
    const IniFile missing(PathOf(QStringLiteral("brak.ini")));

    struct Case
    {
        const IniFile& file;
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {ini, "proxy", "useproxyserver", "1"},      // case-insensitive, trimmed
        {ini, "Proxy", "IP", "10.0.0.1"},           // quotes removed
        {ini, "Inne", "UŻYTKOWNIK", "Łukasz"},
        {ini, "Proxy", "Port", "8080abc"},          // first of two keys; the comment is no key
        {ini, "Proxy", "pusty", ""},
        {ini, "Proxy", "Dalszy", "domyślna"},       // only the first section of a name counts
        {ini, "Proxy", "bez sekcji", "domyślna"},
        {ini, "Brak", "IP", "domyślna"},
        {missing, "Proxy", "IP", "domyślna"},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(std::string(test.section) + "/" + test.key);
        EXPECT_EQ(test.file.ReadString(QString::fromUtf8(test.section), QString::fromUtf8(test.key), QStringLiteral("domyślna")),
                  QString::fromUtf8(test.expected));
    }

    EXPECT_EQ(ini.ReadInt(QStringLiteral("Proxy"), QStringLiteral("Port"), 7), 8080);
    EXPECT_EQ(ini.ReadInt(QStringLiteral("Proxy"), QStringLiteral("ujemny"), 7), -42);
    EXPECT_EQ(ini.ReadInt(QStringLiteral("Proxy"), QStringLiteral("duży"), 7), INT_MAX);
    EXPECT_EQ(ini.ReadInt(QStringLiteral("Proxy"), QStringLiteral("IP"), 7), 10);
    EXPECT_EQ(ini.ReadInt(QStringLiteral("Proxy"), QStringLiteral("pusty"), 7), 0);
    EXPECT_EQ(ini.ReadInt(QStringLiteral("Inne"), QStringLiteral("Użytkownik"), 7), 0);
    EXPECT_EQ(ini.ReadInt(QStringLiteral("Proxy"), QStringLiteral("brak"), 7), 7);
    EXPECT_EQ(missing.ReadInt(QStringLiteral("Proxy"), QStringLiteral("Port"), 7), 7);
}

TEST_F(IniFileTest, WritesChangeOnlyTheirKeyAndKeepEverythingElse)
{
    for (const QByteArray& lineEnd : {QByteArray("\n"), QByteArray("\r\n")})
    {
        SCOPED_TRACE(lineEnd == "\n" ? "LF" : "CRLF");
        const QString path = PathOf(QStringLiteral("b.ini"));
        WriteAll(path, QByteArray(kSample).replace("\n", lineEnd));
        IniFile ini(path);
        ASSERT_TRUE(ini.WriteString(QStringLiteral("PROXY"), QStringLiteral("useproxyserver"), QStringLiteral("0")));
        ASSERT_TRUE(ini.WriteString(QStringLiteral("Proxy"), QStringLiteral("User"), QStringLiteral("jan")));
        ASSERT_TRUE(ini.WriteString(QStringLiteral("Nowa"), QStringLiteral("Klucz"), QStringLiteral("zażółć")));
        ASSERT_TRUE(ini.WriteString(QStringLiteral("Nowa"), QStringLiteral("Drugi"), QString()));

        const QByteArray expected = QByteArray(
            "; ustawienia pośrednika\n"
            "bez sekcji=1\n"
            "\n"
            "[Proxy]\n"
            "  UseProxyServer =0\n"
            "IP=\"10.0.0.1\"\n"
            "# Port=99\n"
            "Port=8080abc\n"
            "ujemny=-42\n"
            "duży=99999999999\n"
            "pusty=\n"
            "Port=1\n"
            "User=jan\n"
            "\n"
            "[Inne]\n"
            "Użytkownik='Łukasz'\n"
            "[proxy]\n"
            "Dalszy=2\n"
            "\n"
            "[Nowa]\n"
            "Klucz=zażółć\n"
            "Drugi=\n").replace("\n", lineEnd);
        EXPECT_EQ(ReadAll(path), expected);
        EXPECT_EQ(ini.ReadString(QStringLiteral("nowa"), QStringLiteral("klucz")), QStringLiteral("zażółć"));
    }
}

TEST_F(IniFileTest, CreatesAMissingFileInUtf8AndReadsUtf16)
{
    IniFile created(PathOf(QStringLiteral("nowy/UpdaterProxySettings.ini")));
    ASSERT_TRUE(created.WriteString(QStringLiteral("Proxy"), QStringLiteral("UseProxyServer"), QStringLiteral("0")));
    ASSERT_TRUE(created.WriteString(QStringLiteral("Proxy"), QStringLiteral("IP"), QString()));
    EXPECT_EQ(ReadAll(created.Path()), QByteArray("[Proxy]\nUseProxyServer=0\nIP=\n"));

    const QString utf16Path = PathOf(QStringLiteral("utf16.ini"));
    const QString text = QStringLiteral("[Sekcja]\r\nNazwa=Gęś\r\n");
    for (const bool withBom : {true, false})
    {
        SCOPED_TRACE(withBom ? "with BOM" : "without BOM");
        QByteArray bytes = withBom ? QByteArray("\xFF\xFE") : QByteArray();
        bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        WriteAll(utf16Path, bytes);
        IniFile utf16(utf16Path);
        EXPECT_EQ(utf16.ReadString(QStringLiteral("sekcja"), QStringLiteral("nazwa")), QStringLiteral("Gęś"));
        EXPECT_EQ(utf16.ReadLines(), (QStringList{QStringLiteral("[Sekcja]"), QStringLiteral("Nazwa=Gęś")}));
        ASSERT_TRUE(utf16.WriteString(QStringLiteral("Sekcja"), QStringLiteral("Inny"), QStringLiteral("ź")));
        EXPECT_EQ(ReadAll(utf16Path), QByteArray("[Sekcja]\r\nNazwa=Gęś\r\nInny=ź\r\n"));
    }

    const QString bomPath = PathOf(QStringLiteral("bom.ini"));
    WriteAll(bomPath, "\xEF\xBB\xBF[S]\nk=1");
    ASSERT_TRUE(IniFile(bomPath).WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("2")));
    EXPECT_EQ(ReadAll(bomPath), QByteArray("\xEF\xBB\xBF[S]\nk=2"));
}

TEST_F(IniFileTest, RefusesWritesThatWouldDamageTheFile)
{
    const QString path = PathOf(QStringLiteral("c.ini"));
    WriteAll(path, kSample);
    IniFile ini(path);
    struct Case
    {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case refused[] = {
        {"", "k", "v"}, {"S", "", "v"}, {"S", "  ", "v"}, {"S]x", "k", "v"}, {"S\nT", "k", "v"},
        {"S", "a=b", "v"}, {"S", "k\rx", "v"}, {"S", "[k", "v"}, {"S", ";k", "v"}, {"S", "k", "jeden\ndwa"},
    };
    for (const Case& test : refused)
        EXPECT_FALSE(ini.WriteString(QString::fromUtf8(test.section), QString::fromUtf8(test.key), QString::fromUtf8(test.value)))
            << test.section << "/" << test.key;
    EXPECT_EQ(ReadAll(path), QByteArray(kSample));

    const QString broken = PathOf(QStringLiteral("zepsuty.ini"));
    WriteAll(broken, "[S]\nk=\xFF\xFE\xFD\x80\n");
    EXPECT_FALSE(IniFile(broken).WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_EQ(ReadAll(broken), QByteArray("[S]\nk=\xFF\xFE\xFD\x80\n"));

    WriteAll(PathOf(QStringLiteral("plik")), "x");
    EXPECT_FALSE(IniFile(PathOf(QStringLiteral("plik/d.ini"))).WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
}

TEST_F(IniFileTest, SeveralKeysAreWrittenTogetherOrNoneIs)
{
    const QString path = PathOf(QStringLiteral("d.ini"));
    WriteAll(path, "; notes\n[Proxy]\nIP=1.1.1.1\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteStrings(QStringLiteral("Proxy"), {{QStringLiteral("IP"), QStringLiteral("10.0.0.2")},
                                                          {QStringLiteral("Port"), QStringLiteral("8080")}}));
    EXPECT_EQ(ReadAll(path), QByteArray("; notes\n[Proxy]\nIP=10.0.0.2\nPort=8080\n"));

    // One key that would break the file refuses the others with it.
    EXPECT_FALSE(ini.WriteStrings(QStringLiteral("Proxy"), {{QStringLiteral("IP"), QStringLiteral("10.0.0.3")},
                                                           {QStringLiteral("a=b"), QStringLiteral("v")}}));
    EXPECT_EQ(ReadAll(path), QByteArray("; notes\n[Proxy]\nIP=10.0.0.2\nPort=8080\n"));
}
