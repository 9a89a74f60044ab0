#include "PortListWords.h"

#include "CvSNMPRequest2Edits.h"
#include "CvValueTexts.h"
#include "TStackingPortUitForm.h"

#include <QAbstractItemModel>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStringList>
#include <QTreeWidget>

namespace {

constexpr int PortsPerUnit = TStackingPortUitForm::PortsPerUnit;

// The port-list columns of one list view, each with the check boxes of the
// grid its variable is bound to.
class PortListColumns : public QObject
{
public:
    struct Column
    {
        QString caption;
        QList<QPointer<QWidget>> boxes;
    };

    PortListColumns(QTreeWidget *list, QList<Column> columns)
        : QObject(list)
        , m_list(list)
        , m_columns(std::move(columns))
    {
        QAbstractItemModel *model = list->model();
        connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { describeRows(first, last); });
        connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to, const QList<int> &roles) {
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                    describeRows(from.row(), to.row());
            });
        list->installEventFilter(this);
        describeRows(0, list->topLevelItemCount() - 1);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_list)
            return false;
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        if (!static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy))
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return false;
        }
        copySelectedRows();
        return true;
    }

private:
    // The column showing a variable, found by its caption: the binding
    // names the columns after the variables.
    int columnOf(const QString &caption) const
    {
        const QTreeWidgetItem *header = m_list->headerItem();
        for (int c = 0; c < m_list->columnCount(); ++c)
            if (header->text(c) == caption)
                return c;
        return -1;
    }

    QString words(const Column &column, const QString &cell) const
    {
        const PortShown shown = [&column](int unit, int port) {
            const QWidget *box = column.boxes.value((unit - 1) * PortsPerUnit + port - 1);
            return box && !box->isHidden();
        };
        return PortListInWords(OctetsFromHex(cell), shown);
    }

    void describeRows(int first, int last)
    {
        if (!m_list)
            return;
        for (const Column &column : std::as_const(m_columns)) {
            const int c = columnOf(column.caption);
            if (c < 0)
                continue;
            for (int r = qMax(0, first); r <= last && r < m_list->topLevelItemCount(); ++r) {
                QTreeWidgetItem *item = m_list->topLevelItem(r);
                const QString tip = words(column, item->text(c));
                // Setting the tip signals a change again; an equal tip ends it.
                if (item->toolTip(c) != tip)
                    item->setToolTip(c, tip);
            }
        }
    }

    void copySelectedRows() const
    {
        QList<const Column *> byColumn(m_list->columnCount(), nullptr);
        for (const Column &column : m_columns)
            if (const int c = columnOf(column.caption); c >= 0)
                byColumn[c] = &column;
        QStringList lines;
        for (int r = 0; r < m_list->topLevelItemCount(); ++r) {
            const QTreeWidgetItem *item = m_list->topLevelItem(r);
            if (!item->isSelected())
                continue;
            QStringList cells;
            for (int c = 0; c < m_list->columnCount(); ++c) {
                if (m_list->isColumnHidden(c))
                    continue;
                cells.append(
                    byColumn.at(c) ? words(*byColumn.at(c), item->text(c)) : item->text(c));
            }
            lines.append(cells.join(QLatin1Char('\t')));
        }
        if (!lines.isEmpty())
            QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
    }

    QPointer<QTreeWidget> m_list;
    const QList<Column> m_columns;
};

// A binding of a variable to all the boxes of a stack port grid.
bool boundToGrid(const CvSNMPRequest2Edits::Binding &b)
{
    return b.bitNumbers.size() == TStackingPortUitForm::BoxCount && b.bitNumbers.front() == 0
        && b.bitNumbers.back() == TStackingPortUitForm::BoxCount - 1;
}

} // namespace

void ShowPortListsInWords(const QList<QPointer<CvSNMPRequest2Controls>> &requests)
{
    for (const QPointer<CvSNMPRequest2Controls> &request : requests) {
        auto *edits = qobject_cast<CvSNMPRequest2Edits *>(request.data());
        if (!edits)
            continue;
        QList<PortListColumns::Column> columns;
        for (const CvSNMPRequest2Edits::Binding &b : edits->bindings) {
            if (!boundToGrid(b))
                continue;
            columns.append({edits->request.varList.Var(b.varIndex).label, b.controls});
            // The change journal shows what a write did to the list the same way.
            edits->request.valueWords.insert(
                b.varIndex, [](const CvSNMPValue &value) { return PortListInWords(value); });
        }
        if (!columns.isEmpty() && edits->listView)
            new PortListColumns(edits->listView, std::move(columns));
    }
}
