#pragma once

// The switch as a whole: stack, MIB, computed values, Q-BRIDGE coupling and
// the state file. Knows nothing about the SNMP library.

#include "DataLoader.h"

#include <chrono>

namespace trvsim {

struct SimulationOptions
{
    std::string dataDir;
    std::string stackSpec;
    std::string stateFile; // empty: nothing is saved
    int ledOctets = -1; // >= 0: LED strings cut to this many octets
    // > 0: this VLAN's static port lists are answered cut to shortVlanOctets.
    int shortVlan = 0;
    int shortVlanOctets = 0;
    uint32_t counterBase = 0; // where the 32-bit traffic counters start
    uint64_t counter64Base = 0; // where the 64-bit traffic counters start
};

class Simulation
{
public:
    // Loads data, builds the stack and the MIB, then the state file when it
    // exists. Returns an error text.
    std::optional<std::string> load(const SimulationOptions &options);

    Mib &mib() { return mib_; }

    // Values only the SNMP engine knows (engine ID, boots, its statistics),
    // asked for by name on every read of an `engine:NAME` source.
    using EngineValues = std::function<Value(const std::string &name)>;
    void setEngineValues(EngineValues values) { engineValues_ = std::move(values); }
    // The agent's engine ID, known once the library is up: it replaces the
    // empty values of the objects named by `local-engine:NAME` behaviours.
    void setLocalEngineId(const std::string &engineId);
    const Stack &stack() const { return stack_; }
    double seconds() const;
    // Last failure to write the state file, empty when none.
    const std::string &saveError() const { return saveError_; }

private:
    std::optional<Source> makeSource(const std::string &name, const std::string &arg);
    bool attachBehaviour(const std::string &name, Table &table);
    bool portEnabled(int unit, int port) const;
    int validateVlan(const Table &table, const Row &row) const;
    bool attachAclRules(const std::string &maskName, Table &rules);
    bool attachRelayRules(const std::string &name, Table &table);
    void rebuildCurrentVlans();
    bool stackPort(int64_t logical) const;
    int validateMirror(const Mib::Transaction &txn) const;
    int validateTrunk(const Table &table, const Oid &index, const Row &row) const;
    void followTrunkMasters(Table &table) const;
    bool attachForwardSets(Table &table);
    std::optional<std::string> shortenVlan(int vid, int octets);
    void followRows(const Table &base, Table &augmenting) const;
    void save();

    SimulationOptions options_;
    DataSet data_;
    Stack stack_;
    Mib mib_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::string saveError_;
    EngineValues engineValues_;
    std::vector<std::pair<Table *, std::string>> localEngineObjects_;
    bool loading_ = true;
};

// Writes `text` to `path` through a temporary file and a rename, so a reader
// sees either the old or the new file. Returns an error text.
std::optional<std::string> writeFileAtomically(const std::string &path, const std::string &text);

} // namespace trvsim
