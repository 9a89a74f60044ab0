// The rules a switch keeps for its port groups: the mirror target is a port
// of the stack and not one of its own source ports; a trunk's master is one
// of its two to eight members, all ports of the stack, and no port is in two
// trunks.
#include "Simulation.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

namespace trvsim {

namespace {

constexpr std::string_view mirrorTarget = "swL2MirrorLogicTargetPort";
constexpr std::string_view mirrorIngress = "swL2MirrorPortSourceIngress";
constexpr std::string_view mirrorEgress = "swL2MirrorPortSourceEgress";

} // namespace

// A logical port (u-1)*64+p is in the stack when unit u is present and p is
// within its port range.
bool Simulation::stackPort(int64_t logical) const
{
    if (logical < 1)
        return false;
    const int unit = static_cast<int>((logical - 1) / 64) + 1;
    const int port = static_cast<int>((logical - 1) % 64) + 1;
    return stack_.unit(unit) && port <= stack_.portCount(unit);
}

int Simulation::validateMirror(const Mib::Transaction &txn) const
{
    const Scalar *target = mib_.findScalar(mirrorTarget);
    const Scalar *ingress = mib_.findScalar(mirrorIngress);
    const Scalar *egress = mib_.findScalar(mirrorEgress);
    if (!target || !ingress || !egress)
        return SNMP_ERR_NOERROR;
    bool touched = false;
    auto after = [&](const Scalar *s) {
        for (const auto &[scalar, value] : txn.scalarValues)
            if (scalar == s) {
                touched = true;
                return value;
            }
        return s->value;
    };
    const Value t = after(target);
    const Value in = after(ingress);
    const Value out = after(egress);
    if (!touched)
        return SNMP_ERR_NOERROR;
    const int64_t port = t.integer();
    if (!stackPort(port))
        return SNMP_ERR_INCONSISTENTVALUE;
    const int bit = static_cast<int>(port - 1);
    if (portListHas(in.bytes, bit) || portListHas(out.bytes, bit))
        return SNMP_ERR_INCONSISTENTVALUE;
    return SNMP_ERR_NOERROR;
}

int Simulation::validateTrunk(const Table &table, const Oid &index, const Row &row) const
{
    const int master = table.columnPosition("swL2TrunkMasterPort");
    const int member = table.columnPosition("swL2TrunkMember");
    if (master < 0 || member < 0)
        return SNMP_ERR_NOERROR;
    const auto &masterCell = row.cells.at(static_cast<size_t>(master));
    const auto &memberCell = row.cells.at(static_cast<size_t>(member));
    if (!masterCell || !memberCell)
        return SNMP_ERR_NOERROR; // not ready yet: the status says so
    const std::string &members = memberCell->bytes;
    int count = 0;
    for (int bit = 0; bit < portListOctets * 8; ++bit) {
        if (!portListHas(members, bit))
            continue;
        ++count;
        if (!stackPort(bit + 1))
            return SNMP_ERR_INCONSISTENTVALUE;
        for (const auto &[other, otherRow] : table.rows) {
            if (other == index || otherRow.cells.size() <= static_cast<size_t>(member))
                continue;
            const auto &cell = otherRow.cells[static_cast<size_t>(member)];
            if (cell && portListHas(cell->bytes, bit))
                return SNMP_ERR_INCONSISTENTVALUE;
        }
    }
    const int64_t m = masterCell->integer();
    if (count < 2 || count > 8 || m < 1 || !portListHas(members, static_cast<int>(m - 1)))
        return SNMP_ERR_INCONSISTENTVALUE;
    return SNMP_ERR_NOERROR;
}

// The flooding port of a trunk is its master.
void Simulation::followTrunkMasters(Table &table) const
{
    const int master = table.columnPosition("swL2TrunkMasterPort");
    const int flooding = table.columnPosition("swL2TrunkFloodingPort");
    if (master < 0 || flooding < 0)
        return;
    for (auto &[index, row] : table.rows) {
        row.cells.resize(table.columns.size());
        if (const auto &m = row.cells[static_cast<size_t>(master)])
            row.cells[static_cast<size_t>(flooding)] = *m;
    }
}

} // namespace trvsim
