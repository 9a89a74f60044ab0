#pragma once

#include "HelpIndex.h"

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

// The help viewer: the pages of the help folder beside the program, with
// their links, back and forward, a contents list and a search over the
// pages. One window serves the whole program; asked for again, it shows
// the page asked for and comes to the front.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows the help window at page ("vlans.html#static"; the contents when
    // empty) for the window asker belongs to. While a modal window is open the
    // help window belongs to it, so that it takes input beside it.
    static HelpWindow *Show(QWidget *asker, const QString &page = {});
    // The help window, or null while there is none.
    static HelpWindow *Instance();
    // Whether w is the help window or inside it.
    static bool Holds(const QWidget *w);

    // The folder of the pages: "help" beside the program, unless set.
    static QString PagesDirectory();
    static void SetPagesDirectory(const QString &directory);

    // The page shown, as "vlans.html#static" ("vlans.html" without anchor).
    QString CurrentPage() const;
    void OpenPage(const QString &page);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit HelpWindow(QWidget *owner);
    void fillContents();
    void search(const QString &typed);
    void openMatch(int row);
    // Marks the page shown in the contents list.
    void followSource(const QUrl &source);
    // Moves the window under another owner, keeping its place and history.
    void moveTo(QWidget *owner);

    HelpIndex m_index;
    QList<HelpIndex::Match> m_matches;
    QTextBrowser *m_browser = nullptr;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
    QToolButton *m_home = nullptr;
    QLineEdit *m_search = nullptr;
    QListWidget *m_results = nullptr;
    QTreeWidget *m_contents = nullptr;
    QPointer<QWidget> m_owner;
};
