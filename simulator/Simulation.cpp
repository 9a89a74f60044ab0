#include "Simulation.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace trvsim {

namespace {

// Names of the objects the computed values and the VLAN coupling use.
constexpr std::string_view ifTableName = "ifTable";
constexpr std::string_view ifAdminColumn = "ifAdminStatus";
constexpr std::string_view portCtrlTableName = "swPortCtrlTable";
constexpr std::string_view portCtrlAdminColumn = "swPortCtrlAdminState";
constexpr std::string_view staticVlanTable = "dot1qVlanStaticTable";
constexpr std::string_view currentVlanTable = "dot1qVlanCurrentTable";
constexpr std::string_view vlanDeletesScalar = "dot1qVlanNumDeletes";

Value number(uint64_t v)
{
    return Value {v, {}, {}};
}

std::pair<int64_t, int64_t> twoNumbers(const std::string &arg, int64_t a, int64_t b)
{
    auto comma = arg.find(',');
    if (comma != std::string::npos) {
        std::from_chars(arg.data(), arg.data() + comma, a);
        std::from_chars(arg.data() + comma + 1, arg.data() + arg.size(), b);
    }
    return {a, b};
}

int64_t columnInteger(
    const Table *table, const Oid &index, std::string_view column, int64_t fallback)
{
    if (!table)
        return fallback;
    const int pos = table->columnPosition(column);
    auto row = table->rows.find(index);
    if (pos < 0 || row == table->rows.end())
        return fallback;
    auto cell = table->cell(row->second, static_cast<size_t>(pos), row->first);
    return cell ? cell->integer() : fallback;
}

// The names an `engine:NAME` source may ask the agent for.
constexpr std::string_view engineValueNames[] = {"id", "boots", "time", "unknown-security-models",
    "invalid-msgs", "unknown-pdu-handlers", "unsupported-sec-levels", "not-in-time-windows",
    "unknown-user-names", "unknown-engine-ids", "wrong-digests", "decryption-errors",
    "unavailable-contexts", "unknown-contexts", "snmp-in-pkts", "snmp-out-pkts",
    "snmp-in-bad-versions", "snmp-in-bad-community-names", "snmp-in-bad-community-uses",
    "snmp-in-asn-parse-errs", "snmp-in-too-bigs", "snmp-in-no-such-names", "snmp-in-bad-values",
    "snmp-in-read-onlys", "snmp-in-gen-errs", "snmp-in-total-req-vars", "snmp-in-total-set-vars",
    "snmp-in-get-requests", "snmp-in-get-nexts", "snmp-in-set-requests", "snmp-in-get-responses",
    "snmp-in-traps", "snmp-out-too-bigs", "snmp-out-no-such-names", "snmp-out-bad-values",
    "snmp-out-gen-errs", "snmp-out-get-requests", "snmp-out-get-nexts", "snmp-out-set-requests",
    "snmp-out-get-responses", "snmp-out-traps", "snmp-silent-drops", "snmp-proxy-drops"};

// SNMPv2 DateAndTime of a moment, 11 octets in UTC.
Value dateAndTime(std::time_t when)
{
    std::tm t {};
    gmtime_r(&when, &t);
    const int year = t.tm_year + 1900;
    Value v;
    v.bytes = {static_cast<char>(year >> 8), static_cast<char>(year & 0xFF),
        static_cast<char>(t.tm_mon + 1), static_cast<char>(t.tm_mday), static_cast<char>(t.tm_hour),
        static_cast<char>(t.tm_min), static_cast<char>(std::min(t.tm_sec, 60)), 0, '+', 0, 0};
    return v;
}

} // namespace

double Simulation::seconds() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

bool Simulation::portEnabled(int unit, int port) const
{
    const Oid index {static_cast<SubId>((unit - 1) * 64 + port)};
    return columnInteger(mib_.findTable(ifTableName), index, ifAdminColumn, 1) == 1
        && columnInteger(mib_.findTable(portCtrlTableName), index, portCtrlAdminColumn, 3) != 2;
}

