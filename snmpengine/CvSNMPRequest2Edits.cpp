#include "CvSNMPRequest2Edits.h"

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvFormatSpecifier.h"
#include "CvOptionListWidgets.h"
#include "CvRadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

// Binding calls, the list view and the read and write hooks; filling and
// taking the controls is in CvSNMPRequest2EditsFill.cpp.

CvSNMPRequest2Edits::CvSNMPRequest2Edits(QWidget *owner)
    : CvSNMPRequest2Controls(owner)
    , constraints(owner, true)
{
    m_rowTimer.setSingleShot(true);
    m_rowTimer.setInterval(RowBatchMs);
    connect(&m_rowTimer, &QTimer::timeout, this, &CvSNMPRequest2Edits::rowTimerFired);
}

CvSNMPRequest2Edits::~CvSNMPRequest2Edits() = default;

CvSNMPRequest2Edits::Binding &CvSNMPRequest2Edits::addBinding(
    int varIndex, int offset, qint32 subSyntax, const CvOptionList *options)
{
    const CvSNMPVariable &var = request.varList.Var(varIndex);
    Binding b;
    b.varIndex = varIndex;
    b.offset = offset;
    b.subSyntax = subSyntax;
    b.options = options;
    if (!options && offset == 0 && subSyntax == var.syntax)
        b.options = var.options;
    bindings.push_back(std::move(b));
    return bindings.back();
}

void CvSNMPRequest2Edits::BindPart(int varIndex, int offset, qint32 subSyntax,
    const CvOptionList *options, QWidget *control, QLineEdit *second)
{
    if (!control)
        RaiseEngine(EngineCode::BadControlType);
    const CvSNMPVariable &var = request.varList.Var(varIndex);
    const CvOptionList *list = options;
    if (!list && offset == 0 && subSyntax == var.syntax)
        list = var.options;
    auto *combo = qobject_cast<QComboBox *>(control);
    auto *radio = qobject_cast<CvRadioGroup *>(control);
    if (combo || radio) {
        if (!list)
            RaiseEngine(EngineCode::NoOptionList);
        // A prefix value needs the edit for its remainder beside a combo box.
        if (combo && list->valueType() == CvOptionList::TextPrefixes && !second)
            RaiseEngine(EngineCode::TooFewControls);
        if (combo) {
            // No item until a read gives one: the first option is no value
            // anybody read or chose.
            FillItems(*list, combo);
            combo->setCurrentIndex(-1);
        } else {
            QStringList texts;
            FillItems(*list, texts);
            radio->setItems(texts);
        }
    }
    // A check box showing neither value (fillBinding) takes one of the two
    // at the operator's first click.
    if (auto *box = qobject_cast<QCheckBox *>(control))
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
    Binding &b = addBinding(varIndex, offset, subSyntax, list);
    b.controls.append(control);
    if (second)
        b.controls.append(second);
}

void CvSNMPRequest2Edits::BindControl(int varIndex, QWidget *control)
{
    BindPart(varIndex, 0, request.varList.Var(varIndex).syntax, nullptr, control);
}

void CvSNMPRequest2Edits::BindStaticText(int varIndex, QLabel *label)
{
    BindControl(varIndex, label);
}

void CvSNMPRequest2Edits::BindComboBox(int varIndex, QComboBox *combo)
{
    if (combo)
        combo->setEditable(false);
    BindControl(varIndex, combo);
}

void CvSNMPRequest2Edits::BindEdit(int varIndex, const QString &format, QLineEdit *edit)
{
    BindEdit(varIndex, format, QList<QLineEdit *> {edit});
}

void CvSNMPRequest2Edits::BindEdit(
    int varIndex, const QString &format, const QList<QLineEdit *> &edits)
{
    const qint32 syntax = request.varList.Var(varIndex).syntax;
    const int wanted = qMax(1, CountFormatEdits(format));
    if (edits.size() < wanted || edits.mid(0, wanted).contains(nullptr))
        RaiseEngine(EngineCode::TooFewControls);
    const QList<QLineEdit *> taken = edits.mid(0, wanted);
    constraints.AddConstraints(format, taken);
    Binding &b = addBinding(varIndex, 0, syntax, nullptr);
    for (QLineEdit *edit : taken)
        b.controls.append(edit);
}

