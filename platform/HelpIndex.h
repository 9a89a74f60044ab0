#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The help pages read for the contents list and the search: every page the
// contents page links to, in that order, cut into sections at its headings.
class HelpIndex
{
public:
    struct Section
    {
        QString page; // file name in the help folder, "vlans.html"
        QString anchor; // the heading's id; empty for the text above the first heading
        QString heading; // the heading's text, or the page title for the top
        QString text; // lower-case plain text, heading included
        int position = 0; // where the section starts in the page's document
    };

    struct Page
    {
        QString file;
        QString title;
        QList<Section> sections;
    };

    // One place the search found the words: a page, or a section of it.
    struct Match
    {
        QString page; // "vlans.html", or "vlans.html#static"
        QString caption; // "VLANs" or "VLANs: Static Table"
        int position = 0; // in the page's document
    };

    // Reads the pages of a help folder; a page that cannot be read is left out.
    static HelpIndex Read(const QString &directory);

    const QList<Page> &Pages() const { return m_pages; }
    // Every page that holds all the words typed, each followed by its
    // sections that hold them all: first the pages whose titles hold more of
    // the words, then those with more such sections, then in contents order.
    // Nothing for text without a word.
    QList<Match> Find(const QString &typed) const;
    // The words of a typed text as the search takes them.
    static QStringList Words(const QString &typed);

private:
    QList<Page> m_pages;
};