std::optional<Source> Simulation::makeSource(const std::string &name, const std::string &arg)
{
    if (name == "uptime")
        return [this](const SourceContext &) {
            return number(static_cast<uint64_t>(seconds() * 100.0) & 0xFFFFFFFFu);
        };
    if (name == "led")
        return [this](const SourceContext &ctx) {
            Value v;
            v.bytes = stack_.ledString(
                ctx.unit, seconds(), [&](int port) { return portEnabled(ctx.unit, port); });
            if (options_.ledOctets >= 0 && v.bytes.size() > static_cast<size_t>(options_.ledOctets))
                v.bytes.resize(static_cast<size_t>(options_.ledOctets));
            return v;
        };
    if (name == "link") { // link:UP,DOWN
        auto [up, down] = twoNumbers(arg, 1, 2);
        return [this, up, down](const SourceContext &ctx) {
            const bool on
                = portEnabled(ctx.unit, ctx.port) && stack_.linkUp(ctx.unit, ctx.port, seconds());
            return number(static_cast<uint64_t>(on ? up : down));
        };
    }
    if (name == "speed") { // speed:GIGABIT,FAST
        auto [fast1, fast2] = twoNumbers(arg, 1000000000, 100000000);
        return [this, fast1, fast2](const SourceContext &ctx) {
            return number(
                static_cast<uint64_t>(stack_.gigabit(ctx.unit, ctx.port) ? fast1 : fast2));
        };
    }
    if (name == "traffic" || name == "traffic64") { // traffic:UNITS_PER_SECOND
        double rate = 1000.0;
        if (!arg.empty())
            rate = std::strtod(arg.c_str(), nullptr);
        const bool wide = name == "traffic64";
        return [this, rate, wide](const SourceContext &ctx) {
            const double total = rate * stack_.traffic(ctx.unit, ctx.port, seconds());
            auto v = static_cast<uint64_t>(total);
            // A 32-bit counter wraps; it may start near the top to wrap soon.
            return number(
                wide ? v + options_.counter64Base : ((v + options_.counterBase) & 0xFFFFFFFFu));
        };
    }
    if (name == "row-count") // row-count:TABLE
        return [this, arg](const SourceContext &) {
            const Table *t = mib_.findTable(arg);
            return number(t ? t->rows.size() : 0);
        };
    if (name == "vlan-next-free")
        return [this](const SourceContext &) {
            const Table *t = mib_.findTable(staticVlanTable);
            for (SubId vid = 1; vid <= 4094; ++vid)
                if (!t || !t->rows.contains(Oid {vid}))
                    return number(vid);
            return number(0);
        };
    if (name == "clock") // clock, or clock:boot for the moment the agent started
        return [this, boot = arg == "boot"](const SourceContext &) {
            std::time_t now = std::time(nullptr);
            if (boot)
                now -= static_cast<std::time_t>(seconds());
            return dateAndTime(now);
        };
    if (name == "engine") { // engine:NAME, answered by the agent
        if (std::find(std::begin(engineValueNames), std::end(engineValueNames), arg)
            == std::end(engineValueNames))
            return std::nullopt;
        return [this, arg](
                   const SourceContext &) { return engineValues_ ? engineValues_(arg) : Value {}; };
    }
    if (name == "unit-mode")
        return [this](const SourceContext &ctx) {
            return number(static_cast<uint64_t>(stack_.mode(ctx.unit)));
        };
    return std::nullopt;
}

