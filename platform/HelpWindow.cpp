#include "HelpWindow.h"

#include "HelpTopics.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPointer<HelpWindow> &instance()
{
    static QPointer<HelpWindow> help;
    return help;
}

QString &pagesDirectory()
{
    static QString directory;
    return directory;
}

constexpr int PageRole = Qt::UserRole;

// The window the help window is to belong to: the modal window that is open,
// else the asker's own window (a popup's owner rather than the popup).
QWidget *ownerFor(QWidget *asker)
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    QWidget *window = asker ? asker->window() : nullptr;
    while (window && window->windowType() == Qt::Popup && window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

// "vlans.html#static" for a page of the help folder.
QString pageOf(const QUrl &source)
{
    QString page = QFileInfo(source.toLocalFile()).fileName();
    if (source.hasFragment())
        page += QLatin1Char('#') + source.fragment();
    return page;
}

bool isBelow(const QWidget *w, const QWidget *owner)
{
    for (const QWidget *x = w; x; x = x->parentWidget())
        if (x == owner)
            return true;
    return false;
}

QToolButton *makeButton(QWidget *parent, const char *name, const QString &text,
    QStyle::StandardPixmap icon, const QKeySequence &keys)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setAccessibleName(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setShortcut(keys);
    button->setToolTip(
        QStringLiteral("%1 (%2)").arg(text, keys.toString(QKeySequence::NativeText)));
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_index(HelpIndex::Read(PagesDirectory()))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("TRV-8170QL Management Module Help"));
    if (!owner)
        setAttribute(Qt::WA_DeleteOnClose);

    m_back = makeButton(this, "HelpBack", QStringLiteral("Back"), QStyle::SP_ArrowBack,
        QKeySequence(QKeySequence::Back));
    m_forward = makeButton(this, "HelpForward", QStringLiteral("Forward"), QStyle::SP_ArrowForward,
        QKeySequence(QKeySequence::Forward));
    m_home = makeButton(this, "HelpHome", QStringLiteral("Contents"), QStyle::SP_DirHomeIcon,
        QKeySequence(Qt::ALT | Qt::Key_Home));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    auto *searchLabel = new QLabel(QStringLiteral("&Search:"), this);
    searchLabel->setObjectName(QStringLiteral("HelpSearchLabel"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("HelpSearch"));
    m_search->setAccessibleName(QStringLiteral("Search the help"));
    m_search->setPlaceholderText(QStringLiteral("words to find"));
    m_search->setClearButtonEnabled(true);
    searchLabel->setBuddy(m_search);

    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("HelpResults"));
    m_results->setAccessibleName(QStringLiteral("Pages found"));
    m_results->hide();
    auto *nothing = new QLabel(QStringLiteral("No page holds all these words."), this);
    nothing->setObjectName(QStringLiteral("HelpNothingFound"));
    nothing->setWordWrap(true);
    nothing->hide();
    m_contents = new QTreeWidget(this);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_contents->setAccessibleName(QStringLiteral("Contents"));
    m_contents->setHeaderHidden(true);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setAccessibleName(QStringLiteral("Help page"));
    m_browser->setOpenExternalLinks(false);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_home);
    bar->addStretch();
    bar->addWidget(searchLabel);
    bar->addWidget(m_search, 1);
    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(nothing);
    sideLayout->addWidget(m_results);
    sideLayout->addWidget(m_contents);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 600});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);
    resize(880, 600);
    setTabOrder(m_search, m_results);
    setTabOrder(m_results, m_contents);
    setTabOrder(m_contents, m_browser);

    fillContents();
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, this, [this] { OpenPage({}); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::followSource);
    connect(m_search, &QLineEdit::textChanged, this, [this, nothing](const QString &typed) {
        search(typed);
        const bool searching = !HelpIndex::Words(typed).isEmpty();
        m_results->setVisible(searching && !m_matches.isEmpty());
        nothing->setVisible(searching && m_matches.isEmpty());
        m_contents->setVisible(!searching);
    });
    connect(m_search, &QLineEdit::returnPressed, this, [this] { openMatch(0); });
    connect(m_results, &QListWidget::itemActivated, this,
        [this](QListWidgetItem *item) { openMatch(m_results->row(item)); });
    connect(m_results, &QListWidget::itemClicked, this,
        [this](QListWidgetItem *item) { openMatch(m_results->row(item)); });
    const auto openItem
        = [this](QTreeWidgetItem *item) { OpenPage(item->data(0, PageRole).toString()); };
    connect(m_contents, &QTreeWidget::itemActivated, this, openItem);
    connect(m_contents, &QTreeWidget::itemClicked, this, openItem);
    auto *close = new QShortcut(QKeySequence::Cancel, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    if (owner) {
        m_owner = owner;
        owner->installEventFilter(this);
    }
}

