#include "HelpIndex.h"

#include "HelpTopics.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace {

QString readPage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The pages the contents page links to, in order, each once.
QStringList linkedPages(const QString &contents)
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)"));
    QStringList pages;
    for (const QRegularExpressionMatch &m : href.globalMatch(contents)) {
        const QString page = m.captured(1);
        if (!pages.contains(page) && page != QLatin1String(Help::ContentsPage))
            pages.append(page);
    }
    return pages;
}

QString anchorOf(const QTextBlock &block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QStringList names = it.fragment().charFormat().anchorNames();
        if (!names.isEmpty())
            return names.first();
    }
    return {};
}

HelpIndex::Page readSections(const QString &file, const QString &html)
{
    QTextDocument doc;
    doc.setHtml(html);
    HelpIndex::Page page;
    page.file = file;
    page.title = doc.metaInformation(QTextDocument::DocumentTitle);
    HelpIndex::Section top {file, {}, page.title, {}, 0};
    page.sections.append(top);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        // Sections start at the headings below the page's own (h2 and down).
        if (block.blockFormat().headingLevel() >= 2) {
            HelpIndex::Section s {
                file, anchorOf(block), block.text().simplified(), {}, block.position()};
            page.sections.append(s);
        }
        page.sections.last().text += block.text().toLower() + QLatin1Char('\n');
    }
    return page;
}

bool holdsAll(const QString &text, const QStringList &words)
{
    return std::all_of(
        words.begin(), words.end(), [&text](const QString &w) { return text.contains(w); });
}

} // namespace

HelpIndex HelpIndex::Read(const QString &directory)
{
    HelpIndex index;
    const QDir dir(directory);
    for (const QString &file :
        linkedPages(readPage(dir.filePath(QString::fromLatin1(Help::ContentsPage))))) {
        const QString html = readPage(dir.filePath(file));
        if (!html.isEmpty())
            index.m_pages.append(readSections(file, html));
    }
    return index;
}

QStringList HelpIndex::Words(const QString &typed)
{
    static const QRegularExpression gaps(QStringLiteral("[^\\w+.-]+"));
    return typed.toLower().split(gaps, Qt::SkipEmptyParts);
}

QList<HelpIndex::Match> HelpIndex::Find(const QString &typed) const
{
    const QStringList words = Words(typed);
    // Per page: its matches, how many typed words its title holds and how
    // many of its sections hold them all; the likeliest page comes first.
    struct Found
    {
        QList<Match> matches;
        qsizetype inTitle = 0;
    };
    QList<Found> pages;
    if (words.isEmpty())
        return {};
    for (const Page &page : m_pages) {
        QString whole;
        for (const Section &s : page.sections)
            whole += s.text;
        if (!holdsAll(whole, words))
            continue;
        Found f;
        f.matches.append({page.file, page.title, 0});
        for (const Section &s : page.sections)
            if (!s.anchor.isEmpty() && holdsAll(s.text, words))
                f.matches.append({s.page + QLatin1Char('#') + s.anchor,
                    page.title + QStringLiteral(": ") + s.heading, s.position});
        const QString title = page.title.toLower();
        f.inTitle = std::count_if(
            words.begin(), words.end(), [&title](const QString &w) { return title.contains(w); });
        pages.append(f);
    }
    std::stable_sort(pages.begin(), pages.end(), [](const Found &a, const Found &b) {
        if (a.inTitle != b.inTitle)
            return a.inTitle > b.inTitle;
        return a.matches.size() > b.matches.size();
    });
    QList<Match> found;
    for (const Found &f : std::as_const(pages))
        found += f.matches;
    return found;
}