bool Simulation::attachBehaviour(const std::string &name, Table &table)
{
    if (name.starts_with("local-engine:")) {
        localEngineObjects_.emplace_back(&table, name.substr(13));
        return true;
    }
    if (name.starts_with("augments:")) {
        // The rows of this table follow those of the base table (AUGMENTS):
        // each base row has one here, with defaults until written.
        Table *base = mib_.findTable(name.substr(9));
        if (!base || base == &table)
            return false;
        base->behaviour.afterCommit = [this, previous = base->behaviour.afterCommit, base, &table] {
            if (previous)
                previous();
            followRows(*base, table);
        };
        return true;
    }
    if (name == "port-trunk") {
        table.behaviour.validate = [this](const Table &t, const Oid &index, const Row &row) {
            return validateTrunk(t, index, row);
        };
        table.behaviour.afterCommit = [this, &table] { followTrunkMasters(table); };
        return true;
    }
    if (name.starts_with("acl-rules:"))
        return attachAclRules(name.substr(10), table);
    if (name == "forward-sets")
        return attachForwardSets(table);
    if (attachRelayRules(name, table))
        return true;
    if (name != "vlan-static")
        return false;
    table.behaviour.validate
        = [this](const Table &t, const Oid &, const Row &row) { return validateVlan(t, row); };
    table.behaviour.afterCommit = [this] { rebuildCurrentVlans(); };
    return true;
}

// Access rules hang under their mask (the first index part is the mask's
// id): a rule under a missing mask is refused, destroying a mask takes its
// rules along, and a rule's protocol column answers its mask's protocol type.
bool Simulation::attachAclRules(const std::string &maskName, Table &rules)
{
    Table *masks = mib_.findTable(maskName);
    if (!masks || masks == &rules)
        return false;
    rules.behaviour.validate = [masks](const Table &, const Oid &index, const Row &) {
        if (index.empty() || !masks->rows.contains(Oid {index.front()}))
            return int(SNMP_ERR_INCONSISTENTVALUE);
        return int(SNMP_ERR_NOERROR);
    };
    masks->behaviour.afterCommit = [previous = masks->behaviour.afterCommit, masks, &rules] {
        if (previous)
            previous();
        std::erase_if(rules.rows,
            [masks](const auto &rule) { return !masks->rows.contains(Oid {rule.first.front()}); });
    };
    // The rule's columns are not read yet when the behaviour is attached:
    // the protocol column is known by its name as it is answered.
    const int maskType = masks->columnPosition(std::string_view("swACLIpUseProtoType"));
    if (maskType >= 0) {
        rules.behaviour.present
            = [masks, maskType](const Oid &index, const Column &column, Value &v) {
                  if (column.name != "swACLIpRuleProtocol" || index.empty())
                      return;
                  const auto mask = masks->rows.find(Oid {index.front()});
                  if (mask == masks->rows.end())
                      return;
                  if (auto type = masks->cell(mask->second, size_t(maskType), mask->first))
                      v = *type;
              };
    }
    return true;
}

// A port is untagged only where it is an egress port, and never both an
// egress and a forbidden port.
int Simulation::validateVlan(const Table &table, const Row &row) const
{
    auto octets = [&](std::string_view column) -> std::string {
        const int pos = table.columnPosition(column);
        if (pos < 0 || static_cast<size_t>(pos) >= row.cells.size()
            || !row.cells[static_cast<size_t>(pos)])
            return {};
        return row.cells[static_cast<size_t>(pos)]->bytes;
    };
    const auto egress = octets("dot1qVlanStaticEgressPorts");
    const auto forbidden = octets("dot1qVlanStaticForbiddenEgressPorts");
    const auto untagged = octets("dot1qVlanStaticUntaggedPorts");
    for (int bit = 0; bit < portListOctets * 8; ++bit) {
        const bool out = portListHas(egress, bit);
        if (portListHas(untagged, bit) && !out)
            return SNMP_ERR_INCONSISTENTVALUE;
        if (portListHas(forbidden, bit) && out)
            return SNMP_ERR_INCONSISTENTVALUE;
    }
    return SNMP_ERR_NOERROR;
}

