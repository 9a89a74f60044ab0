// trvsim: a switch stack simulator that answers SNMP like the real stack.

#include "Agent.h"

#include <charconv>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace {

const char usage[]
    = "usage: trvsim [--listen ADDRESS:PORT] [--stack UNIT:MODEL,...] [--state FILE]\n"
      "              [--delay-ms N] [--drop-percent P] [--seed-random S]\n"
      "              [--silent-after N] [--led-octets N] [--short-vlan VID:N]\n"
      "              [--counter-base N] [--counter64-base N] [--bulk-limit N]\n"
      "  --listen        loopback address and UDP port (default 127.0.0.1:16161; port 0\n"
      "                  picks a free one, shown in the ready line)\n"
      "  --stack         units 1 to 12 and their models\n"
      "                  (default 1:TRV-8170QL,2:TRM6140QL*,3:TRV-8140QL)\n"
      "  --state         load the switch state from FILE and save every change to it\n"
      "  --delay-ms      answer every request N milliseconds late\n"
      "  --drop-percent  silently drop P percent of the requests\n"
      "  --seed-random   seed of the drop decisions (same seed, same drops)\n"
      "  --silent-after  stop answering after N requests\n"
      "  --led-octets    cut the LED status strings to N octets\n"
      "  --short-vlan    answer VLAN VID's static port lists cut to N octets (0..95)\n"
      "  --counter-base  start the 32-bit traffic counters at N (near 4294967295 they\n"
      "                  wrap soon)\n"
      "  --counter64-base  start the 64-bit traffic counters at N\n"
      "  --bulk-limit    answer a get-bulk with at most N bindings, as agents that cap\n"
      "                  their answers do (default: as many as fit the largest message)\n"
      "The data files are read from $TRVSIM_DATA, else trvsim-data beside the program.\n";

bool toNumber(const std::string &text, long long low, long long high, long long &out)
{
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size() && out >= low
        && out <= high;
}

// VID:N, a VLAN id 1..4094 and a length below a whole port list.
std::optional<std::string> parseShortVlan(const std::string &text, trvsim::SimulationOptions &sim)
{
    const auto colon = text.find(':');
    long long vid = 0, octets = 0;
    if (colon == std::string::npos || !toNumber(text.substr(0, colon), 1, 4094, vid)
        || !toNumber(text.substr(colon + 1), 0, 95, octets))
        return "bad option or value: --short-vlan " + text;
    sim.shortVlan = static_cast<int>(vid);
    sim.shortVlanOctets = static_cast<int>(octets);
    return std::nullopt;
}

std::string dataDirectory()
{
    namespace fs = std::filesystem;
    if (const char *env = std::getenv("TRVSIM_DATA"); env && *env)
        return env;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        for (const auto &candidate :
            {exe.parent_path() / "trvsim-data", exe.parent_path().parent_path() / "share/trvsim"})
            if (fs::is_directory(candidate, ec))
                return candidate.string();
    }
    return TRVSIM_SOURCE_DATA;
}

// The agent's own directory for its engine ID and boots counter: beside the
// state file, else per listening address under the runtime directory.
std::string persistentDirectory(
    const std::string &stateFile, const trvsim::ListenAddress &listen, bool &temporary)
{
    namespace fs = std::filesystem;
    temporary = false;
    if (!stateFile.empty())
        return stateFile + ".snmp";
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    fs::path base = (runtime && *runtime) ? fs::path(runtime) : fs::temp_directory_path();
    base /= "trvsim-" + std::to_string(getuid());
    if (listen.port != 0)
        return (base / (listen.host + "-" + std::to_string(listen.port))).string();
    temporary = true;
    return (base / ("pid-" + std::to_string(getpid()))).string();
}

} // namespace

int main(int argc, char **argv)
{
    trvsim::SimulationOptions sim;
    sim.stackSpec = "1:TRV-8170QL,2:TRM6140QL*,3:TRV-8140QL";
    trvsim::AgentOptions agent;
    agent.listen.host = "127.0.0.1";
    bool seeded = false;

    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i], value;
        if (arg == "--help" || arg == "-h") {
            std::cout << usage;
            return 0;
        }
        if (auto eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg.resize(eq);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            std::cerr << "trvsim: " << arg << " needs a value\n" << usage;
            return 2;
        }
        long long n = 0;
        std::optional<std::string> error;
        if (arg == "--listen")
            error = trvsim::parseListenAddress(value, agent.listen);
        else if (arg == "--stack")
            sim.stackSpec = value;
        else if (arg == "--state")
            sim.stateFile = value;
        else if (arg == "--delay-ms" && toNumber(value, 0, 600000, n))
            agent.delayMs = static_cast<int>(n);
        else if (arg == "--drop-percent" && toNumber(value, 0, 100, n))
            agent.dropPercent = static_cast<int>(n);
        else if (arg == "--seed-random" && toNumber(value, 0, INT64_MAX, n)) {
            agent.seed = static_cast<uint64_t>(n);
            seeded = true;
        } else if (arg == "--silent-after" && toNumber(value, 0, INT64_MAX, n))
            agent.silentAfter = static_cast<long>(n);
        else if (arg == "--led-octets" && toNumber(value, 0, 255, n))
            sim.ledOctets = static_cast<int>(n);
        else if (arg == "--short-vlan")
            error = parseShortVlan(value, sim);
        else if (arg == "--counter-base" && toNumber(value, 0, 4294967295LL, n))
            sim.counterBase = static_cast<uint32_t>(n);
        else if (arg == "--counter64-base" && toNumber(value, 0, INT64_MAX, n))
            sim.counter64Base = static_cast<uint64_t>(n);
        else if (arg == "--bulk-limit" && toNumber(value, 1, 100000, n))
            agent.bulkLimit = static_cast<int>(n);
        else
            error = "bad option or value: " + arg + " " + value;
        if (error) {
            std::cerr << "trvsim: " << *error << "\n" << usage;
            return 2;
        }
    }
    if (!seeded)
        agent.seed = static_cast<uint64_t>(
            std::chrono::steady_clock::now().time_since_epoch().count() ^ getpid());

    sim.dataDir = dataDirectory();
    trvsim::Simulation simulation;
    if (auto error = simulation.load(sim)) {
        std::cerr << "trvsim: " << *error << "\n";
        return 2;
    }
    agent.persistentDir
        = persistentDirectory(sim.stateFile, agent.listen, agent.removePersistentDir);
    return trvsim::runAgent(simulation, agent);
}
