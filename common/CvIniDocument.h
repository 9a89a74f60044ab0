#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A profile file in memory, read with the usual rules: "[section]" lines,
// "key=value" lines under them, ';' comment lines; section and key names
// match without regard to case, the first match wins, names and values are
// trimmed. Used by the profile reader and by the settings store.
class CvIniDocument
{
public:
    // Files above this size, or holding a NUL byte, read as empty.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;

    static CvIniDocument Parse(const QByteArray &contents);
    static CvIniDocument ReadFile(const QString &fileName);

    bool HasSection(const QString &section) const;
    std::optional<QString> Value(const QString &section, const QString &key) const;

    void AddSection(const QString &section);
    void SetValue(const QString &section, const QString &key, const QString &value);

    QByteArray Serialize() const;

private:
    struct Entry
    {
        QString key;
        QString value;
    };
    struct Section
    {
        QString name;
        QList<Entry> entries;
    };
    Section *find(const QString &section);
    const Section *find(const QString &section) const;

    QList<Section> m_sections;
};

// The profile reader of start-up: stores the file name only, every read
// goes to the file.
class CvIni
{
public:
    explicit CvIni(QString fileName)
        : m_fileName(std::move(fileName))
    {
    }

    // The key's value with surrounding blanks and control characters
    // removed, at most 4095 characters as read; def when the key is absent
    // or empty (or the file is missing, empty, binary or too large).
    QString ReadString(const QString &section, const QString &key, const QString &def) const;

    const QString &fileName() const { return m_fileName; }

private:
    QString m_fileName;
};
