#include "TStaticFilterForm.h"

#include "CvSNMPRequest2Edits.h"
#include "FilteringVariables.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "TStackingPortUitForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

TStaticFilterForm::TStaticFilterForm(
    QWidget *owner, const CvSNMPVar *table, PortCountRule rule, Entries entries)
    : THandLaidForm(owner)
    , m_table(table)
    , m_rule(rule)
    , m_entries(entries)
{
}

TStaticFilterForm::~TStaticFilterForm() = default;

void TStaticFilterForm::Attach(const Controls &controls)
{
    m_ui = controls;
    const bool listed = m_entries == Entries::ListedAndRemoved;
    m_ui.vid->setReadOnly(listed);
    m_ui.address->setReadOnly(listed);
    connect(m_ui.refresh, &QPushButton::clicked, this, &TStaticFilterForm::RefreshBtnClick);
    FollowRowCount(m_ui.list, m_ui.count);
}

void TStaticFilterForm::FormCreate()
{
    const QList<TStackingPortUitForm *> grids = BuildPortGrids(
        this, {m_ui.ports}, [this](const QString &text) { m_ui.memo->appendPlainText(text); },
        [this] { return Closed(); }, m_rule);
    if (Closed() || grids.size() != 1)
        return;
    m_grid = grids.at(0);
    m_request = AddRequest(m_table, MVT_UMV, 3);
    Run(m_request, [&] {
        using namespace StaticFilter;
        m_request->BindListView(m_ui.list, true);
        // After the binding's own handler: the entry is in the pane then.
        OnListClick(*m_request, this, &TStaticFilterForm::ListClick);
        m_request->BindEdit(VlanId, QStringLiteral("%i{n1x4094}"), m_ui.vid);
        m_request->BindEdit(Address, QStringLiteral("%h"), m_ui.address);
        m_request->BindCheckBoxList(Ports, TStackingPortUitForm::BitList(), m_grid->PortCheckBoxes);
        m_request->BindComboBox(Status, m_ui.status);
        m_request->SetMessageTarget(m_ui.memo);
        m_request->Read();
    });
    ClearPane();
}

void TStaticFilterForm::enablePane(bool enabled)
{
    enabled = enabled || m_entries == Entries::Written;
    if (m_grid)
        m_grid->setEnabled(enabled);
    m_ui.status->setEnabled(enabled);
}

void TStaticFilterForm::ClearPane()
{
    m_clearing = true;
    m_ui.list->clearSelection();
    m_clearing = false;
    if (m_grid)
        m_grid->UncheckAll();
    m_ui.vid->clear();
    m_ui.address->clear();
    m_ui.status->setCurrentIndex(-1);
    enablePane(false);
}

// An entry whose port list is not whole is not shown: the boxes it does not
// reach would keep the ports of the entry shown before.
void TStaticFilterForm::ListClick()
{
    if (m_clearing || !m_request)
        return;
    if (SelectedCaption(m_ui.list).isEmpty()
        || !HoldsWholePortList(m_request->request.varList, StaticFilter::Ports)) {
        ClearPane();
        return;
    }
    enablePane(true);
}

bool TStaticFilterForm::EntryChosen()
{
    if (!SelectedCaption(m_ui.list).isEmpty() && m_grid && m_grid->isEnabled())
        return true;
    RefuseInput(QString::fromLatin1(ChooseItem), m_ui.list);
    return false;
}

void TStaticFilterForm::RefreshBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
    ClearPane();
}
