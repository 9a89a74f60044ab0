#include "TSNMPLayoutAdapter.h"

#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "FieldColours.h"
#include "TCtrlBtnPanel.h"
#include "TSNMPPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QItemSelection>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QSplitter>
#include <QTreeWidget>

#include <utility>

namespace {
// The RowStatus item a text names for a variable of either RowStatus list;
// -1 for any other variable or text.
int rowStatusItem(const CvSNMPVariable &v, const QString &text)
{
    const bool rowStatus
        = v.options == &Options::RowStatus() || v.options == &Options::RowStatusCapitals();
    return rowStatus ? v.options->IndexOfText(text) : -1;
}

bool isNotReadyStatus(const CvSNMPVariable &v)
{
    return rowStatusItem(v, v.value) == RowStatusItem::NotReady;
}

void attach(QPushButton *button, QObject *context, std::function<void()> action)
{
    if (!button)
        return;
    QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);
    QObject::connect(button, &QPushButton::clicked, context, [action] { action(); });
}

QString textOf(const QWidget *control)
{
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    return QString();
}

bool isEditOrCombo(const QWidget *control)
{
    return qobject_cast<const QComboBox *>(control) || qobject_cast<const QLineEdit *>(control);
}
} // namespace

TSNMPLayoutAdapter::TSNMPLayoutAdapter(CvBindingList &bindings_, CvSNMPRequest2Edits *request_)
    : bindings(bindings_)
    , request(request_)
{
    BindControls();
}

TSNMPLayoutAdapter::~TSNMPLayoutAdapter() = default;

void TSNMPLayoutAdapter::BindControls()
{
    for (int i = 0; i < int(bindings.size()); ++i) {
        const CvBoundControl &b = bindings[i];
        switch (b.controlKind) {
        case KindEdit:
        case KindEditUnticked:
            request->BindEdit(i, b.format, qobject_cast<QLineEdit *>(b.control));
            break;
        case KindComboBox:
            request->BindComboBox(i, qobject_cast<QComboBox *>(b.control));
            break;
        case KindMemo:
            request->SetMessageTarget(qobject_cast<QPlainTextEdit *>(b.control));
            break;
        case KindListView:
            request->BindListView(qobject_cast<QTreeWidget *>(b.control), true);
            break;
        default:
            break;
        }
    }
}

void TSNMPLayoutAdapter::attachAction(
    QPointer<QPushButton> *field, QPushButton *button, Action action, QObject *context)
{
    if (field)
        *field = button;
    attach(
        button, context ? context : request, [this, button, action] { (this->*action)(button); });
}

void TSNMPLayoutAdapter::AttachRefreshButton(QPushButton *b)
{
    attachAction(&refreshButton, b, &TSNMPLayoutAdapter::RefreshAction);
}

void TSNMPLayoutAdapter::AttachSetButton(QPushButton *b)
{
    attachAction(&setButton, b, &TSNMPLayoutAdapter::EditAction);
    b->setEnabled(false);
}

void TSNMPLayoutAdapter::AttachSetCheckedButton(QPushButton *b)
{
    attachAction(&setCheckedButton, b, &TSNMPLayoutAdapter::SetAction);
}

void TSNMPLayoutAdapter::AttachAddButton(QPushButton *b)
{
    attachAction(&addButton, b, &TSNMPLayoutAdapter::AddAction);
}

void TSNMPLayoutAdapter::AttachDeleteButton(QPushButton *b)
{
    attachAction(&deleteButton, b, &TSNMPLayoutAdapter::DeleteAction);
    b->setEnabled(false);
}

void TSNMPLayoutAdapter::AttachCheckAllButton(QPushButton *b)
{
    attachAction(&checkAllButton, b, &TSNMPLayoutAdapter::CheckAllAction);
}

void TSNMPLayoutAdapter::AttachClearChecksButton(QPushButton *b)
{
    attachAction(&clearChecksButton, b, &TSNMPLayoutAdapter::ClearChecksAction);
}

