#pragma once

// The SNMP side of the simulator: an embedded master agent on Net-SNMP's
// agent library that answers from the simulation, with the fault switches.

#include "Simulation.h"

namespace trvsim {

struct ListenAddress
{
    std::string host; // numeric loopback address, IPv6 without brackets
    int port = 16161;
    bool ipv6 = false;

    std::string display() const; // 127.0.0.1:16161 or [::1]:16161
};

// Accepts 127.x.y.z:PORT, [::1]:PORT and localhost:PORT. Returns an error text.
std::optional<std::string> parseListenAddress(const std::string &text, ListenAddress &out);

struct AgentOptions
{
    ListenAddress listen;
    std::string persistentDir; // owned by the agent; holds engine ID and boots
    bool removePersistentDir = false;
    int delayMs = 0;
    int dropPercent = 0;
    uint64_t seed = 0;
    long silentAfter = -1; // requests answered before going silent; -1: never
    // Most bindings in one get-bulk answer; 0: as many as fit a message.
    int bulkLimit = 0;
};

// Runs until SIGTERM or SIGINT. Prints "ready ADDRESS:PORT" once listening.
// Returns the process exit code.
int runAgent(Simulation &simulation, const AgentOptions &options);

} // namespace trvsim
