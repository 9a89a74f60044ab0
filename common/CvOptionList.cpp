#include "CvOptionList.h"

#include "CvCommonMessages.h"

CvOptionList::CvOptionList(const CvIntOption *table, bool caseSensitive)
    : m_valueType(IntegerValues)
    , m_caseSensitive(caseSensitive)
{
    Append(table);
}

CvOptionList::CvOptionList(const CvTextOption *table, ValueType valueType, bool caseSensitive)
    : m_valueType(valueType)
    , m_caseSensitive(caseSensitive)
{
    Append(table);
}

void CvOptionList::Append(const CvIntOption *table)
{
    for (const CvIntOption *p = table; p && p->text; ++p) {
        Entry e;
        e.number = p->value;
        e.value = QString::number(p->value);
        e.text = QString::fromUtf8(p->text);
        m_items.append(std::move(e));
    }
}

void CvOptionList::Append(const CvTextOption *table)
{
    for (const CvTextOption *p = table; p && p->text; ++p) {
        Entry e;
        e.value = QString::fromUtf8(p->value ? p->value : "");
        e.text = QString::fromUtf8(p->text);
        bool ok = false;
        e.number = e.value.toInt(&ok);
        m_items.append(std::move(e));
    }
}

const CvOptionList::Entry &CvOptionList::Item(int k) const
{
    if (k < 0 || k >= m_items.size())
        RaiseCommon(CommonIndexOutOfRange);
    return m_items.at(k);
}

QStringList CvOptionList::Texts() const
{
    QStringList texts;
    texts.reserve(m_items.size());
    for (const Entry &e : m_items)
        texts.append(e.text);
    return texts;
}

bool CvOptionList::equal(const QString &a, const QString &b) const
{
    return a.compare(b, m_caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

bool CvOptionList::startsWith(const QString &text, const QString &prefix) const
{
    return text.size() >= prefix.size() && equal(text.left(prefix.size()), prefix);
}

int CvOptionList::IndexOfText(const QString &text) const
{
    for (int k = 0; k < m_items.size(); ++k) {
        const QString &entry = m_items.at(k).text;
        if (m_valueType == TextPrefixes ? startsWith(text, entry) : equal(text, entry))
            return k;
    }
    return -1;
}

// A decimal integer as the integer lists accept it: an optional sign and
// digits, within 32 bits.
static bool parseDecimal(const QString &text, qint32 &value)
{
    if (text.isEmpty())
        return false;
    qsizetype i = (text.front() == QLatin1Char('-') || text.front() == QLatin1Char('+')) ? 1 : 0;
    if (i == text.size())
        return false;
    for (qsizetype j = i; j < text.size(); ++j) {
        if (text.at(j) < QLatin1Char('0') || text.at(j) > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    value = text.toInt(&ok, 10);
    return ok;
}

int CvOptionList::IndexOfValue(const QString &text) const
{
    if (m_valueType == IntegerValues) {
        qint32 number = 0;
        if (text == QLatin1String("(NULL)") || !parseDecimal(text, number))
            return -1;
        for (int k = 0; k < m_items.size(); ++k) {
            if (m_items.at(k).number == number)
                return k;
        }
        return -1;
    }
    for (int k = 0; k < m_items.size(); ++k) {
        const QString &value = m_items.at(k).value;
        if (m_valueType == TextPrefixes ? startsWith(text, value) : equal(text, value))
            return k;
    }
    return -1;
}

QString CvOptionList::ValueToText(const QString &text) const
{
    const int k = IndexOfValue(text);
    if (k < 0)
        return text;
    const Entry &e = m_items.at(k);
    if (m_valueType == TextPrefixes)
        return e.text + text.mid(e.value.size());
    return e.text;
}

QString CvOptionList::TextToValue(const QString &text) const
{
    const int k = IndexOfText(text);
    if (k < 0)
        return text;
    const Entry &e = m_items.at(k);
    if (m_valueType == TextPrefixes)
        return e.value + text.mid(e.text.size());
    return e.value;
}
