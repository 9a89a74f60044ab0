// The rules a switch keeps for its per-VLAN multicast port sets (forward all
// groups, forward unregistered groups): no port is both a static and a
// forbidden member, and the set in use is what the switch learned plus the
// static ports, less the forbidden ones.
#include "Simulation.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

namespace trvsim {

namespace {

// Columns 1 (in use, read-only), 2 (static) and 3 (forbidden).
constexpr unsigned inUseColumn = 1;
constexpr unsigned staticColumn = 2;
constexpr unsigned forbiddenColumn = 3;

std::string cell(const Table &table, const Row &row, unsigned number)
{
    const int pos = table.columnPosition(number);
    if (pos < 0 || static_cast<size_t>(pos) >= row.cells.size()
        || !row.cells[static_cast<size_t>(pos)])
        return {};
    return row.cells[static_cast<size_t>(pos)]->bytes;
}

} // namespace

bool Simulation::attachForwardSets(Table &table)
{
    // The columns are read after the behaviour is attached: they are found
    // by number as values are checked and answered.
    table.behaviour.validate = [](const Table &t, const Oid &, const Row &row) {
        const std::string statics = cell(t, row, staticColumn);
        const std::string forbidden = cell(t, row, forbiddenColumn);
        for (int bit = 0; bit < portListOctets * 8; ++bit)
            if (portListHas(statics, bit) && portListHas(forbidden, bit))
                return int(SNMP_ERR_INCONSISTENTVALUE);
        return int(SNMP_ERR_NOERROR);
    };
    table.behaviour.present = [&table](const Oid &index, const Column &column, Value &value) {
        if (column.number != inUseColumn)
            return;
        const auto row = table.rows.find(index);
        if (row == table.rows.end())
            return;
        const std::string statics = cell(table, row->second, staticColumn);
        const std::string forbidden = cell(table, row->second, forbiddenColumn);
        std::string &ports = value.bytes;
        ports.resize(portListOctets, '\0');
        for (size_t i = 0; i < ports.size(); ++i) {
            const auto add = static_cast<unsigned char>(i < statics.size() ? statics[i] : 0);
            const auto drop = static_cast<unsigned char>(i < forbidden.size() ? forbidden[i] : 0);
            ports[i] = static_cast<char>((static_cast<unsigned char>(ports[i]) | add) & ~drop);
        }
    };
    return true;
}

} // namespace trvsim