HelpWindow *HelpWindow::Show(QWidget *asker, const QString &page)
{
    QWidget *owner = ownerFor(asker);
    HelpWindow *help = instance();
    if (!help) {
        help = new HelpWindow(owner);
        instance() = help;
    } else if (owner && owner != help && !isBelow(help, owner)
        && (QApplication::activeModalWidget() || !help->m_owner)) {
        // A modal window blocks every window that is not its own.
        help->moveTo(owner);
    }
    help->OpenPage(page);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

HelpWindow *HelpWindow::Instance()
{
    return instance();
}

bool HelpWindow::Holds(const QWidget *w)
{
    return w && instance() && w->window() == instance();
}

QString HelpWindow::PagesDirectory()
{
    if (!pagesDirectory().isEmpty())
        return pagesDirectory();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/help");
}

void HelpWindow::SetPagesDirectory(const QString &directory)
{
    pagesDirectory() = directory;
}

QString HelpWindow::CurrentPage() const
{
    return pageOf(m_browser->source());
}

void HelpWindow::OpenPage(const QString &page)
{
    const QString wanted = page.isEmpty() ? QString::fromLatin1(Help::ContentsPage) : page;
    const QString file = wanted.section(QLatin1Char('#'), 0, 0);
    const QString anchor = wanted.section(QLatin1Char('#'), 1);
    const QString path = QDir(PagesDirectory()).filePath(file);
    if (!QFileInfo(path).isFile()) {
        m_browser->setPlainText(
            QStringLiteral("The help page %1 cannot be found: the help folder of this "
                           "installation is missing or incomplete.")
                .arg(QDir::toNativeSeparators(path)));
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    m_browser->setSource(url);
    if (!anchor.isEmpty())
        m_browser->scrollToAnchor(anchor);
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The window the help belonged to closes: the help stays open with the
    // window that window belonged to (the main window after a modal one).
    if (watched == m_owner && event->type() == QEvent::Hide && !event->spontaneous()) {
        QWidget *next = m_owner->parentWidget() ? m_owner->parentWidget()->window() : nullptr;
        if (next && next != this)
            moveTo(next);
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::fillContents()
{
    for (const HelpIndex::Page &page : m_index.Pages()) {
        auto *top = new QTreeWidgetItem(m_contents, {page.title});
        top->setData(0, PageRole, page.file);
        for (const HelpIndex::Section &s : page.sections) {
            if (s.anchor.isEmpty())
                continue;
            auto *item = new QTreeWidgetItem(top, {s.heading});
            item->setData(0, PageRole, page.file + QLatin1Char('#') + s.anchor);
        }
    }
}

void HelpWindow::search(const QString &typed)
{
    m_matches = m_index.Find(typed);
    m_results->clear();
    for (const HelpIndex::Match &m : std::as_const(m_matches)) {
        auto *item = new QListWidgetItem(m.caption, m_results);
        // A section is listed under its page.
        if (m.page.contains(QLatin1Char('#')))
            item->setText(QStringLiteral("    ") + m.caption.section(QStringLiteral(": "), 1));
    }
    if (m_results->count() > 0)
        m_results->setCurrentRow(0);
}

void HelpWindow::openMatch(int row)
{
    if (row < 0 || row >= m_matches.size())
        return;
    const HelpIndex::Match match = m_matches.at(row);
    OpenPage(match.page);
    // The first word found from where the match starts is selected.
    const QStringList words = HelpIndex::Words(m_search->text());
    if (words.isEmpty())
        return;
    const QTextCursor found = m_browser->document()->find(words.first(), match.position);
    if (!found.isNull())
        m_browser->setTextCursor(found);
}

// Called as the browser moves to source, before source() tells it.
void HelpWindow::followSource(const QUrl &source)
{
    const QString page = pageOf(source);
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    QTreeWidgetItem *best = nullptr;
    for (int k = 0; k < m_contents->topLevelItemCount() && !best; ++k) {
        QTreeWidgetItem *top = m_contents->topLevelItem(k);
        if (top->data(0, PageRole).toString() != file)
            continue;
        best = top;
        for (int c = 0; c < top->childCount(); ++c)
            if (top->child(c)->data(0, PageRole).toString() == page)
                best = top->child(c);
    }
    m_contents->setCurrentItem(best);
    if (best && best->parent())
        best->parent()->setExpanded(true);
}

void HelpWindow::moveTo(QWidget *owner)
{
    const QRect place = geometry();
    const bool shown = isVisible();
    if (m_owner)
        m_owner->removeEventFilter(this);
    setParent(owner, windowFlags());
    setAttribute(Qt::WA_DeleteOnClose, owner == nullptr);
    m_owner = owner;
    if (owner)
        owner->installEventFilter(this);
    setGeometry(place);
    if (shown)
        show();
}