void CvSNMPRequest2Edits::BindCheckBoxList(
    int varIndex, const QString &bitList, const QList<QCheckBox *> &boxes)
{
    const qint32 syntax = request.varList.Var(varIndex).syntax;
    const QList<int> numbers = ParseBitNumbers(bitList);
    if (boxes.size() < numbers.size())
        RaiseEngine(EngineCode::TooFewControls);
    Binding &b = addBinding(varIndex, 0, syntax, nullptr);
    b.bitNumbers = numbers;
    for (qsizetype k = 0; k < numbers.size(); ++k)
        b.controls.append(boxes.at(k));
}

// ---- list view ----

void CvSNMPRequest2Edits::BindListView(QTreeWidget *view, bool autoSelect)
{
    listView = view;
    enableOnSelect = autoSelect;
    if (!view)
        return;
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true); // one line per row; spares a long table's layouts
    // The selected row stays marked while another control has the focus.
    QPalette palette = view->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
    connect(view, &QTreeWidget::itemSelectionChanged, this, &CvSNMPRequest2Edits::ShowSelectedRow,
        Qt::UniqueConnection);
    makeColumns();
}

QList<int> CvSNMPRequest2Edits::columnVariables() const
{
    const CvSNMPVarList &list = request.varList;
    QList<int> vars;
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsHiddenColumn(i))
            vars.append(i);
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsShownColumn(i))
            vars.append(i);
    return vars;
}

void CvSNMPRequest2Edits::makeColumns()
{
    if (!listView)
        return;
    const CvSNMPVarList &list = request.varList;
    const QList<int> vars = columnVariables();
    // A new QTreeWidget has one column captioned "1": none of the window's.
    int existing = listView->columnCount();
    if (existing == 1 && listView->headerItem()->text(0) == QLatin1String("1"))
        existing = 0;
    if (existing >= vars.size())
        return;
    QStringList captions;
    for (int i : vars)
        captions.append(list.Var(i).label);
    listView->setColumnCount(int(vars.size()));
    listView->setHeaderLabels(captions);
    QHeaderView *header = listView->header();
    header->setStretchLastSection(false);
    const int hidden = list.CountHiddenColumns();
    for (int c = 0; c < vars.size(); ++c) {
        listView->setColumnHidden(c, c < hidden);
        if (c >= hidden)
            header->resizeSection(c, header->sectionSizeHint(c));
    }
}

// The columns as the rows were read: a write may have masked variables
// since, and masked variables count as hidden columns, which would shift
// every column after them onto the wrong variable.
QList<int> CvSNMPRequest2Edits::rowColumns() const
{
    return m_rowColumns.isEmpty() ? columnVariables() : m_rowColumns;
}

void CvSNMPRequest2Edits::takeSelectedRow()
{
    if (m_writeRow) {
        loadRow(*m_writeRow);
        return;
    }
    if (!listView)
        return;
    const QList<QTreeWidgetItem *> selected = SelectedRows();
    if (selected.isEmpty())
        return;
    QStringList texts;
    for (int c = 0; c < selected.first()->columnCount(); ++c)
        texts.append(selected.first()->text(c));
    loadRow(texts);
}

void CvSNMPRequest2Edits::loadRow(const QStringList &texts)
{
    const QList<int> vars = rowColumns();
    for (int c = 0; c < vars.size(); ++c)
        request.varList.Var(vars.at(c)).value = texts.value(c);
}

void CvSNMPRequest2Edits::setControlsEnabled(bool enabled)
{
    for (const Binding &b : bindings)
        for (const QPointer<QWidget> &control : b.controls)
            if (control)
                control->setEnabled(enabled);
}

void CvSNMPRequest2Edits::ShowSelectedRow()
{
    if (!listView)
        return;
    const QList<QTreeWidgetItem *> selected = SelectedRows();
    ListViewSelectItem(listView, selected.value(0), !selected.isEmpty());
}

void CvSNMPRequest2Edits::ListViewSelectItem(QTreeWidget *, QTreeWidgetItem *item, bool selected)
{
    if (!selected || !item)
        return;
    if (enableOnSelect)
        setControlsEnabled(true);
    // A signal handler must not throw: a value the controls cannot show is
    // reported like any other error of this object.
    try {
        takeSelectedRow();
        FillControls(-1);
        blankDiffering();
    } catch (const CvException &e) {
        if (messageTarget)
            ShowError(e.message());
        else
            showMessageBox(e.message());
    }
}