void TSNMPLayoutAdapter::AttachStopButton(QPushButton *b)
{
    attachAction(&stopButton, b, &TSNMPLayoutAdapter::StopAction);
}

// The buttons of a row dialog; they live as long as the dialog does.
void TSNMPLayoutAdapter::attachDialogButtons(TCtrlBtnPanel *bar, QDialog *form, Action checkAll)
{
    attachAction(nullptr, bar->refreshButton, &TSNMPLayoutAdapter::RefreshAction, form);
    attachAction(nullptr, bar->setCheckedButton, &TSNMPLayoutAdapter::SetAction, form);
    attachAction(nullptr, bar->checkAllButton, checkAll, form);
    attachAction(nullptr, bar->clearChecksButton, &TSNMPLayoutAdapter::ClearChecksAction, form);
    attachAction(nullptr, bar->closeButton, &TSNMPLayoutAdapter::CloseDialogAction, form);
}

void TSNMPLayoutAdapter::AttachMessageMemo(QPlainTextEdit *memo)
{
    messageMemo = memo;
    request->SetMessageTarget(memo);
}

void TSNMPLayoutAdapter::showBusy(const QString &text)
{
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, request->owner);
    box.setObjectName(QStringLiteral("busyMessage"));
    box.exec();
}

QList<qint32> TSNMPLayoutAdapter::saveFlags() const
{
    QList<qint32> saved;
    const CvSNMPVarList &vars = request->request.varList;
    for (int i = 0; i < vars.Count(); ++i)
        saved.append(vars.Var(i).access);
    return saved;
}

void TSNMPLayoutAdapter::restoreFlags(const QList<qint32> &saved)
{
    CvSNMPVarList &vars = request->request.varList;
    for (int i = 0; i < vars.Count() && i < saved.size(); ++i)
        vars.Var(i).access = saved[i];
}

void TSNMPLayoutAdapter::RefreshAction(QWidget *)
{
    request->request.running = true;
    if (!readComplete) {
        showBusy(QStringLiteral("Get data not complete"));
        return;
    }
    readComplete = false;
    try {
        // A read the binding skips (its previous one still in flight) has
        // no done event to wait for.
        if (!request->Read())
            readComplete = true;
    } catch (const CvException &e) {
        readComplete = true;
        request->ShowError(e.message());
    }
}

void TSNMPLayoutAdapter::SetAction(QWidget *)
{
    request->request.running = true;
    if (!readComplete) {
        showBusy(QStringLiteral("Get data not complete"));
        return;
    }
    if (!writeComplete) {
        showBusy(QStringLiteral("Modify data not complete"));
        return;
    }
    writeComplete = false;
    WriteChecked();
}