// The current table shows every active static VLAN; a VLAN that leaves it
// counts as a delete.
void Simulation::rebuildCurrentVlans()
{
    Table *statics = mib_.findTable(staticVlanTable);
    Table *current = mib_.findTable(currentVlanTable);
    if (!statics || !current)
        return;
    const int sEgress = statics->columnPosition("dot1qVlanStaticEgressPorts");
    const int sUntagged = statics->columnPosition("dot1qVlanStaticUntaggedPorts");
    const int cFdb = current->columnPosition("dot1qVlanFdbId");
    const int cEgress = current->columnPosition("dot1qVlanCurrentEgressPorts");
    const int cUntagged = current->columnPosition("dot1qVlanCurrentUntaggedPorts");
    const int cStatus = current->columnPosition("dot1qVlanStatus");
    const int cCreated = current->columnPosition("dot1qVlanCreationTime");
    if (sEgress < 0 || sUntagged < 0 || cFdb < 0 || cEgress < 0 || cUntagged < 0 || cStatus < 0
        || cCreated < 0)
        return;
    const auto now = static_cast<uint64_t>(seconds() * 100.0);
    std::map<Oid, Row> rows;
    for (const auto &[index, srow] : statics->rows) {
        const auto status = srow.cells[static_cast<size_t>(statics->statusColumn)];
        if (!status || status->integer() != 1)
            continue;
        const SubId vid = index.at(0);
        const Oid cindex {0, vid}; // time mark 0, VLAN id
        Row row;
        row.cells.resize(current->columns.size());
        auto old = current->rows.find(cindex);
        row.cells[static_cast<size_t>(cCreated)] = old != current->rows.end()
            ? old->second.cells[static_cast<size_t>(cCreated)]
            : std::optional<Value>(number(loading_ ? 0 : now));
        row.cells[static_cast<size_t>(cFdb)] = number(vid);
        row.cells[static_cast<size_t>(cEgress)] = srow.cells[static_cast<size_t>(sEgress)];
        row.cells[static_cast<size_t>(cUntagged)] = srow.cells[static_cast<size_t>(sUntagged)];
        row.cells[static_cast<size_t>(cStatus)] = number(2); // permanent
        rows.emplace(cindex, std::move(row));
    }
    uint64_t removed = 0;
    for (const auto &[index, row] : current->rows)
        if (!rows.contains(index))
            ++removed;
    current->rows = std::move(rows);
    if (Scalar *deletes = mib_.findScalar(vlanDeletesScalar); deletes && !loading_)
        deletes->value.number = (deletes->value.number + removed) & 0xFFFFFFFFu;
}

// A switch that answers one VLAN's static port lists shorter than 96 octets,
// as some firmware does for lists whose tail is empty. The VLAN is made
// (ports 1 to 4 of unit 1, untagged) when the data and state do not hold it.
std::optional<std::string> Simulation::shortenVlan(int vid, int octets)
{
    Table *statics = mib_.findTable(staticVlanTable);
    if (!statics || statics->statusColumn < 0)
        return "no " + std::string(staticVlanTable);
    const Oid index {static_cast<SubId>(vid)};
    if (!statics->rows.contains(index)) {
        std::string ports(portListOctets, '\0');
        for (int port = 1; port <= 4; ++port)
            portListSet(ports, portBit(1, port));
        Row row;
        row.cells.resize(statics->columns.size());
        for (size_t c = 0; c < statics->columns.size(); ++c) {
            const Column &column = statics->columns[c];
            if (column.name == "dot1qVlanStaticName")
                row.cells[c] = Value {0, "short-list", {}};
            else if (column.name == "dot1qVlanStaticEgressPorts"
                || column.name == "dot1qVlanStaticUntaggedPorts")
                row.cells[c] = Value {0, ports, {}};
        }
        row.cells[static_cast<size_t>(statics->statusColumn)] = number(1);
        if (!completeRow(*statics, row))
            return "the VLAN row is incomplete";
        statics->rows.emplace(index, std::move(row));
        rebuildCurrentVlans();
    }
    const auto length = static_cast<size_t>(octets);
    statics->behaviour.present = [index, length](const Oid &at, const Column &column, Value &v) {
        if (at == index && column.syntax == Syntax::PortList && v.bytes.size() > length)
            v.bytes.resize(length);
    };
    return std::nullopt;
}

void Simulation::followRows(const Table &base, Table &augmenting) const
{
    std::erase_if(augmenting.rows, [&](const auto &row) { return !base.rows.contains(row.first); });
    for (const auto &[index, baseRow] : base.rows) {
        if (augmenting.rows.contains(index))
            continue;
        Row row;
        completeRow(augmenting, row);
        augmenting.rows.emplace(index, std::move(row));
    }
}

