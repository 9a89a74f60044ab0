#include "TPortTrunkForm.h"

#include "ui_TPortTrunkForm.h"

#include "CvSNMPRequest2Edits.h"
#include "FieldColours.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "MainWindowState.h"
#include "PortEdits.h"
#include "PortGrids.h"
#include "PortVariables.h"
#include "SelectiveWrite.h"
#include "TStackingPortUitForm.h"

#include <QCheckBox>

namespace {

bool anyRowReads(const QTreeWidget *list, const QString &caption, const QString &text)
{
    const int column = ColumnCaptioned(list, caption);
    if (column < 0)
        return false;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        if (list->topLevelItem(r)->text(column) == text)
            return true;
    return false;
}

} // namespace

TPortTrunkForm::TPortTrunkForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TPortTrunkForm>())
{
    ui->setupUi(this);
    ui->ED_MasterPort->hide();
    ui->Combo_State->hide();
    AcceptDigitsOnly(ui->UnitEdit, 2);
    AcceptDigitsOnly(ui->PortEdit, 2);
    connect(ui->BT_Get, &QPushButton::clicked, this, &TPortTrunkForm::BT_GetClick);
    connect(ui->BT_Set, &QPushButton::clicked, this, &TPortTrunkForm::BT_AddClick);
    connect(ui->SetBtn, &QPushButton::clicked, this, &TPortTrunkForm::SetBtnClick);
    connect(ui->BT_Delete, &QPushButton::clicked, this, &TPortTrunkForm::BT_DeleteClick);
    connect(
        ui->Combo_State, &QComboBox::currentIndexChanged, this, &TPortTrunkForm::Combo_StateChange);
}

TPortTrunkForm::~TPortTrunkForm() = default;

void TPortTrunkForm::FormCreate()
{
    const QList<TStackingPortUitForm *> grids = BuildPortGrids(
        this, {ui->StackingPortPanel},
        [this](const QString &text) { ui->StatusBar1->showMessage(text); },
        [this] { return Closed(); });
    if (Closed() || grids.size() != 1)
        return;
    m_grid = grids.at(0);
    if (MainWindowState *main = MainWindowState::instance())
        setWindowTitle(QStringLiteral("Port Trunk Table :") + main->AgentAddress());
    m_request = AddRequest(TrunkVars, MVT_UMV, 1);
    Run(m_request, [&] {
        using namespace Trunk;
        m_request->BindListView(ui->LV_PortTrunk, true);
        // After the binding's own handler: the row is in the controls then.
        OnListClick(*m_request, this, &TPortTrunkForm::LV_PortTrunkClick);
        m_request->BindEdit(Index, QStringLiteral("%i{n1x32}"), ui->ED_Index);
        m_request->BindEdit(Name, QStringLiteral("%s{l12}"), ui->ED_Name);
        // Any logical port of the stack; Add and Set check that the unit is
        // there and the port shown.
        m_request->BindEdit(Master, QStringLiteral("%i{n1x768l3}"), ui->ED_MasterPort);
        m_request->BindCheckBoxList(
            Members, TStackingPortUitForm::BitList(), m_grid->PortCheckBoxes);
        m_request->BindStaticText(Flooding, ui->ST_FloodingPort);
        m_request->BindComboBox(Type, ui->Combo_Type);
        m_request->BindComboBox(State, ui->Combo_State);
        m_request->SetMessageTarget(ui->StatusBar1);
        m_request->Read();
    });
    ui->Combo_Type->setCurrentIndex(-1);
    newGroupPane();
}

// The pane for a new group: Index editable and empty, no name.
void TPortTrunkForm::newGroupPane()
{
    ui->ED_Index->setEnabled(true);
    PaintAsField(ui->ED_Index);
    ui->ED_Index->clear();
    ui->ED_Name->clear();
}

void TPortTrunkForm::BT_GetClick()
{
    if (!m_request)
        return;
    if (!AnyBusy())
        Run(m_request, [this] { m_request->Read(); });
    newGroupPane();
}

void TPortTrunkForm::LV_PortTrunkClick()
{
    const QList<QTreeWidgetItem *> selected = ui->LV_PortTrunk->selectedItems();
    if (selected.isEmpty()) {
        BT_GetClick();
        return;
    }
    ui->ED_Index->setEnabled(false);
    PaintAsButtonFace(ui->ED_Index);
    bool ok = false;
    const int master = ui->ED_MasterPort->text().toInt(&ok);
    if (ok && master > 0) {
        ui->UnitEdit->setText(QString::number(LogicalPort::UnitOf(master)));
        ui->PortEdit->setText(QString::number(LogicalPort::PortOf(master)));
    }
    const int column = ColumnCaptioned(ui->LV_PortTrunk, QStringLiteral("Trunk State"));
    const QString state = column >= 0 ? selected.first()->text(column) : QString();
    if (state == QLatin1String("enable") || state == QLatin1String("disable"))
        ui->ComboBox1->setCurrentText(state);
}

