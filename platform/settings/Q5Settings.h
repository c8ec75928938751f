#pragma once
// The tree of the next-generation export: named children with 8-bit names (UTF-8) and
// unnamed children, each with a text value. It is only written: as UTF-8 XML with the
// element scheme of SettingsFile.h, so the program's own reader can load it again.

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Markup;

class Q5Settings
{
public:
    Q5Settings();
    ~Q5Settings();
    Q5Settings(const Q5Settings&) = delete;
    Q5Settings& operator=(const Q5Settings&) = delete;

    // The child of that name, created when missing.
    Q5Settings& operator[](const char* name);
    Q5Settings& operator[](const std::string& name);
    Q5Settings& AddUnnamed();

    Q5Settings& operator=(const QString& value);
    Q5Settings& operator=(const char* value);  // UTF-8
    Q5Settings& operator=(bool value);
    Q5Settings& operator=(std::int32_t value);
    Q5Settings& operator=(std::uint32_t value);
    Q5Settings& operator=(double value);

    // Writes the tree as the root element rootName, atomically; failures are logged.
    bool SaveToFile(const QString& path, const char* rootName) const;

private:
    struct NamedChild
    {
        std::string name;
        std::unique_ptr<Q5Settings> node;
    };

    bool Fill(Markup& markup, int depth) const;

    QString m_value;
    std::vector<NamedChild> m_named;
    std::vector<std::unique_ptr<Q5Settings>> m_unnamed;
};
