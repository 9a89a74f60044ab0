#pragma once

#include <QList>
#include <QString>

#include <functional>

class CvSNMPVarList;
class QScrollArea;
class QWidget;
class TStackingPortUitForm;

// How a grid window decides the number of ports a unit shows: most take
// 26 for the TRV-8140 models and 50 for the TRV-8170 models, else the
// unit's port range; the multicast filter window always the port range.
enum class PortCountRule { ByModel, PortRange };

// Builds one stack port grid in each host scroll box (owned by owner) from
// the main window's unit list: sheets "Unit1" to "Unit12", then, for the
// rows up to the first "not-exist" one, each unit's sheet and ports shown.
// An empty unit list is read first and awaited; its error goes to
// reportError and building goes on with all sheets hidden. Empty when the
// owner was closed or destroyed during that wait (giveUp says closed).
QList<TStackingPortUitForm *> BuildPortGrids(QWidget *owner, const QList<QScrollArea *> &hosts,
    const std::function<void(const QString &)> &reportError,
    const std::function<bool()> &giveUp = {}, PortCountRule rule = PortCountRule::ByModel);

// True when variable i holds a whole port list: all 768 bits of a grid. A
// shorter value cannot be shown without leaving boxes as they were.
bool HoldsWholePortList(const CvSNMPVarList &list, int i);
