// Rules of the layer 3 relay and routing tables that data cannot say: a
// BOOTP relay interface forwards to at most four servers (a limit on the
// rows sharing the first index part), and routes redistributed into RIP
// carry a hop count of at most 16.
#include "Simulation.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <charconv>

namespace trvsim {

namespace {
constexpr std::string_view redistributionMetric = "swL3RouteRedistriMetric";
constexpr int64_t ripProtocol = 2;
constexpr int64_t ripInfinity = 16;
} // namespace

bool Simulation::attachRelayRules(const std::string &name, Table &table)
{
    if (name.starts_with("rows-per-first-index:")) {
        const std::string_view count = std::string_view(name).substr(21);
        size_t limit = 0;
        const auto [end, ec] = std::from_chars(count.data(), count.data() + count.size(), limit);
        if (ec != std::errc() || end != count.data() + count.size() || limit == 0)
            return false;
        table.behaviour.validate = [limit](const Table &t, const Oid &index, const Row &) {
            if (t.rows.contains(index))
                return int(SNMP_ERR_NOERROR); // a row changed, none added
            const auto parts = t.decodeIndex(index);
            if (!parts || parts->empty())
                return int(SNMP_ERR_NOERROR);
            size_t sharing = 0;
            for (const auto &[other, row] : t.rows) {
                const auto otherParts = t.decodeIndex(other);
                if (otherParts && !otherParts->empty() && otherParts->front() == parts->front())
                    ++sharing;
            }
            return int(sharing >= limit ? SNMP_ERR_INCONSISTENTVALUE : SNMP_ERR_NOERROR);
        };
        return true;
    }
    if (name == "redistribution-metric") {
        table.behaviour.validate = [](const Table &t, const Oid &index, const Row &row) {
            const auto parts = t.decodeIndex(index);
            const int metric = t.columnPosition(redistributionMetric);
            if (!parts || parts->size() < 2 || metric < 0 || (*parts)[1].integer() != ripProtocol)
                return int(SNMP_ERR_NOERROR);
            const auto cell = t.cell(row, size_t(metric), index);
            if (cell && (cell->integer() < 0 || cell->integer() > ripInfinity))
                return int(SNMP_ERR_WRONGVALUE);
            return int(SNMP_ERR_NOERROR);
        };
        return true;
    }
    return false;
}

} // namespace trvsim
