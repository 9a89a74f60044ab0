#include "CvIniDocument.h"

#include "CvMessageTable.h"

#include <QFile>

namespace {
bool isBlankOrControl(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control;
}

QString trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text.at(begin)))
        ++begin;
    while (end > begin && isBlankOrControl(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin).toString();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

CvIniDocument CvIniDocument::Parse(const QByteArray &contents)
{
    CvIniDocument doc;
    if (contents.contains('\0'))
        return doc;
    const QString text = DecodeExternalText(contents);
    Section *current = nullptr;
    for (QStringView raw : QStringView(text).split(QLatin1Char('\n'))) {
        const QString line = trimmed(raw);
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        // A section line needs its ']'; without one the line is an ordinary
        // line of the section before.
        const qsizetype close
            = line.startsWith(QLatin1Char('[')) ? line.lastIndexOf(QLatin1Char(']')) : -1;
        if (close > 0) {
            const QString name = trimmed(QStringView(line).mid(1, close - 1));
            // A repeated section continues the first one; its keys come after
            // the first one's, so the first match still wins.
            current = doc.find(name);
            if (!current) {
                doc.m_sections.append(Section {name, {}});
                current = &doc.m_sections.last();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!current || eq < 0)
            continue;
        current->entries.append(
            Entry {trimmed(QStringView(line).left(eq)), trimmed(QStringView(line).mid(eq + 1))});
    }
    return doc;
}

CvIniDocument CvIniDocument::ReadFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes)
        return {};
    const QByteArray contents = file.read(MaxFileBytes + 1);
    if (contents.size() > MaxFileBytes)
        return {};
    return Parse(contents);
}

CvIniDocument::Section *CvIniDocument::find(const QString &section)
{
    for (Section &s : m_sections) {
        if (sameName(s.name, section))
            return &s;
    }
    return nullptr;
}

const CvIniDocument::Section *CvIniDocument::find(const QString &section) const
{
    return const_cast<CvIniDocument *>(this)->find(section);
}

bool CvIniDocument::HasSection(const QString &section) const
{
    return find(section) != nullptr;
}

std::optional<QString> CvIniDocument::Value(const QString &section, const QString &key) const
{
    const Section *s = find(section);
    if (!s)
        return std::nullopt;
    for (const Entry &e : s->entries) {
        if (sameName(e.key, key))
            return e.value;
    }
    return std::nullopt;
}

void CvIniDocument::AddSection(const QString &section)
{
    if (!find(section))
        m_sections.append(Section {section, {}});
}

void CvIniDocument::SetValue(const QString &section, const QString &key, const QString &value)
{
    AddSection(section);
    Section *s = find(section);
    for (Entry &e : s->entries) {
        if (sameName(e.key, key)) {
            e.value = value;
            return;
        }
    }
    s->entries.append(Entry {key, value});
}

QByteArray CvIniDocument::Serialize() const
{
    QString out;
    for (const Section &s : m_sections) {
        out += QLatin1Char('[') + s.name + QLatin1String("]\n");
        for (const Entry &e : s.entries)
            out += e.key + QLatin1Char('=') + e.value + QLatin1Char('\n');
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
}

QString CvIni::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const std::optional<QString> value = CvIniDocument::ReadFile(m_fileName).Value(section, key);
    if (!value || value->isEmpty())
        return def;
    // The platform reader fills a buffer of 4096 characters.
    return trimmed(QStringView(*value).left(4095));
}