void TPortTrunkForm::Combo_StateChange()
{
    const QString state = ui->Combo_State->currentText();
    if (state == QLatin1String("enable") || state == QLatin1String("disable"))
        ui->ComboBox1->setCurrentText(state);
}

// The hidden state box takes its item by text: its list is not the
// standard row-status list, so item numbers would name other states.
void TPortTrunkForm::setState(const QString &text)
{
    ui->Combo_State->setCurrentIndex(ui->Combo_State->findText(text));
}

// The master's logical port when it is a port the grid shows and its box is
// ticked; 0 after the refusal has been answered.
int TPortTrunkForm::masterPort()
{
    bool ok = false;
    const int unit = ui->UnitEdit->text().toInt(&ok);
    const QCheckBox *first = ok ? m_grid->Port(unit, 1) : nullptr;
    if (!first || first->isHidden()) {
        RefuseInput(QString::fromLatin1(MasterUnchecked), ui->UnitEdit);
        return 0;
    }
    const int master = ShownPort(*m_grid, ui->UnitEdit->text(), ui->PortEdit->text());
    if (master == 0 || !m_grid->PortCheckBoxes.at(master - 1)->isChecked()) {
        RefuseInput(QString::fromLatin1(MasterUnchecked), ui->PortEdit);
        return 0;
    }
    return master;
}

// Two to eight members, counted over every unit of the stack: the ninth
// box ticked, in port order, is unticked again.
bool TPortTrunkForm::CheckTrunkMembers()
{
    int count = 0;
    for (QCheckBox *box : std::as_const(m_grid->PortCheckBoxes)) {
        if (!box->isChecked())
            continue;
        if (++count > 8) {
            box->setChecked(false);
            RefuseInput(QString::fromLatin1(OverEight), ui->PortEdit);
            return false;
        }
    }
    if (count < 2) {
        RefuseInput(QString::fromLatin1(UnderTwo), ui->PortEdit);
        return false;
    }
    return true;
}

void TPortTrunkForm::BT_AddClick()
{
    if (AnyBusy() || !m_request)
        return;
    const QString index = ui->ED_Index->text();
    if (index.isEmpty())
        return RefuseInput(QString::fromLatin1(IndexEmpty), ui->ED_Index);
    if (RowWithCaption(ui->LV_PortTrunk, index))
        return RefuseInput(QString::fromLatin1(IndexTaken), ui->ED_Index);
    if (ui->UnitEdit->text().isEmpty())
        return RefuseInput(QString::fromLatin1(UnitEmpty), ui->UnitEdit);
    if (ui->PortEdit->text().isEmpty())
        return RefuseInput(QString::fromLatin1(PortEmpty), ui->PortEdit);
    if (ui->Combo_Type->currentIndex() < 0)
        return RefuseInput(QString::fromLatin1(NoType), ui->Combo_Type);
    const int unit = ui->UnitEdit->text().toInt();
    const int port = ui->PortEdit->text().toInt();
    if (anyRowReads(ui->LV_PortTrunk, QStringLiteral("Master Port"),
            QString::number(LogicalPort::Of(unit, port))))
        return RefuseInput(QString::fromLatin1(MasterTaken), ui->UnitEdit);
    const int master = masterPort();
    if (master == 0)
        return;
    ui->ED_MasterPort->setText(QString::number(master));
    setState(QStringLiteral("createAndGo"));
    if (!CheckTrunkMembers())
        return;
    Run(m_request, [this] { m_request->Write(true, true); });
}

void TPortTrunkForm::SetBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    if (ui->ED_Index->text().isEmpty())
        return RefuseInput(QString::fromLatin1(NoGroup), ui->ED_Index);
    if (ui->UnitEdit->text().isEmpty())
        return RefuseInput(QString::fromLatin1(UnitEmpty), ui->UnitEdit);
    if (ui->PortEdit->text().isEmpty())
        return RefuseInput(QString::fromLatin1(PortEmpty), ui->PortEdit);
    setState(ui->ComboBox1->currentText());
    const int master = masterPort();
    if (master == 0)
        return;
    ui->ED_MasterPort->setText(QString::number(master));
    if (!CheckTrunkMembers())
        return;
    Run(m_request, [this] { m_request->Write(true, true); });
    Combo_StateChange();
    newGroupPane();
}

// The group named by Index goes; its name, master and members are not
// sent, only its type and the destroy status.
void TPortTrunkForm::BT_DeleteClick()
{
    if (AnyBusy() || !m_request)
        return;
    if (ui->ED_Index->text().isEmpty())
        return RefuseInput(QString::fromLatin1(NoGroup), ui->ED_Index);
    setState(QStringLiteral("destroy"));
    using namespace Trunk;
    Run(m_request, [this] { WriteExcluding(*m_request, {Name, Master, Members, Flooding}); });
    newGroupPane();
}
