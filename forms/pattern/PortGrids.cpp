#include "PortGrids.h"

#include "CvException.h"
#include "CvPartialData.h"
#include "CvSNMPRequest2Edits.h"
#include "MainWindowState.h"
#include "RequestWaits.h"
#include "TStackingPortUitForm.h"

#include <QPointer>
#include <QScrollArea>
#include <QTreeWidget>

namespace {

// A walk of the unit table: one PDU per unit and one past the last.
constexpr int UnitListPdus = TStackingPortUitForm::Units + 1;

void readUnitList(MainWindowState &main, const std::function<void(const QString &)> &reportError,
    const std::function<bool()> &giveUp)
{
    QTreeWidget *list = main.UnitListView();
    CvSNMPRequest2Edits *binding = main.UnitListBinding();
    if (!list || list->topLevelItemCount() > 0 || !binding)
        return;
    try {
        binding->Read(); // false when it is being read already: wait for that
    } catch (const CvException &e) {
        if (reportError)
            reportError(e.message());
        return;
    }
    WaitUntilIdle(binding, AnswerWaitMs(*binding, UnitListPdus), giveUp);
}

struct ShownUnit
{
    QString id;
    QString model;
    int portCount = 0;
};

QList<ShownUnit> shownUnits(const QTreeWidget &list, PortCountRule rule)
{
    QList<ShownUnit> units;
    for (int r = 0; r < list.topLevelItemCount(); ++r) {
        const QTreeWidgetItem *row = list.topLevelItem(r);
        if (row->text(1 + UnitStateItem) == QLatin1String("not-exist"))
            break;
        ShownUnit u;
        u.id = row->text(0);
        u.model = row->text(1 + UnitModelItem);
        const int range = row->text(1 + UnitPortRangeItem).trimmed().toInt();
        const bool small
            = u.model == QLatin1String("TRV-8140QL") || u.model == QLatin1String("TRV-8140PQL");
        const bool large
            = u.model == QLatin1String("TRV-8170QL") || u.model == QLatin1String("TRV8170QL");
        if (small)
            u.model = QStringLiteral("TRV-8140PQL");
        if (rule == PortCountRule::PortRange)
            u.portCount = range;
        else
            u.portCount = small ? 26 : large ? 50 : range;
        units.append(u);
    }
    return units;
}

} // namespace

QList<TStackingPortUitForm *> BuildPortGrids(QWidget *owner, const QList<QScrollArea *> &hosts,
    const std::function<void(const QString &)> &reportError, const std::function<bool()> &giveUp,
    PortCountRule rule)
{
    const QPointer<QWidget> window(owner);
    MainWindowState *main = MainWindowState::instance();
    if (main)
        readUnitList(*main, reportError, giveUp);
    if (!window || (giveUp && giveUp()))
        return {};

    QList<TStackingPortUitForm *> grids;
    for (QScrollArea *host : hosts) {
        auto *grid = new TStackingPortUitForm(host);
        host->setWidget(grid);
        host->setWidgetResizable(true);
        grid->show();
        grids.append(grid);
    }
    for (int u = 1; u <= TStackingPortUitForm::Units; ++u)
        for (TStackingPortUitForm *grid : std::as_const(grids))
            grid->AddUnitPage(QStringLiteral("Unit%1").arg(u),
                (u - 1) * TStackingPortUitForm::PortsPerUnit + 1,
                TStackingPortUitForm::PortsPerUnit, 12);

    const QTreeWidget *list = main ? main->UnitListView() : nullptr;
    if (!list)
        return grids;
    for (const ShownUnit &u : shownUnits(*list, rule))
        for (TStackingPortUitForm *grid : std::as_const(grids))
            grid->ShowUnit(u.id, u.model, u.portCount);
    return grids;
}

bool HoldsWholePortList(const CvSNMPVarList &list, int i)
{
    try {
        BitsOf(list, i, 0, {TStackingPortUitForm::BoxCount - 1});
        return true;
    } catch (const CvException &) {
        return false;
    }
}
