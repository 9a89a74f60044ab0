#include "CommandFinder.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Width = 460;
constexpr int Height = 260;

QStringList wordsOf(const QString &text)
{
    static const QRegularExpression gaps(QStringLiteral("[\\s>]+"));
    return text.toLower().split(gaps, Qt::SkipEmptyParts);
}

// How many of the words typed begin a word of words.
int begun(const QStringList &typed, const QStringList &words)
{
    int n = 0;
    for (const QString &t : typed)
        if (std::any_of(
                words.begin(), words.end(), [&t](const QString &w) { return w.startsWith(t); }))
            ++n;
    return n;
}

void collectFrom(const QList<QAction *> &actions, const QStringList &path,
    QList<CommandFinder::Command> &commands)
{
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QStringList here = path + QStringList {action->text().trimmed()};
        if (QMenu *menu = action->menu()) {
            collectFrom(menu->actions(), here, commands);
            continue;
        }
        CommandFinder::Command c;
        c.path = here.join(QStringLiteral(" > "));
        c.action = action;
        c.words = wordsOf(c.path);
        c.captionWords = wordsOf(here.last());
        commands.append(c);
    }
}

} // namespace

CommandFinder::CommandFinder(QWidget *window, QWidget *menuRoot)
    : QFrame(window, Qt::Popup)
    , m_menuRoot(menuRoot)
{
    setObjectName(QStringLiteral("CommandFinder"));
    setAccessibleName(QStringLiteral("Command finder"));
    setFrameShape(QFrame::StyledPanel);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("CommandFinderEdit"));
    m_edit->setAccessibleName(QStringLiteral("Find a command"));
    m_edit->setClearButtonEnabled(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("CommandFinderList"));
    m_list->setAccessibleName(QStringLiteral("Matching commands"));
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setUniformItemSizes(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_edit);
    layout->addWidget(m_list);
    resize(Width, Height);

    connect(m_edit, &QLineEdit::textChanged, this, &CommandFinder::refill);
    connect(m_list, &QListWidget::itemActivated, this, [this] { run(); });
    m_edit->installEventFilter(this);

    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), window);
    shortcut->setObjectName(QStringLiteral("CommandFinderShortcut"));
    connect(shortcut, &QShortcut::activated, this, &CommandFinder::Open);
}

void CommandFinder::Open()
{
    collect();
    m_edit->clear();
    refill();
    if (QWidget *window = parentWidget()) {
        const QPoint top = window->mapToGlobal(QPoint((window->width() - Width) / 2, 0));
        move(top);
    }
    show();
    raise();
    activateWindow();
    m_edit->setFocus(Qt::ShortcutFocusReason);
}

void CommandFinder::AddCommand(QAction *action)
{
    m_extra.append(action);
}

void CommandFinder::collect()
{
    m_commands.clear();
    if (m_menuRoot)
        collectFrom(m_menuRoot->actions(), {}, m_commands);
    QList<QAction *> extra;
    for (const QPointer<QAction> &action : std::as_const(m_extra))
        if (action)
            extra.append(action);
    collectFrom(extra, {}, m_commands);
}

QList<CommandFinder::Command> CommandFinder::Matches(const QString &text) const
{
    const QStringList typed = wordsOf(text);
    QList<std::pair<int, Command>> found; // (caption words begun, command)
    for (const Command &c : m_commands)
        if (begun(typed, c.words) == typed.size())
            found.append({begun(typed, c.captionWords), c});
    std::stable_sort(
        found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QList<Command> matches;
    for (const auto &f : found)
        matches.append(f.second);
    return matches;
}

void CommandFinder::refill()
{
    m_shown = Matches(m_edit->text());
    m_list->clear();
    for (const Command &c : std::as_const(m_shown)) {
        auto *item = new QListWidgetItem(c.path, m_list);
        if (!c.action || !c.action->isEnabled()) {
            item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
            item->setData(Qt::AccessibleDescriptionRole, QStringLiteral("unavailable"));
        }
    }
    choose(0);
}

void CommandFinder::choose(int row)
{
    if (m_list->count() == 0)
        return;
    row = qBound(0, row, m_list->count() - 1);
    m_list->setCurrentRow(row);
    m_list->scrollToItem(m_list->item(row));
}

// As a click on the menu item: a disabled action does nothing and the
// finder stays; an enabled one runs once the finder has closed, so a
// modal window it opens does not run inside the key press.
void CommandFinder::run()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_shown.size())
        return;
    const QPointer<QAction> action = m_shown.at(row).action;
    if (!action || !action->isEnabled())
        return;
    hide();
    QMetaObject::invokeMethod(
        action,
        [action] {
            if (action)
                action->trigger();
        },
        Qt::QueuedConnection);
}

bool CommandFinder::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Up:
        choose(m_list->currentRow() - 1);
        return true;
    case Qt::Key_Down:
        choose(m_list->currentRow() + 1);
        return true;
    case Qt::Key_PageUp:
        choose(m_list->currentRow() - 8);
        return true;
    case Qt::Key_PageDown:
        choose(m_list->currentRow() + 8);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        run();
        return true;
    case Qt::Key_Escape:
        hide();
        return true;
    default:
        return false;
    }
}
