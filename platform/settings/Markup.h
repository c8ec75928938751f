#pragma once
// The XML document behind a settings file, read or written one element at a time.
// Reading accepts only what a settings file may hold (see MarkupReader): elements,
// attributes, whitespace, comments; a DTD, stray text, nesting deeper than kMaxDepth or
// any XML error fails. Writing gives compact XML (no line breaks) after the prologue given
// to SetDoc.
// Text attributes that hold characters XML cannot carry (control characters, lone
// surrogates, U+FFFE/U+FFFF) are written as UTF-16 code units in hex under the
// attribute's name with an "x" appended, so every text survives a round trip.

#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

class MarkupReader;

class Markup
{
public:
    static constexpr int kMaxDepth = 256;

    enum class Step
    {
        Child,  // entered a child element of the current one
        End,    // the current element ended; its parent is current again
        Error
    };

    Markup();
    ~Markup();
    Markup(const Markup&) = delete;
    Markup& operator=(const Markup&) = delete;

    // The whole text of a document to read, or the prologue of a document to write.
    void SetDoc(const QString& text);
    // The text written so far with every open element closed.
    QString GetDoc();

    // Reading: enters the root element; true when it bears this name.
    bool FindElem(const QString& name);
    Step Next();
    QStringView ElemName() const;
    // Attributes of the element entered last; nullopt when absent (or, for a text
    // attribute, when its hex form is malformed: HasError() then tells).
    std::optional<QString> GetAttrib(const QString& name) const;
    std::optional<QString> GetTextAttrib(const QString& name);

    // Writing: a child of the current element (the root at first), which becomes current.
    void AddElem(const QString& name);
    void AddAttrib(const QString& name, const QString& value);
    void AddTextAttrib(const QString& name, const QString& value);
    void OutOfElem();

    // Marks the document as bad; the first reason is kept.
    void Fail(const QString& reason);
    bool HasError() const { return !m_error.isEmpty(); }
    QString GetError() const { return m_error; }

private:
    Step Failed();
    void AppendEscaped(const QString& value);

    QString m_doc;
    std::unique_ptr<MarkupReader> m_reader;
    std::vector<QString> m_openElements;  // written, not yet closed
    bool m_inStartTag = false;            // attributes may still follow
    QString m_error;
};
