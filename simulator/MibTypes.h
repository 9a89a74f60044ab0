#pragma once

// Value types of the simulated MIB: object identifiers, syntaxes, constraints
// and typed values, with their literal forms in data and state files.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trvsim {

using SubId = unsigned long; // same width as Net-SNMP's oid type on this platform
using Oid = std::vector<SubId>;

// Parses a dotted OID; a sub-identifier written "PEN" becomes the enterprise
// number compiled into the program. Returns nullopt on a malformed text.
std::optional<Oid> parseOid(std::string_view text);
std::string formatOid(const Oid &oid);
bool isPrefix(const Oid &prefix, const Oid &oid);

enum class Syntax {
    Integer,
    Unsigned, // Gauge32 / Unsigned32
    Counter,
    Counter64,
    TimeTicks,
    String, // DisplayString
    Octets,
    PortList,
    MacAddress,
    IpAddress,
    ObjectId,
    RowStatus,
};

std::optional<Syntax> parseSyntax(std::string_view name);
std::string_view syntaxName(Syntax syntax);
unsigned char asnType(Syntax syntax);
bool isOctetSyntax(Syntax syntax);
bool isNumberSyntax(Syntax syntax);

struct Range
{
    int64_t low = 0;
    int64_t high = 0;
};

// Constraints shared by scalars, columns and index parts: value ranges for
// numbers, size ranges for octet strings, named values for enumerations.
struct Constraints
{
    std::vector<Range> ranges;
    std::vector<Range> sizes;
    std::map<int64_t, std::string> enums;
};

struct Value
{
    uint64_t number = 0; // integers are stored two's complement
    std::string bytes; // octet strings and IP addresses
    Oid oid; // object identifiers

    int64_t integer() const { return static_cast<int64_t>(number); }
    bool operator==(const Value &) const = default;
};

// Context for literal parsing: the ports that exist, for "ports:all".
struct PortUniverse
{
    std::vector<std::pair<int, int>> unitPortCounts; // (unit, port count)
};

// Parses a literal of the given syntax. Accepted forms: decimal numbers and
// enumeration labels; "text" or hex:0A0B for octet strings; aa:bb:cc:dd:ee:ff
// for MAC addresses; dotted quads; dotted OIDs; for port lists
// ports:U/P-P,U/P,... or ports:all or ports:none (always 96 octets).
// Returns an error text when the literal does not fit.
std::optional<std::string> parseValue(Syntax syntax, const Constraints &constraints,
    std::string_view text, bool quoted, const PortUniverse &ports, Value &out);
// The inverse of parseValue, in the form state files use.
std::string formatValue(Syntax syntax, const Value &value);

// SNMP error status of a value that a manager wants to write (0 when fine).
int checkValue(Syntax syntax, const Constraints &constraints, const Value &value);

// Port list helpers: port p of unit u is bit (u-1)*64+p-1, MSB first.
constexpr int portListOctets = 96;
inline int portBit(int unit, int port)
{
    return (unit - 1) * 64 + port - 1;
}
bool portListHas(const std::string &list, int bit);
void portListSet(std::string &list, int bit);

} // namespace trvsim
