#include "TAclTableForm.h"

#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "SelectiveWrite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTreeWidget>

TAclTableForm::TAclTableForm(QWidget *owner)
    : THandLaidForm(owner)
{
}

void TAclTableForm::CreateTable(
    const CvSNMPVar *vars, int indexCount, const Pane &pane, const std::function<void()> &bind)
{
    m_pane = pane;
    FollowRowCount(m_pane.list, m_pane.count);
    m_request = AddRequest(vars, MVT_UMV, indexCount);
    Run(m_request, [&] {
        m_request->BindListView(m_pane.list, true);
        OnListClick(*m_request, this, &TAclTableForm::ListClick);
        bind();
        m_request->SetMessageTarget(m_pane.status);
    });
    ClearPane();
    ShowNoSelection();
    PaneChanged();
    Run(m_request, [this] { m_request->Read(); });
    PaneChanged();
}

bool TAclTableForm::Ready() const
{
    return m_request && !AnyBusy();
}

void TAclTableForm::ShowNoSelection()
{
    m_pane.edit->setEnabled(false);
    m_pane.remove->setEnabled(false);
    m_pane.add->setEnabled(true);
    for (QLineEdit *key : std::as_const(m_pane.keys))
        key->setEnabled(true);
    m_pane.rowStatus->setCurrentIndex(RowStatusItem::CreateAndGo);
}

void TAclTableForm::ClearPane()
{
    m_clearing = true;
    m_pane.list->clearSelection();
    m_clearing = false;
    for (QLineEdit *edit : std::as_const(m_pane.edits))
        edit->clear();
    CheckAll(false);
}

void TAclTableForm::CheckAll(bool checked)
{
    for (QCheckBox *box : std::as_const(m_pane.includes))
        box->setChecked(checked);
}

void TAclTableForm::ListClick()
{
    if (m_clearing)
        return;
    const QList<QTreeWidgetItem *> selected = m_pane.list->selectedItems();
    if (selected.isEmpty()) {
        ShowNoSelection();
    } else {
        for (int k = 0; k < m_pane.keys.size(); ++k) {
            m_pane.keys[k]->setText(selected.first()->text(k));
            m_pane.keys[k]->setEnabled(false);
        }
        m_pane.edit->setEnabled(true);
        m_pane.remove->setEnabled(true);
        m_pane.add->setEnabled(false);
    }
    PaneChanged();
}

void TAclTableForm::Refresh()
{
    if (!Ready())
        return;
    Run(m_request, [this] { m_request->Read(); });
    ShowNoSelection();
    ClearPane();
    PaneChanged();
}

bool TAclTableForm::Filled(QLineEdit *edit, const QString &text)
{
    if (!edit->text().trimmed().isEmpty())
        return true;
    RefuseInput(text, edit);
    return false;
}

bool TAclTableForm::HexOf(QLineEdit *edit, int octets, const QString &label)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]*$"));
    const QString text = edit->text().trimmed();
    if (text.isEmpty()) {
        RefuseInput(QString::fromLatin1(EmptyEdit).arg(label), edit);
        return false;
    }
    if (text.size() == octets * 2 && hex.match(text).hasMatch())
        return true;
    RefuseInput(QString::fromLatin1(HexLength).arg(label).arg(octets * 2), edit);
    return false;
}

bool TAclTableForm::Accepted(const QList<QLineEdit *> &edits)
{
    return EditsAccepted(*m_request, edits);
}

bool TAclTableForm::KeysTaken() const
{
    for (int r = 0; r < m_pane.list->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *row = m_pane.list->topLevelItem(r);
        bool same = true;
        for (int k = 0; k < m_pane.keys.size() && same; ++k)
            same = row->text(k) == m_pane.keys.at(k)->text().trimmed();
        if (same)
            return true;
    }
    return false;
}

void TAclTableForm::WriteRow(const QList<int> &excluded)
{
    Run(m_request, [&] { WriteExcluding(*m_request, excluded); });
    ShowNoSelection();
    ClearPane();
    PaneChanged();
}

void TAclTableForm::DeleteRow(int rowStatus, int varCount)
{
    m_pane.rowStatus->setCurrentIndex(RowStatusItem::Destroy);
    QList<int> excluded;
    for (int i = int(m_pane.keys.size()); i < varCount; ++i)
        if (i != rowStatus)
            excluded.append(i);
    WriteRow(excluded);
}