// Writes the variables whose include box is ticked, then reads again. The
// binding runs one request at a time, so the read goes out when the
// write's answer has arrived and shows the values after the write.
void TSNMPLayoutAdapter::WriteChecked()
{
    const QList<qint32> saved = saveFlags();
    CvSNMPVarList &vars = request->request.varList;
    // The index variables of a table address the row whatever their boxes
    // say, and the excluded bit is added to a flags word, never put in its
    // place: the word also says whether an index is IMPLIED.
    const int firstMasked = vars.IsTableKind() ? std::max(0, vars.indexCount) : 0;
    // A combo box with nothing chosen is left out like an empty field:
    // its text would go out as a value outside its list.
    for (int i = firstMasked; i < int(bindings.size()) && i < vars.Count(); ++i) {
        const auto *combo = qobject_cast<const QComboBox *>(bindings[i].control);
        if (!bindings[i].includeBox || !bindings[i].includeBox->isChecked()
            || (combo && combo->currentIndex() < 0))
            vars.Var(i).access |= AccessInvalid;
    }
    // A row made here is looked at once the list is read again: an agent
    // may take createAndGo and still leave the row out of use.
    m_checkNewRow = m_adding && createColumn >= 0 && createColumn < int(bindings.size())
        && bindings[createColumn].includeBox && bindings[createColumn].includeBox->isChecked()
        && textOf(bindings[createColumn].control).trimmed() == createValue;
    // The edit dialog of several rows writes the ticked fields to each.
    const QList<QTreeWidgetItem *> rows
        = m_adding ? QList<QTreeWidgetItem *>() : request->SelectedRows();
    try {
        if (rows.size() > 1) {
            const QPointer<CvSNMPRequest2Edits> alive(request);
            request->WriteRows(rows, true);
            if (!alive)
                return;
            writeComplete = true;
            m_rowsToSelect = rowKeys(rows);
        } else {
            request->Write(false, true);
        }
        restoreFlags(saved);
        queueReadAfterWrite();
        if (deleteColumn != -1)
            CloseIfDestroyed();
    } catch (const CvException &e) {
        readComplete = true;
        writeComplete = true;
        m_readAfterWrite = false;
        m_checkNewRow = false;
        restoreFlags(saved);
        request->ShowError(e.message());
    }
}

// The read that follows a write goes out once the write's answer is in
// and no walk runs any more (at once when both have ended): a second walk
// started beside a running one would mix their rows in the list.
void TSNMPLayoutAdapter::queueReadAfterWrite()
{
    readComplete = false;
    m_readAfterWrite = true;
    readAfterWrite();
}

// Runs the queued read when the binding is idle; otherwise the end of the
// write or of the walk still in flight calls it again.
void TSNMPLayoutAdapter::readAfterWrite()
{
    if (!m_readAfterWrite || request->IsBusy())
        return;
    m_readAfterWrite = false;
    readComplete = false;
    try {
        if (!request->Read())
            readComplete = true;
    } catch (const CvException &e) {
        readComplete = true;
        request->ShowError(e.message());
    }
}

void TSNMPLayoutAdapter::CloseIfDestroyed()
{
    if (deleteColumn < 0 || deleteColumn >= int(bindings.size()) || !dialog)
        return;
    const QWidget *control = bindings[deleteColumn].control;
    if (isEditOrCombo(control) && textOf(control) == deleteValue)
        dialog->close();
}

TSNMPLayoutAdapter::DialogParts TSNMPLayoutAdapter::makeDialog()
{
    DialogParts parts;
    QWidget *window = listView ? listView->window() : nullptr;
    parts.form = new QDialog(window);
    parts.form->setObjectName(QStringLiteral("rowDialog"));
    parts.form->setWindowTitle(title);
    dialog = parts.form;
    parts.editBoxParent = editBox ? editBox->parentWidget() : nullptr;
    parts.body = new TSNMPPanel(parts.form);
    parts.body->form = parts.form;
    TCtrlBtnPanel *bar = parts.body->buttonBar;
    bar->HideRefresh();
    bar->HideCount();
    bar->HideSet();
    bar->HideSamples();
    bar->HideDelete();
    bar->HideAdd();
    bar->HideStop();
    return parts;
}

int TSNMPLayoutAdapter::controlsRightEdge() const
{
    int edge = 0;
    for (const CvBoundControl &b : bindings)
        if (b.control)
            edge = std::max(edge, b.control->x() + b.control->width());
    return edge;
}

// Puts the edit box into the dialog, its contents large enough for
// controls widened after the build, and the dialog's memo takes the
// messages.
void TSNMPLayoutAdapter::lendEditBox(DialogParts &parts)
{
    if (QWidget *contents = editBox->widget())
        contents->resize(std::max(contents->width(), controlsRightEdge() + 20),
            std::max(contents->height(), layoutHeight + 20));
    parts.body->SetClientWidget(editBox);
    request->SetMessageTarget(parts.body->messagePanel->memo);
}