// ---- read and write hooks ----

void CvSNMPRequest2Edits::BeginRead()
{
    if (!listView)
        return;
    m_pendingRows.clear();
    m_rowTimer.stop();
    m_rowTimer.setInterval(RowBatchMs);
    makeColumns();
    m_rowColumns = columnVariables();
    listView->clear();
}

void CvSNMPRequest2Edits::AddRow()
{
    if (!listView) {
        FillControls(-1);
        return;
    }
    if (m_rowColumns.isEmpty()) // the list view was bound during the read
        m_rowColumns = columnVariables();
    QStringList texts;
    texts.reserve(m_rowColumns.size());
    for (int i : std::as_const(m_rowColumns))
        texts.append(request.varList.Var(i).value);
    m_pendingRows.push_back(std::make_unique<QTreeWidgetItem>(texts));
}

// The rows of an answer go in together; when the last batch went in less
// than an interval ago, they wait for the timer and go with the rows of
// the answers that come meanwhile.
void CvSNMPRequest2Edits::AnswerDone()
{
    if (m_pendingRows.empty() || m_rowTimer.isActive())
        return;
    flushRows();
    m_rowTimer.start();
}

void CvSNMPRequest2Edits::rowTimerFired()
{
    if (m_pendingRows.empty())
        return;
    flushRows();
    m_rowTimer.start();
}

void CvSNMPRequest2Edits::flushRows()
{
    if (m_pendingRows.empty())
        return;
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(m_pendingRows.size()));
    for (auto &row : m_pendingRows)
        items.append(row.release());
    m_pendingRows.clear();
    if (!listView) {
        qDeleteAll(items);
        return;
    }
    // One insertion and one repaint for the whole batch: the list lays out,
    // paints and tells assistive tools once.
    const bool updates = listView->updatesEnabled();
    listView->setUpdatesEnabled(false);
    listView->addTopLevelItems(items); // the list view owns them now
    listView->setUpdatesEnabled(updates);
    // Rows below the visible area only lengthen the scroll bar, yet every
    // batch lays out all rows and repaints the view: while the last row is
    // out of sight, batches come less often.
    const QRect last = listView->visualItemRect(items.constLast());
    m_rowTimer.setInterval(
        last.top() >= listView->viewport()->height() ? RowBatchHiddenMs : RowBatchMs);
}

void CvSNMPRequest2Edits::TakeControls()
{
    // The controls give the values; a window without a list view keeps
    // the mark of values the agent did not hold, so that they stay out
    // of the write unless the operator fills them in (the selected row of
    // a list view brings its own).
    for (CvSNMPVariable &var : request.varList.vars)
        if (listView || !IsAbsentValue(var.value))
            var.value.clear();
    takeSelectedRow();
    TakeControls(-1);
    leaveOutUnchosen();
}

// A variable whose controls all show no value anybody read or chose (a
// combo box or radio group without an item, a check box in neither state,
// edits the program emptied) has no value to send: it is left out of this
// write, as the agent's value is nobody's choice to change. Index variables
// address the row and always go.
void CvSNMPRequest2Edits::leaveOutUnchosen()
{
    CvSNMPVarList &list = request.varList;
    const int first = list.IsTableKind() ? list.indexCount : 0;
    for (int i = first; i < list.Count(); ++i) {
        if (!list.IsSendable(i))
            continue;
        bool bound = false;
        bool unchosen = true;
        for (const Binding &b : bindings) {
            if (b.varIndex != i || !b.controls.value(0))
                continue;
            bound = true;
            unchosen = unchosen && showsNoChoice(b);
        }
        if (bound && unchosen) {
            list.Var(i).access |= AccessInvalid;
            m_leftOut.append(i);
        }
    }
}

void CvSNMPRequest2Edits::WriteSent()
{
    for (int i : std::exchange(m_leftOut, {}))
        request.varList.Var(i).access &= ~AccessInvalid;
}

void CvSNMPRequest2Edits::ReportReadError(const CvSNMPError &error)
{
    m_rowTimer.stop();
    flushRows(); // the rows read before the failure stay shown
    CvSNMPRequest2Controls::ReportReadError(error);
}

void CvSNMPRequest2Edits::EndRead()
{
    m_rowTimer.stop();
    flushRows();
    if (listView && enableOnSelect && request.varList.kind == MVT_FMV)
        setControlsEnabled(false);
}
