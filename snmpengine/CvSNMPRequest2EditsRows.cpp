#include "CvSNMPRequest2Edits.h"

#include "CvCatalogues.h"
#include "CvChangeJournal.h"
#include "CvException.h"
#include "CvRadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTreeWidget>

// Several rows of the list at once: what the selected rows have in common
// in the controls, and the controls written to each of them.

QList<QTreeWidgetItem *> CvSNMPRequest2Edits::SelectedRows() const
{
    QList<QTreeWidgetItem *> rows;
    if (!listView)
        return rows;
    for (int r = 0; r < listView->topLevelItemCount(); ++r)
        if (QTreeWidgetItem *item = listView->topLevelItem(r); item->isSelected())
            rows.append(item);
    return rows;
}

bool CvSNMPRequest2Edits::SelectedRowsDiffer(int varIndex) const
{
    const int column = int(rowColumns().indexOf(varIndex));
    if (column < 0)
        return false;
    const QList<QTreeWidgetItem *> rows = SelectedRows();
    for (const QTreeWidgetItem *row : rows)
        if (row->text(column) != rows.first()->text(column))
            return true;
    return false;
}

QString CvSNMPRequest2Edits::RowWords(const QTreeWidgetItem *row) const
{
    const CvSNMPVarList &list = request.varList;
    const QList<int> columns = rowColumns();
    QStringList parts;
    for (int k = 0; row && k < list.indexCount && k < list.Count(); ++k)
        parts.append(list.Var(k).label + QLatin1Char(' ') + row->text(int(columns.indexOf(k))));
    return parts.join(QStringLiteral(", "));
}

void CvSNMPRequest2Edits::blankDiffering()
{
    if (!listView || SelectedRows().size() < 2)
        return;
    for (const Binding &b : bindings)
        if (SelectedRowsDiffer(b.varIndex))
            blankBinding(b);
}

// No value in the binding's controls: what showsNoChoice takes for one,
// so that a write leaves the variable out until the operator gives it.
void CvSNMPRequest2Edits::blankBinding(const Binding &b)
{
    QWidget *first = b.controls.value(0);
    if (blankControls(b))
        return;
    if (auto *box = qobject_cast<QCheckBox *>(first); box && b.bitNumbers.isEmpty()) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
    } else if (auto *radio = qobject_cast<CvRadioGroup *>(first)) {
        radio->setItemIndex(-1);
    } else if (auto *label = qobject_cast<QLabel *>(first)) {
        label->clear();
    }
}

QList<CvSNMPRequest2Edits::RowWrite> CvSNMPRequest2Edits::WriteRows(
    const QList<QTreeWidgetItem *> &rows, bool takeControls, const std::function<void()> &prepare)
{
    // The rows as they stand now, in case the list changes while a write
    // waits for its answer.
    QList<QStringList> texts;
    QStringList words;
    for (const QTreeWidgetItem *row : rows) {
        QStringList cells;
        for (int c = 0; c < row->columnCount(); ++c)
            cells.append(row->text(c));
        texts.append(cells);
        words.append(RowWords(row));
    }

    const CvOperatorAction action(owner ? owner->window()->windowTitle() : QString());
    const QPointer<CvSNMPRequest2Edits> self(this);
    // One row after the other, each answer awaited: each row's result is
    // known when its line is written, and a failure stops nothing but its
    // own row. The result lines are this function's, one per row.
    const bool wasAsynchronous = std::exchange(asynchronous, false);
    const QPointer<QWidget> target = std::exchange(messageTarget, nullptr);
    auto restore = qScopeGuard([&] {
        if (!self)
            return;
        m_writeRow.reset();
        asynchronous = wasAsynchronous;
        messageTarget = target;
    });
    request.running = true;
    QList<RowWrite> results;
    for (qsizetype k = 0; k < texts.size(); ++k) {
        // The values to send: a control that does not convert fails every
        // row alike, so nothing more is sent.
        m_writeRow = texts.at(k);
        try {
            if (takeControls) {
                TakeControls();
            } else {
                loadRow(texts.at(k));
                if (prepare)
                    prepare();
            }
        } catch (const CvException &) {
            WriteSent();
            throw;
        }
        RowWrite result {words.at(k), 0, MessageOf(EngineCode::Ok)};
        try {
            Write(false, false);
        } catch (const CvException &e) {
            result.code = e.code();
            result.message = e.message();
        }
        if (!self)
            return results;
        results.append(result);
        messageTarget = target;
        lastOperation = 1;
        ShowError(result.row + QStringLiteral(": ") + result.message);
        messageTarget = nullptr;
        if (!request.running)
            break;
    }
    return results;
}

bool ConfirmDeleteRows(QWidget *parent, int count)
{
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QMessageBox box(QMessageBox::Question, caption,
        QString::fromLatin1(DeleteRowsQuestion).arg(count), QMessageBox::Yes | QMessageBox::No,
        parent);
    box.setObjectName(QStringLiteral("deleteRowsQuestion"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