// Shows the dialog with the edit box, then gives the box back, hidden, to
// the table window and the messages to the window's memo.
void TSNMPLayoutAdapter::runDialog(DialogParts &parts)
{
    parts.form->exec();
    request->SetMessageTarget(messageMemo.data());
    if (editBox) {
        if (auto *splitter = qobject_cast<QSplitter *>(parts.editBoxParent.data()))
            splitter->insertWidget(1, editBox);
        else
            editBox->setParent(parts.editBoxParent);
        editBox->hide();
    }
    delete parts.form;
}

void TSNMPLayoutAdapter::EditAction(QWidget *)
{
    if (!editBox)
        return;
    DialogParts parts = makeDialog();
    TCtrlBtnPanel *bar = parts.body->buttonBar;
    layoutWidth = std::max(layoutWidth, controlsRightEdge());
    const int width = std::min(bar->width() + layoutWidth + 40, 800);
    const int height = std::min(TMsgPanel::PanelHeight + layoutHeight + 60, 550);
    parts.form->resize(width, height);

    attachDialogButtons(bar, parts.form, &TSNMPLayoutAdapter::CheckAllAction);

    lendEditBox(parts);

    const bool rowSelected = listView && !listView->selectedItems().isEmpty();
    const CvSNMPVarList &vars = request->request.varList;
    int writable = 0;
    for (int i = 0; i < int(bindings.size()); ++i) {
        const CvBoundControl &b = bindings[i];
        const bool readOnly = b.access == AccessNotAccessible || b.access == AccessReadOnly;
        // A value the agent does not hold shows as an empty field, left out
        // of the write until the operator ticks it.
        const CvSNMPVariable *read = rowSelected && i < vars.Count() ? &vars.Var(i) : nullptr;
        const bool absent = read && IsAbsentValue(read->value);
        // notReady is a state an agent reports, never one it can be put in:
        // sent back, the agent refuses the whole write.
        const bool notReady = read && isNotReadyStatus(*read);
        // A value the selected rows do not share is shown as none, and
        // written only when the operator gives one and ticks it.
        const bool differs = rowSelected && request->SelectedRowsDiffer(i);
        if (b.includeBox)
            b.includeBox->setChecked(!readOnly && !absent && !notReady && !differs);
        if (!readOnly)
            ++writable;
        if (b.control)
            b.control->setEnabled(true);
    }
    if (!rowSelected) {
        // No row, no values: a field left empty is not written.
        for (const CvBoundControl &b : bindings)
            if (auto *edit = qobject_cast<QLineEdit *>(b.control))
                request->constraints.Blank(edit);
    } else {
        // The index of the row being edited cannot be changed.
        for (int i = 0; i < indexCount && i < int(bindings.size()); ++i) {
            if (bindings[i].control)
                bindings[i].control->setEnabled(false);
            if (bindings[i].includeBox)
                bindings[i].includeBox->hide();
        }
    }
    bar->ShowWriteButtons(writable);
    runDialog(parts);
}

void TSNMPLayoutAdapter::AddAction(QWidget *)
{
    if (!editBox)
        return;
    request->request.running = true;
    if (listView)
        listView->clearSelection();
    DialogParts parts = makeDialog();
    TCtrlBtnPanel *bar = parts.body->buttonBar;
    parts.form->resize(layoutWidth + bar->width() + 40, layoutHeight + TMsgPanel::PanelHeight + 60);

    attachDialogButtons(bar, parts.form, &TSNMPLayoutAdapter::CheckAllForAddAction);

    for (int i = 0; i < int(bindings.size()); ++i) {
        const CvBoundControl &b = bindings[i];
        if (b.includeBox)
            b.includeBox->setChecked(true);
        if (auto *edit = qobject_cast<QLineEdit *>(b.control)) {
            // Empty and not written unless the operator types a value.
            request->constraints.Blank(edit);
            edit->setEnabled(true);
            edit->setReadOnly(false);
            PaintAsField(edit);
            edit->setFocusPolicy(Qt::StrongFocus);
        } else if (auto *combo = qobject_cast<QComboBox *>(b.control)) {
            combo->setCurrentIndex(-1);
            combo->setEnabled(true);
            PaintAsField(combo);
            combo->setFocusPolicy(Qt::StrongFocus);
            const QString choice = i == createColumn ? createValue : b.addChoice;
            if (!choice.isEmpty())
                for (int k = 0; k < combo->count(); ++k)
                    if (combo->itemText(k).trimmed() == choice) {
                        combo->setCurrentIndex(k);
                        break;
                    }
        }
    }
    if (setButton)
        setButton->setEnabled(false);
    if (deleteButton)
        deleteButton->setEnabled(false);
    lendEditBox(parts);
    bar->ShowWriteMany();
    m_adding = true;
    runDialog(parts);
    m_adding = false;
}

