#pragma once
// A strict pull reader for the XML of settings files, several times faster than a general
// XML reader on large files. It accepts well-formed XML made of elements and attributes,
// with whitespace, comments and processing instructions (the XML declaration among them)
// between elements, the five predefined entities and character references in attribute
// values, and normalises attribute whitespace as XML does. It refuses everything else:
// a DTD, CDATA, text, undeclared entities, characters XML does not allow, mismatched or
// unclosed tags, repeated attributes, content after the root element, and nesting deeper
// than the given limit. It never reads outside the document.

#include <QString>
#include <QStringView>

#include <vector>

class MarkupReader
{
public:
    struct Attribute
    {
        QStringView name;
        QString value;
    };

    enum class Token
    {
        Start,
        End,
        Error
    };

    // An XML name (of the Basic Multilingual Plane).
    static bool IsName(QStringView text);

    // The document must outlive the reader.
    MarkupReader(QStringView document, int maxDepth);

    // The next start or end of an element; an empty element gives both in turn. After the
    // root element's end the rest of the document has been checked.
    Token Next();
    QStringView Name() const { return m_name; }
    // Attributes of the element just started.
    const std::vector<Attribute>& Attributes() const { return m_attributes; }
    int Depth() const { return static_cast<int>(m_open.size()); }

    bool HasError() const { return !m_error.isEmpty(); }
    QString Error() const { return m_error; }

private:
    bool ReadStartTag();
    bool ReadEndTag();
    bool ReadName(QStringView& name);
    bool ReadAttributeValue(QChar quote, QString& value);
    bool ReadReference(QString& value);
    bool SkipMisc();
    bool SkipPast(QStringView terminator);
    bool SkipWhitespace();
    bool CheckRestOfDocument();
    bool Fail(const QString& reason);
    bool AtEnd() const { return m_pos == m_end; }
    bool LooksAt(QStringView text) const;

    const QChar* m_begin;
    const QChar* m_pos;
    const QChar* m_end;
    int m_maxDepth;
    std::vector<QStringView> m_open;
    QStringView m_name;
    std::vector<Attribute> m_attributes;
    bool m_pendingEnd = false;
    bool m_rootDone = false;
    QString m_error;
};
