#pragma once

// The simulated stack: which units are present, their models, and the link
// and LED activity of their ports over time.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace trvsim {

struct ModelProfile
{
    std::string name;
    int ports = 24; // port range reported by the unit table
    int ledOctets = 64; // length of the front-panel LED status string
    std::vector<int> stackLeds; // octet positions of the stacking-port LEDs
    std::map<std::string, std::string> properties; // free texts usable in templates
};

struct Unit
{
    int id = 0;
    std::string model;
    const ModelProfile *profile = nullptr;
};

// Parses "1:TRV-8170QL,2:TRM6140QL*"; units 1 to 12, each at most once.
// Returns an error text, or nullopt with the units in `out` sorted by id.
std::optional<std::string> parseStackSpec(
    const std::string &spec, std::vector<std::pair<int, std::string>> &out);

// LED octet values as the front panels decode them (colour in bits 0-2,
// blinking in bit 7).
namespace led {
constexpr unsigned char white = 0x00;
constexpr unsigned char green = 0x02;
constexpr unsigned char greenSteady = 0x03;
constexpr unsigned char blue = 0x04;
constexpr unsigned char red = 0x05;
constexpr unsigned char off = 0x06;
constexpr unsigned char blink = 0x80;
} // namespace led

class Stack
{
public:
    std::vector<Unit> units;

    const Unit *unit(int id) const;
    int portCount(int unitId) const;
    bool isMaster(int unitId) const { return !units.empty() && units.front().id == unitId; }
    // Unit table mode: 3 stand-alone, 4 master, 5 slave.
    int mode(int unitId) const;

    // Port behaviour, deterministic in (unit, port, time). `seconds` is the
    // agent's uptime; links flap rarely, traffic comes and goes every second.
    bool linkUp(int unitId, int port, double seconds) const;
    bool active(int unitId, int port, double seconds) const;
    bool errored(int unitId, int port, double seconds) const;
    // Link speed class: gigabit, else 100 Mbit/s (shown as a blue LED).
    bool gigabit(int unitId, int port) const { return hash(unitId, port, 7) % 4 != 0; }
    // Relative load of a port, 0 for ports that never have a link.
    double load(int unitId, int port) const;
    // The traffic a port has carried after `seconds`, in seconds at its full
    // rate: its load over time, the rate swinging 40 % either way in a
    // 60-second cycle of its own. Unit 0 stands for the switch as a whole,
    // always loaded.
    double traffic(int unitId, int port, double seconds) const;

    // The front-panel LED status string of a unit; `adminUp(port)` tells
    // whether a port is administratively enabled.
    std::string ledString(
        int unitId, double seconds, const std::function<bool(int port)> &adminUp) const;

private:
    static uint64_t hash(uint64_t a, uint64_t b, uint64_t c);
    std::string systemLeds(int unitId) const;
};

} // namespace trvsim
