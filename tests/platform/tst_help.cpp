#include "HelpIndex.h"
#include "HelpTopics.h"
#include "HelpWindow.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

namespace {

QString helpFolder()
{
    return qEnvironmentVariable("TRV_SOURCE_DIR") + QStringLiteral("/docs/help");
}

// The file that leads from the program's directory to the pages.
QString helpFile()
{
    return qEnvironmentVariable("TRV_SOURCE_DIR") + QStringLiteral("/docs/trv8170ql.hlp");
}

QString contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// A page as the help window's browser reads it: its anchors and links.
struct PageLinks
{
    QSet<QString> anchors;
    QStringList hrefs;
};

PageLinks linksOf(const QString &path)
{
    QTextDocument doc;
    doc.setHtml(contents(path));
    PageLinks page;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (const QString &name : f.anchorNames())
                page.anchors.insert(name);
            if (f.isAnchor() && !f.anchorHref().isEmpty() && !page.hrefs.contains(f.anchorHref()))
                page.hrefs.append(f.anchorHref());
        }
    return page;
}

// Why "page#anchor", relative to the folder of from, does not resolve;
// empty when it does.
QString unresolved(const QString &from, const QString &target)
{
    const QUrl url(target);
    if (!url.scheme().isEmpty() || target.startsWith(QLatin1Char('/')))
        return QStringLiteral("leaves the help: ") + target;
    const QString file = url.path().isEmpty() ? from : QFileInfo(from).dir().filePath(url.path());
    if (!QFileInfo(file).isFile())
        return QStringLiteral("no page ") + target;
    if (url.hasFragment() && !linksOf(file).anchors.contains(url.fragment()))
        return QStringLiteral("no anchor ") + target;
    return {};
}

} // namespace

class TstHelp : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyLinkResolves_data();
    void everyLinkResolves();
    void everyPageIsInTheContents();
    void topicsNameExistingPages();
    void searchListsWhatHoldsAllWords_data();
    void searchListsWhatHoldsAllWords();
    void windowFollowsLinksAndHistory();
    void searchFieldOpensTheMatch();
};

void TstHelp::cleanup()
{
    delete HelpWindow::Instance();
}

void TstHelp::everyLinkResolves_data()
{
    QTest::addColumn<QString>("path");
    const QDir dir(helpFolder());
    const QStringList pages = dir.entryList({"*.html"}, QDir::Files);
    QVERIFY(pages.contains(QString::fromLatin1(Help::ContentsPage)));
    for (const QString &page : pages)
        QTest::newRow(qPrintable(page)) << dir.filePath(page);
    QTest::newRow("trv8170ql.hlp") << helpFile();
}

// Links, anchors and what a page may hold: plain HTML of its own, nothing
// fetched from elsewhere, nothing that runs, and no word of programs that
// are not there.
void TstHelp::everyLinkResolves()
{
    QFETCH(QString, path);
    const QString html = contents(path);
    QVERIFY2(!html.isEmpty(), qPrintable(path));
    QVERIFY(html.contains(QLatin1String("<meta charset=\"utf-8\">")));
    QVERIFY(
        QString::fromUtf8(html.toUtf8()) == html && !html.contains(QChar::ReplacementCharacter));
    static const QRegularExpression fetched(
        QStringLiteral("<script|<img|<link|<iframe|\\ssrc=|style="),
        QRegularExpression::CaseInsensitiveOption);
    QVERIFY2(!fetched.match(html).hasMatch(), qPrintable(fetched.match(html).captured()));
    for (const char *absent : {"host application", "MIB browser", "MIB-browser"})
        QVERIFY2(!html.contains(QLatin1String(absent), Qt::CaseInsensitive), absent);

    const PageLinks links = linksOf(path);
    for (const QString &href : links.hrefs)
        QVERIFY2(unresolved(path, href).isEmpty(), qPrintable(unresolved(path, href)));
}

void TstHelp::everyPageIsInTheContents()
{
    const HelpIndex index = HelpIndex::Read(helpFolder());
    QStringList listed;
    for (const HelpIndex::Page &page : index.Pages()) {
        listed.append(page.file);
        QVERIFY2(!page.title.isEmpty(), qPrintable(page.file));
    }
    QStringList files = QDir(helpFolder()).entryList({"*.html"}, QDir::Files);
    files.removeOne(QString::fromLatin1(Help::ContentsPage));
    listed.sort();
    QCOMPARE(listed, files);
}

void TstHelp::topicsNameExistingPages()
{
    const QString contentsPage = QDir(helpFolder()).filePath(Help::ContentsPage);
    QSet<QString> keys;
    for (std::size_t k = 0; k < HelpTopicCount; ++k) {
        const HelpTopic &topic = HelpTopicTable[k];
        QVERIFY2(!keys.contains(topic.key), topic.key);
        keys.insert(topic.key);
        const QString why = unresolved(contentsPage, QString::fromLatin1(topic.page));
        QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(topic.key, why)));
    }
    // The most specific key of a window wins; none names the contents.
    QCOMPARE(Help::PageFor({"SNMP V3 > View-base Access Control Mode > Access Table",
                 "SNMP V3 > View-base Access Control Mode", "SNMP V3", "TConfigForm"}),
        QString("snmpv3.html#access"));
    QCOMPARE(Help::PageFor({"QDialog", "QWidget"}), QString(Help::ContentsPage));
    QCOMPARE(Help::MenuPathKeys("VLAN > 802.1P > GARP"),
        (QStringList {"VLAN > 802.1P > GARP", "VLAN > 802.1P", "VLAN"}));
}