void Simulation::setLocalEngineId(const std::string &engineId)
{
    for (auto &[table, name] : localEngineObjects_) {
        for (size_t part = 0; part < table->index.size(); ++part) {
            if (table->index[part].name != name)
                continue;
            std::map<Oid, Row> rows;
            for (auto &[index, row] : table->rows) {
                auto values = table->decodeIndex(index);
                if (values && (*values)[part].bytes.empty()) {
                    (*values)[part].bytes = engineId;
                    rows.emplace(table->encodeIndex(*values), std::move(row));
                } else {
                    rows.emplace(index, std::move(row));
                }
            }
            table->rows = std::move(rows);
        }
        const int position = table->columnPosition(name);
        if (position < 0)
            continue;
        Column &column = table->columns[static_cast<size_t>(position)];
        if (!column.defval || column.defval->bytes.empty())
            column.defval = Value {0, engineId, {}};
        for (auto &[index, row] : table->rows) {
            auto &cell = row.cells[static_cast<size_t>(position)];
            if (!cell || cell->bytes.empty())
                cell = Value {0, engineId, {}};
        }
    }
}

std::optional<std::string> Simulation::load(const SimulationOptions &options)
{
    options_ = options;
    if (auto err = readDataDir(options.dataDir, data_))
        return err;
    std::vector<std::pair<int, std::string>> units;
    if (auto err = parseStackSpec(options.stackSpec, units))
        return "--stack: " + *err;
    const ModelProfile *fallback = nullptr;
    for (const auto &m : data_.models)
        if (m.name == "default")
            fallback = &m;
    for (const auto &[id, model] : units) {
        const ModelProfile *profile = fallback;
        for (const auto &m : data_.models)
            if (m.name == model)
                profile = &m;
        if (!profile)
            return "--stack: unknown model " + model;
        if (profile == fallback && model != "default")
            std::cerr << "trvsim: model " << model << " is not in the data; unit " << id
                      << " gets the default profile\n";
        stack_.units.push_back(Unit {id, model, profile});
    }
    LoaderHooks hooks;
    hooks.source
        = [this](const std::string &name, const std::string &arg) { return makeSource(name, arg); };
    hooks.behaviour
        = [this](const std::string &name, Table &table) { return attachBehaviour(name, table); };
    if (auto err = buildMib(data_, stack_, hooks, mib_))
        return err;
    mib_.validateScalars = [this](const Mib::Transaction &txn) { return validateMirror(txn); };
    for (auto &t : mib_.tables)
        if (t->behaviour.afterCommit)
            t->behaviour.afterCommit();
    if (!options.stateFile.empty()) {
        std::ifstream in(options.stateFile);
        if (in) {
            std::stringstream text;
            text << in.rdbuf();
            if (auto err = loadState(text.str(), stack_, mib_))
                return options.stateFile + ": " + *err;
        }
        mib_.onCommit = [this] { save(); };
    }
    if (options.shortVlan > 0)
        if (auto err = shortenVlan(options.shortVlan, options.shortVlanOctets))
            return "--short-vlan: " + *err;
    loading_ = false;
    return std::nullopt;
}

void Simulation::save()
{
    if (auto err = writeFileAtomically(options_.stateFile, saveState(mib_))) {
        saveError_ = *err;
        std::cerr << "trvsim: cannot save state: " << *err << "\n";
    } else {
        saveError_.clear();
    }
}

std::optional<std::string> writeFileAtomically(const std::string &path, const std::string &text)
{
    const std::string temp = path + ".tmp." + std::to_string(getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return temp + ": " + std::strerror(errno);
    const char *data = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            std::string err = temp + ": " + std::strerror(errno);
            ::close(fd);
            ::unlink(temp.c_str());
            return err;
        }
        data += n;
        left -= static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        ::unlink(temp.c_str());
        return temp + ": " + std::strerror(errno);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        std::string err = path + ": " + std::strerror(errno);
        ::unlink(temp.c_str());
        return err;
    }
    return std::nullopt;
}

} // namespace trvsim
