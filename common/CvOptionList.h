#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Static option tables: arrays of {value, text} pairs ended by {0, nullptr}.
struct CvIntOption
{
    qint32 value;
    const char *text;
};

struct CvTextOption
{
    const char *value;
    const char *text;
};

// The value and display-text pairs of one enumerated object, converting in
// both directions. Texts that match no entry pass through unchanged.
class CvOptionList
{
public:
    enum ValueType : quint32 { IntegerValues = 1, TextValues = 2, TextPrefixes = 3 };

    struct Entry
    {
        qint32 number = 0; // the value of an integer list
        QString value; // the value as text (decimal for integer lists)
        QString text; // the display text
    };

    CvOptionList(const CvIntOption *table, bool caseSensitive = false);
    CvOptionList(const CvTextOption *table, ValueType valueType, bool caseSensitive = false);

    void Append(const CvIntOption *table);
    void Append(const CvTextOption *table);

    ValueType valueType() const { return m_valueType; }
    bool caseSensitive() const { return m_caseSensitive; }

    int Count() const { return int(m_items.size()); }
    const Entry &Item(int k) const; // throws CvException -12 when k is out of range
    QStringList Texts() const;

    int IndexOfText(const QString &text) const;
    int IndexOfValue(const QString &text) const;
    QString ValueToText(const QString &text) const;
    QString TextToValue(const QString &text) const;

private:
    bool equal(const QString &a, const QString &b) const;
    bool startsWith(const QString &text, const QString &prefix) const;

    ValueType m_valueType;
    bool m_caseSensitive;
    QList<Entry> m_items;
};
