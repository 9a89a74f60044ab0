#include "Stack.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <sstream>

namespace trvsim {

std::optional<std::string> parseStackSpec(
    const std::string &spec, std::vector<std::pair<int, std::string>> &out)
{
    out.clear();
    std::stringstream items(spec);
    std::string item;
    while (std::getline(items, item, ',')) {
        const auto colon = item.find(':');
        if (colon == std::string::npos || colon + 1 >= item.size())
            return "stack item '" + item + "' is not UNIT:MODEL";
        int id = 0;
        auto [end, ec] = std::from_chars(item.data(), item.data() + colon, id);
        if (ec != std::errc() || end != item.data() + colon || id < 1 || id > 12)
            return "unit number in '" + item + "' is not 1 to 12";
        if (std::any_of(out.begin(), out.end(), [id](const auto &u) { return u.first == id; }))
            return "unit " + std::to_string(id) + " is given twice";
        out.emplace_back(id, item.substr(colon + 1));
    }
    if (out.empty())
        return std::string("the stack has no unit");
    std::sort(out.begin(), out.end());
    return std::nullopt;
}

const Unit *Stack::unit(int id) const
{
    for (const auto &u : units)
        if (u.id == id)
            return &u;
    return nullptr;
}

int Stack::portCount(int unitId) const
{
    const Unit *u = unit(unitId);
    return u ? u->profile->ports : 0;
}

int Stack::mode(int unitId) const
{
    if (units.size() == 1)
        return 3;
    return isMaster(unitId) ? 4 : 5;
}

uint64_t Stack::hash(uint64_t a, uint64_t b, uint64_t c)
{
    // splitmix64 over the three inputs: cheap, stable across platforms.
    uint64_t x = a * 0x9E3779B97F4A7C15ull ^ (b + 0x632BE59BD9B4E5ull) * 0xBF58476D1CE4E5B9ull
        ^ (c + 0x1234567ull) * 0x94D049BB133111EBull;
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// Port classes: most ports are cabled and stay up, some have no cable, a few
// flap. Every port keeps its class for the whole run.
namespace {
enum class PortClass { Cabled, Empty, Flaky };
} // namespace

static PortClass portClass(uint64_t h)
{
    const auto k = h % 10;
    return k < 6 ? PortClass::Cabled : (k < 9 ? PortClass::Empty : PortClass::Flaky);
}

bool Stack::linkUp(int unitId, int port, double seconds) const
{
    const auto t = static_cast<uint64_t>(std::max(0.0, seconds));
    switch (portClass(hash(unitId, port, 0))) {
    case PortClass::Cabled:
        return hash(unitId, port, 100000 + t / 30) % 40 != 0; // a rare outage
    case PortClass::Flaky:
        return hash(unitId, port, 200000 + t / 10) % 2 == 0;
    case PortClass::Empty:
        break;
    }
    return false;
}

double Stack::load(int unitId, int port) const
{
    if (portClass(hash(unitId, port, 0)) == PortClass::Empty)
        return 0.0;
    return 0.2 + static_cast<double>(hash(unitId, port, 1) % 70) / 100.0;
}

double Stack::traffic(int unitId, int port, double seconds) const
{
    const double l = unitId == 0 ? 1.0 : load(unitId, port);
    if (l == 0.0)
        return 0.0;
    constexpr double period = 60.0;
    constexpr double swing = 0.4;
    constexpr double w = 2.0 * std::numbers::pi / period;
    const double phase = static_cast<double>(hash(unitId, port, 2) % 628) / 100.0;
    const double t = std::max(0.0, seconds);
    // The integral of 1 + swing * sin(w t + phase) from 0 to t.
    return l * (t + swing / w * (std::cos(phase) - std::cos(w * t + phase)));
}

bool Stack::active(int unitId, int port, double seconds) const
{
    if (!linkUp(unitId, port, seconds))
        return false;
    const auto t = static_cast<uint64_t>(std::max(0.0, seconds));
    return static_cast<double>(hash(unitId, port, 300000 + t) % 100) < load(unitId, port) * 100.0;
}

bool Stack::errored(int unitId, int port, double seconds) const
{
    if (!linkUp(unitId, port, seconds))
        return false;
    const auto t = static_cast<uint64_t>(std::max(0.0, seconds));
    return hash(unitId, port, 400000 + t / 3) % 60 == 0;
}

std::string Stack::systemLeds(int unitId) const
{
    std::string sys(4, static_cast<char>(led::off));
    sys[0] = static_cast<char>(led::green); // power
    sys[1] = static_cast<char>(isMaster(unitId) ? led::green : led::off); // master
    sys[2] = static_cast<char>(led::off); // console
    sys[3] = static_cast<char>(led::off); // redundant power
    return sys;
}

std::string Stack::ledString(
    int unitId, double seconds, const std::function<bool(int port)> &adminUp) const
{
    const Unit *u = unit(unitId);
    if (!u)
        return {};
    std::string leds(static_cast<size_t>(u->profile->ledOctets), static_cast<char>(led::off));
    const auto sys = systemLeds(unitId);
    leds.replace(0, std::min(sys.size(), leds.size()), sys.substr(0, leds.size()));
    for (int p = 1; p <= u->profile->ports; ++p) {
        const auto pos = static_cast<size_t>(4 + 2 * (p - 1));
        if (pos + 1 >= leds.size())
            break;
        unsigned char link = led::off, act = led::off;
        if (adminUp(p) && linkUp(unitId, p, seconds)) {
            link = gigabit(unitId, p) ? led::green : led::blue;
            act = led::greenSteady;
            if (errored(unitId, p, seconds))
                act = led::red | led::blink;
            else if (active(unitId, p, seconds))
                act = led::greenSteady | led::blink;
        }
        leds[pos] = static_cast<char>(link);
        leds[pos + 1] = static_cast<char>(act);
    }
    const bool stacked = units.size() > 1;
    for (int pos : u->profile->stackLeds)
        if (pos >= 0 && static_cast<size_t>(pos) < leds.size())
            leds[static_cast<size_t>(pos)] = static_cast<char>(stacked ? led::green : led::off);
    return leds;
}

} // namespace trvsim
