#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

// One message table: its built-in English texts and, once a catalogue file
// has been loaded, the file's texts in their place. Entry k of the table is
// line k of the catalogue; entries the file does not reach keep their
// built-in text, so a short translation never leaves a code without words.
class CvMessageTable
{
public:
    CvMessageTable(std::initializer_list<const char *> builtIn);

    // Replaces the table from a catalogue file when it holds at least one
    // non-blank line; returns whether it did. A file that cannot be read,
    // is larger than MaxCatalogueBytes or has only blank lines changes nothing.
    bool Load(const QString &fileName);

    // Parses catalogue contents as Load does; empty when no line counts.
    static QStringList ParseCatalogue(const QByteArray &contents);

    QString Text(int k) const;
    int Count() const;
    int BuiltInCount() const { return int(m_builtIn.size()); }
    void Reset() { m_loaded.clear(); }

    static constexpr qint64 MaxCatalogueBytes = 4 * 1024 * 1024;

private:
    QStringList m_builtIn;
    QStringList m_loaded;
};

// Replaces every occurrence of each "[NAME]" placeholder in a message.
QString FillPlaceholders(
    const QString &message, std::initializer_list<std::pair<const char *, QString>> values);

// Decodes text from a file written by another program: UTF-8 when it is
// valid UTF-8, else Latin-1, so no byte sequence is lost or rejected.
QString DecodeExternalText(const QByteArray &bytes);