// Writes the delete value into the status variable of the selected row;
// the index variables address the row and nothing else is sent. Several
// rows selected are deleted one by one once the operator has said yes.
void TSNMPLayoutAdapter::DeleteAction(QWidget *)
{
    request->request.running = true;
    CvSNMPVarList &vars = request->request.varList;
    if (deleteColumn < 0 || deleteColumn >= vars.Count())
        return;
    const QList<QTreeWidgetItem *> rows = request->SelectedRows();
    if (rows.size() > 1) {
        const QPointer<CvSNMPRequest2Edits> alive(request);
        if (!ConfirmDeleteRows(listView ? listView->window() : nullptr, int(rows.size())) || !alive)
            return;
    }
    const QList<qint32> saved = saveFlags();
    try {
        for (int i = indexCount; i < int(bindings.size()) && i < vars.Count(); ++i)
            vars.Var(i).access |= AccessInvalid;
        vars.Var(deleteColumn).access = saved[deleteColumn];
        if (rows.size() > 1) {
            const QPointer<CvSNMPRequest2Edits> alive(request);
            request->WriteRows(
                rows, false, [&vars, this] { vars.Var(deleteColumn).value = deleteValue; });
            if (!alive)
                return;
        } else {
            request->TakeControls(-1);
            vars.Var(deleteColumn).value = deleteValue;
            request->Write(false, false);
        }
        restoreFlags(saved);
        queueReadAfterWrite();
    } catch (const CvException &e) {
        restoreFlags(saved);
        request->ShowError(e.message());
    }
}

void TSNMPLayoutAdapter::CheckAllAction(QWidget *)
{
    for (const CvBoundControl &b : bindings)
        if (b.includeBox)
            b.includeBox->setChecked(b.access != AccessReadOnly);
}

void TSNMPLayoutAdapter::CheckAllForAddAction(QWidget *)
{
    for (const CvBoundControl &b : bindings)
        if (b.includeBox)
            b.includeBox->setChecked(true);
}

void TSNMPLayoutAdapter::ClearChecksAction(QWidget *)
{
    for (const CvBoundControl &b : bindings)
        if (b.includeBox)
            b.includeBox->setChecked(false);
}

void TSNMPLayoutAdapter::StopAction(QWidget *)
{
    readComplete = true;
    writeComplete = true;
    m_readAfterWrite = false;
    request->Stop();
}

void TSNMPLayoutAdapter::CloseDialogAction(QWidget *)
{
    if (dialog)
        dialog->close();
}

void TSNMPLayoutAdapter::ReadDone()
{
    readComplete = true;
    QTreeWidgetItem *row = ReselectRow();
    if (std::exchange(m_checkNewRow, false) && !m_readAfterWrite)
        reportNewRowState(row);
    readAfterWrite();
}

