#include "CvMessageTable.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

CvMessageTable::CvMessageTable(std::initializer_list<const char *> builtIn)
{
    m_builtIn.reserve(qsizetype(builtIn.size()));
    for (const char *text : builtIn)
        m_builtIn.append(QString::fromUtf8(text));
}

static bool isBlankOrControl(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control;
}

static bool isBlankLine(const QString &line)
{
    for (QChar c : line) {
        if (!isBlankOrControl(c))
            return false;
    }
    return true;
}

QStringList CvMessageTable::ParseCatalogue(const QByteArray &contents)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < contents.size()) {
        qsizetype end = contents.indexOf('\n', start);
        if (end < 0)
            end = contents.size();
        QByteArray raw = contents.mid(start, end - start);
        start = end + 1;
        if (raw.endsWith('\r'))
            raw.chop(1);
        QString line = DecodeExternalText(raw);
        if (!isBlankLine(line))
            lines.append(line);
    }
    return lines;
}

bool CvMessageTable::Load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxCatalogueBytes)
        return false;
    const QByteArray contents = file.read(MaxCatalogueBytes + 1);
    if (contents.size() > MaxCatalogueBytes)
        return false;
    QStringList lines = ParseCatalogue(contents);
    if (lines.isEmpty())
        return false;
    m_loaded = std::move(lines);
    return true;
}

QString CvMessageTable::Text(int k) const
{
    if (k < 0)
        return {};
    if (k < m_loaded.size())
        return m_loaded.at(k);
    if (k < m_builtIn.size())
        return m_builtIn.at(k);
    return {};
}

int CvMessageTable::Count() const
{
    return int(std::max(m_loaded.size(), m_builtIn.size()));
}

QString FillPlaceholders(
    const QString &message, std::initializer_list<std::pair<const char *, QString>> values)
{
    // One pass, so a value that itself looks like a placeholder stays as it is.
    QString out;
    out.reserve(message.size());
    qsizetype i = 0;
    while (i < message.size()) {
        const qsizetype open = message.indexOf(QLatin1Char('['), i);
        const qsizetype close = open < 0 ? -1 : message.indexOf(QLatin1Char(']'), open + 1);
        if (close < 0) {
            out += QStringView(message).mid(i);
            break;
        }
        out += QStringView(message).mid(i, open - i);
        const QStringView name = QStringView(message).mid(open + 1, close - open - 1);
        const auto found = std::find_if(values.begin(), values.end(),
            [&](const auto &v) { return name == QLatin1String(v.first); });
        if (found != values.end()) {
            out += found->second;
            i = close + 1;
        } else {
            out += QLatin1Char('[');
            i = open + 1;
        }
    }
    return out;
}

QString DecodeExternalText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}