void TstHelp::searchListsWhatHoldsAllWords_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("listed"); // a page or section that must be listed
    QTest::addColumn<QString>("unlisted"); // one that must not
    QTest::newRow("one word, its page") << "mirroring"
                                        << "mirroring.html"
                                        << "codes.html";
    QTest::newRow("words of one section") << "forbidden untagged"
                                          << "vlans.html#static"
                                          << "vlans.html#current";
    QTest::newRow("any case, stray blanks") << "  GVRP  "
                                            << "vlans.html"
                                            << "acl.html";
    QTest::newRow("words on two pages only apart") << "lacp usmStatsWrongDigests"
                                                   << ""
                                                   << "ports.html";
    QTest::newRow("a word nowhere") << "quetzalcoatl"
                                    << ""
                                    << "index.html";
    QTest::newRow("nothing typed") << "   "
                                   << ""
                                   << "start.html";
}

void TstHelp::searchListsWhatHoldsAllWords()
{
    QFETCH(QString, typed);
    QFETCH(QString, listed);
    QFETCH(QString, unlisted);
    const HelpIndex index = HelpIndex::Read(helpFolder());
    QVERIFY(index.Pages().size() > 10);
    QStringList found;
    for (const HelpIndex::Match &m : index.Find(typed))
        found.append(m.page);
    if (listed.isEmpty())
        QCOMPARE(found, QStringList());
    else
        QVERIFY2(found.contains(listed), qPrintable(found.join(' ')));
    QVERIFY2(!found.contains(unlisted), qPrintable(found.join(' ')));
    // A section is listed under its page.
    for (const QString &page : found)
        if (page.contains('#'))
            QVERIFY(found.contains(page.section('#', 0, 0)));
}

// Links between pages work in the window, and Back and Forward go through
// the pages seen.
void TstHelp::windowFollowsLinksAndHistory()
{
    HelpWindow::SetPagesDirectory(helpFolder());
    HelpWindow *help = HelpWindow::Show(nullptr, "vlans.html#priority");
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->CurrentPage(), QString("vlans.html#priority"));
    auto *browser = help->findChild<QTextBrowser *>("HelpBrowser");
    auto *back = help->findChild<QToolButton *>("HelpBack");
    auto *forward = help->findChild<QToolButton *>("HelpForward");
    QVERIFY(browser && back && forward);
    QVERIFY(browser->verticalScrollBar()->value() > 0); // at the section, not the top

    // The first link of a page, followed by keyboard as an operator would,
    // leads to a section of another page.
    help->OpenPage("mirroring.html");
    QVERIFY(QTest::qWaitForWindowActive(help));
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QCOMPARE(browser->textCursor().selectedText(), QString("the port grid"));
    QTest::keyClick(browser, Qt::Key_Return);
    QCOMPARE(help->CurrentPage(), QString("vlans.html#port-grid"));
    QVERIFY(browser->verticalScrollBar()->value() > 0);
    // The contents list marks the section shown, its page opened.
    auto *contentsList = help->findChild<QTreeWidget *>("HelpContents");
    QVERIFY(contentsList && contentsList->currentItem());
    QCOMPARE(contentsList->currentItem()->text(0), QString("The port grid"));
    QVERIFY(contentsList->currentItem()->parent()->isExpanded());
    QVERIFY(back->isEnabled());
    back->click();
    QCOMPARE(help->CurrentPage(), QString("mirroring.html"));
    QCOMPARE(contentsList->currentItem()->text(0), QString("Port mirroring"));
    QVERIFY(forward->isEnabled());
    forward->click();
    QCOMPARE(help->CurrentPage(), QString("vlans.html#port-grid"));
    help->findChild<QToolButton *>("HelpHome")->click();
    QCOMPARE(help->CurrentPage(), QString(Help::ContentsPage));

    // Asked for again, the one window shows the page asked for.
    QCOMPARE(HelpWindow::Show(nullptr, "acl.html#rules"), help);
    QCOMPARE(help->CurrentPage(), QString("acl.html#rules"));
}

void TstHelp::searchFieldOpensTheMatch()
{
    HelpWindow::SetPagesDirectory(helpFolder());
    HelpWindow *help = HelpWindow::Show(nullptr);
    auto *field = help->findChild<QLineEdit *>("HelpSearch");
    auto *results = help->findChild<QListWidget *>("HelpResults");
    auto *nothing = help->findChild<QLabel *>("HelpNothingFound");
    QVERIFY(field && results && nothing);
    QVERIFY(!field->accessibleName().isEmpty());

    QTest::keyClicks(field, "quetzalcoatl");
    QCOMPARE(results->count(), 0);
    QVERIFY(nothing->isVisible() && !results->isVisible());

    field->clear();
    QTest::keyClicks(field, "mirroring status");
    QVERIFY(results->isVisible() && !nothing->isVisible());
    QCOMPARE(results->item(0)->text(), QString("Port mirroring"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(help->CurrentPage(), QString("mirroring.html"));
    // The first word found is selected in the page.
    auto *browser = help->findChild<QTextBrowser *>("HelpBrowser");
    QCOMPARE(browser->textCursor().selectedText().toLower(), QString("mirroring"));
}

QTEST_MAIN(TstHelp)
#include "tst_help.moc"