// Says so when the agent left a row just made notReady or notInService:
// it exists but is not in use, which the write's "Ok!" does not tell.
void TSNMPLayoutAdapter::reportNewRowState(const QTreeWidgetItem *row)
{
    const CvSNMPVarList &vars = request->request.varList;
    if (!row || !listView || createColumn < 0 || createColumn >= vars.Count())
        return;
    const CvSNMPVariable &status = vars.Var(createColumn);
    const QTreeWidgetItem *header = listView->headerItem();
    for (int c = 0; c < listView->columnCount(); ++c) {
        if (header->text(c) != status.label)
            continue;
        const int state = rowStatusItem(status, row->text(c).trimmed());
        if (state == RowStatusItem::NotReady)
            request->ShowError(QStringLiteral("The agent made the row but left it notReady: it is "
                                              "not in use until the columns it needs are set."));
        else if (state == RowStatusItem::NotInService)
            request->ShowError(QStringLiteral("The agent made the row but left it notInService: "
                                              "it is not in use until it is made active."));
        return;
    }
}

void TSNMPLayoutAdapter::WriteDone()
{
    writeComplete = true;
    readAfterWrite();
}

void TSNMPLayoutAdapter::SelectRowsAfterRead(const QStringList &keys)
{
    m_rowsToSelect = keys;
    m_enableRowButtons = true;
}

// The index of a row as ReselectRow compares it: the caption, then the
// texts of the other index columns.
QString TSNMPLayoutAdapter::rowKey(const QTreeWidgetItem *item) const
{
    QString key = item->text(0);
    for (int c = 1; c < indexCount; ++c)
        key += item->text(c);
    return key;
}

QStringList TSNMPLayoutAdapter::rowKeys(const QList<QTreeWidgetItem *> &rows) const
{
    QStringList keys;
    for (const QTreeWidgetItem *row : rows)
        keys.append(rowKey(row));
    return keys;
}

// Selects the rows of the keys in one go (one selection change, whatever
// their number); the first becomes the current row and comes into sight.
QTreeWidgetItem *TSNMPLayoutAdapter::selectRows(const QStringList &wanted)
{
    const QSet<QString> keys(wanted.cbegin(), wanted.cend());
    QItemSelection selection;
    QTreeWidgetItem *first = nullptr;
    QAbstractItemModel *model = listView->model();
    for (int r = 0; r < listView->topLevelItemCount(); ++r) {
        QTreeWidgetItem *item = listView->topLevelItem(r);
        if (!keys.contains(rowKey(item)))
            continue;
        selection.select(model->index(r, 0), model->index(r, model->columnCount() - 1));
        if (!first)
            first = item;
    }
    if (!first)
        return nullptr;
    listView->setCurrentItem(first, 0, QItemSelectionModel::NoUpdate);
    listView->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    listView->scrollToItem(first);
    return first;
}

// After a read, the row whose index stands in the bound controls is
// selected again, so the operator keeps the row last edited or added; the
// rows written together are selected together again.
QTreeWidgetItem *TSNMPLayoutAdapter::ReselectRow()
{
    if (!listView || listView->topLevelItemCount() == 0)
        return nullptr;
    if (!m_rowsToSelect.isEmpty()) {
        QTreeWidgetItem *first = selectRows(std::exchange(m_rowsToSelect, {}));
        if (std::exchange(m_enableRowButtons, false) && first)
            for (QPushButton *button : {setButton.data(), deleteButton.data()})
                if (button && !button->isHidden())
                    button->setEnabled(true);
        return first;
    }
    QString key;
    int taken = 0;
    for (const CvBoundControl &b : bindings) {
        if (taken >= indexCount)
            break;
        if (isEditOrCombo(b.control)) {
            key += textOf(b.control);
            ++taken;
        }
    }
    for (int r = 0; r < listView->topLevelItemCount(); ++r) {
        QTreeWidgetItem *item = listView->topLevelItem(r);
        if (rowKey(item) == key) {
            listView->setCurrentItem(item);
            item->setSelected(true);
            return item;
        }
    }
    return nullptr;
}
