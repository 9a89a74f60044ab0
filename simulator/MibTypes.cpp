#include "MibTypes.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace trvsim {

namespace {

bool parseUnsigned(std::string_view text, uint64_t &out, int base = 10)
{
    if (text.empty())
        return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out, base);
    return ec == std::errc() && end == text.data() + text.size();
}

bool parseSigned(std::string_view text, int64_t &out)
{
    if (text.empty())
        return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

std::vector<std::string_view> split(std::string_view text, char sep)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        size_t pos = text.find(sep, start);
        parts.push_back(text.substr(start, pos - start));
        if (pos == std::string_view::npos)
            return parts;
        start = pos + 1;
    }
}

bool parseHex(std::string_view text, std::string &out)
{
    out.clear();
    std::string digits;
    for (char c : text)
        if (c != ':' && c != ' ' && c != '-')
            digits += c;
    if (digits.size() % 2)
        return false;
    for (size_t i = 0; i < digits.size(); i += 2) {
        uint64_t byte = 0;
        if (!parseUnsigned(std::string_view(digits).substr(i, 2), byte, 16))
            return false;
        out += static_cast<char>(byte);
    }
    return true;
}

bool inRanges(const std::vector<Range> &ranges, int64_t v)
{
    return ranges.empty() || std::any_of(ranges.begin(), ranges.end(), [v](const Range &r) {
        return v >= r.low && v <= r.high;
    });
}

// ports:1/1-24,2/3,3/all  or ports:all / ports:none; an item after a minus
// takes its ports out again (ports:all,-2/1-4).
std::optional<std::string> parsePorts(
    std::string_view spec, const PortUniverse &ports, std::string &out)
{
    out.assign(portListOctets, '\0');
    if (spec == "none" || spec.empty())
        return std::nullopt;
    auto portCount = [&](int unit) {
        for (auto [u, n] : ports.unitPortCounts)
            if (u == unit)
                return n;
        return 0;
    };
    auto mark = [&out](int unit, int port, bool on) {
        const int bit = portBit(unit, port);
        if (on)
            portListSet(out, bit);
        else
            out[static_cast<size_t>(bit / 8)] &= static_cast<char>(~(0x80 >> (bit % 8)));
    };
    for (auto item : split(spec, ',')) {
        const bool on = !item.starts_with('-');
        if (!on)
            item.remove_prefix(1);
        if (item == "all") {
            for (auto [u, n] : ports.unitPortCounts)
                for (int p = 1; p <= n; ++p)
                    mark(u, p, on);
            continue;
        }
        auto slash = item.find('/');
        uint64_t unit = 0;
        if (slash == std::string_view::npos || !parseUnsigned(item.substr(0, slash), unit)
            || unit < 1 || unit > 12)
            return "bad port list item '" + std::string(item) + "'";
        auto rest = item.substr(slash + 1);
        uint64_t first = 0, last = 0;
        if (rest == "all") {
            first = 1;
            last = static_cast<uint64_t>(portCount(static_cast<int>(unit)));
        } else {
            auto dash = rest.find('-');
            if (!parseUnsigned(rest.substr(0, dash), first))
                return "bad port in '" + std::string(item) + "'";
            last = first;
            if (dash != std::string_view::npos && !parseUnsigned(rest.substr(dash + 1), last))
                return "bad port range in '" + std::string(item) + "'";
        }
        if (first < 1 || last > 64 || (first > last && last != 0))
            return "port out of 1..64 in '" + std::string(item) + "'";
        for (uint64_t p = first; p <= last; ++p)
            mark(static_cast<int>(unit), static_cast<int>(p), on);
    }
    return std::nullopt;
}

} // namespace

std::optional<Oid> parseOid(std::string_view text)
{
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    Oid oid;
    if (text.empty())
        return oid;
    for (auto part : split(text, '.')) {
        uint64_t v = 0;
        if (part == "PEN")
            v = TRV_PEN;
        else if (!parseUnsigned(part, v) || v > 0xFFFFFFFFu)
            return std::nullopt;
        oid.push_back(static_cast<SubId>(v));
    }
    return oid;
}

std::string formatOid(const Oid &oid)
{
    std::string text;
    for (size_t i = 0; i < oid.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(oid[i]);
    }
    return text;
}

bool isPrefix(const Oid &prefix, const Oid &oid)
{
    return prefix.size() <= oid.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

namespace {
struct SyntaxInfo
{
    Syntax syntax;
    std::string_view name;
    unsigned char asn;
};
constexpr SyntaxInfo syntaxTable[] = {
    {Syntax::Integer, "integer", ASN_INTEGER},
    {Syntax::Unsigned, "unsigned", ASN_GAUGE},
    {Syntax::Unsigned, "gauge", ASN_GAUGE},
    {Syntax::Counter, "counter", ASN_COUNTER},
    {Syntax::Counter64, "counter64", ASN_COUNTER64},
    {Syntax::TimeTicks, "timeticks", ASN_TIMETICKS},
    {Syntax::String, "string", ASN_OCTET_STR},
    {Syntax::Octets, "octets", ASN_OCTET_STR},
    {Syntax::PortList, "portlist", ASN_OCTET_STR},
    {Syntax::MacAddress, "mac", ASN_OCTET_STR},
    {Syntax::IpAddress, "ipaddress", ASN_IPADDRESS},
    {Syntax::ObjectId, "oid", ASN_OBJECT_ID},
    {Syntax::RowStatus, "rowstatus", ASN_INTEGER},
};
} // namespace

std::optional<Syntax> parseSyntax(std::string_view name)
{
    for (const auto &s : syntaxTable)
        if (s.name == name)
            return s.syntax;
    return std::nullopt;
}

std::string_view syntaxName(Syntax syntax)
{
    for (const auto &s : syntaxTable)
        if (s.syntax == syntax)
            return s.name;
    return "?";
}

unsigned char asnType(Syntax syntax)
{
    for (const auto &s : syntaxTable)
        if (s.syntax == syntax)
            return s.asn;
    return ASN_NULL;
}

bool isOctetSyntax(Syntax syntax)
{
    return syntax == Syntax::String || syntax == Syntax::Octets || syntax == Syntax::PortList
        || syntax == Syntax::MacAddress;
}

bool isNumberSyntax(Syntax syntax)
{
    return syntax == Syntax::Integer || syntax == Syntax::Unsigned || syntax == Syntax::Counter
        || syntax == Syntax::Counter64 || syntax == Syntax::TimeTicks
        || syntax == Syntax::RowStatus;
}

std::optional<std::string> parseValue(Syntax syntax, const Constraints &constraints,
    std::string_view text, bool quoted, const PortUniverse &ports, Value &out)
{
    out = Value {};
    const std::string shown = "'" + std::string(text) + "'";
    if (isNumberSyntax(syntax)) {
        for (const auto &[number, label] : constraints.enums)
            if (label == text) {
                out.number = static_cast<uint64_t>(number);
                return std::nullopt;
            }
        if (syntax == Syntax::Integer || syntax == Syntax::RowStatus) {
            int64_t v = 0;
            if (!parseSigned(text, v) || v < INT32_MIN || v > INT32_MAX)
                return "not an integer: " + shown;
            out.number = static_cast<uint64_t>(v);
        } else {
            uint64_t v = 0;
            if (!parseUnsigned(text, v) || (syntax != Syntax::Counter64 && v > 0xFFFFFFFFu))
                return "not an unsigned number: " + shown;
            out.number = v;
        }
        return std::nullopt;
    }
    switch (syntax) {
    case Syntax::IpAddress: {
        auto parts = split(text, '.');
        if (parts.size() != 4)
            return "not an IP address: " + shown;
        for (auto p : parts) {
            uint64_t v = 0;
            if (!parseUnsigned(p, v) || v > 255)
                return "not an IP address: " + shown;
            out.bytes += static_cast<char>(v);
        }
        return std::nullopt;
    }
    case Syntax::ObjectId: {
        auto oid = parseOid(text);
        if (!oid)
            return "not an OID: " + shown;
        out.oid = *oid;
        return std::nullopt;
    }
    case Syntax::MacAddress:
        if (quoted || !parseHex(text.starts_with("hex:") ? text.substr(4) : text, out.bytes)
            || out.bytes.size() != 6)
            return "not a MAC address: " + shown;
        return std::nullopt;
    case Syntax::PortList:
        if (!quoted && text.starts_with("ports:"))
            return parsePorts(text.substr(6), ports, out.bytes);
        [[fallthrough]];
    default:
        if (!quoted && text.starts_with("hex:")) {
            if (!parseHex(text.substr(4), out.bytes))
                return "bad hex octets: " + shown;
        } else {
            out.bytes = std::string(text);
        }
        return std::nullopt;
    }
}

std::string formatValue(Syntax syntax, const Value &value)
{
    if (syntax == Syntax::Integer || syntax == Syntax::RowStatus)
        return std::to_string(value.integer());
    if (isNumberSyntax(syntax))
        return std::to_string(value.number);
    char buf[8];
    std::string text;
    switch (syntax) {
    case Syntax::IpAddress:
        for (size_t i = 0; i < value.bytes.size(); ++i)
            text += (i ? "." : "") + std::to_string(static_cast<unsigned char>(value.bytes[i]));
        return text;
    case Syntax::ObjectId:
        return formatOid(value.oid);
    case Syntax::String: {
        bool printable = std::all_of(
            value.bytes.begin(), value.bytes.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
        if (printable) {
            text = "\"";
            for (char c : value.bytes) {
                if (c == '"' || c == '\\')
                    text += '\\';
                text += c;
            }
            return text + "\"";
        }
        [[fallthrough]];
    }
    default:
        text = "hex:";
        for (unsigned char c : value.bytes) {
            std::snprintf(buf, sizeof buf, "%02X", c);
            text += buf;
        }
        return text;
    }
}

int checkValue(Syntax syntax, const Constraints &constraints, const Value &value)
{
    if (isOctetSyntax(syntax)) {
        const auto size = static_cast<int64_t>(value.bytes.size());
        if (syntax == Syntax::PortList && constraints.sizes.empty())
            return size == portListOctets ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGLENGTH;
        if (syntax == Syntax::MacAddress && constraints.sizes.empty())
            return size == 6 ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGLENGTH;
        if (!inRanges(constraints.sizes, size))
            return SNMP_ERR_WRONGLENGTH;
        if (syntax == Syntax::String && !inRanges({{0, 255}}, size))
            return SNMP_ERR_WRONGLENGTH;
        return SNMP_ERR_NOERROR;
    }
    if (syntax == Syntax::RowStatus) {
        // notReady (3) is never written by a manager.
        const auto v = value.integer();
        return (v >= 1 && v <= 6 && v != 3) ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
    }
    if (isNumberSyntax(syntax)) {
        const auto v
            = syntax == Syntax::Integer ? value.integer() : static_cast<int64_t>(value.number);
        if (!constraints.enums.empty() && !constraints.enums.contains(v))
            return SNMP_ERR_WRONGVALUE;
        if (!inRanges(constraints.ranges, v))
            return SNMP_ERR_WRONGVALUE;
    }
    return SNMP_ERR_NOERROR;
}

bool portListHas(const std::string &list, int bit)
{
    const auto octet = static_cast<size_t>(bit / 8);
    return octet < list.size()
        && (static_cast<unsigned char>(list[octet]) & (0x80u >> (bit % 8))) != 0;
}

void portListSet(std::string &list, int bit)
{
    const auto octet = static_cast<size_t>(bit / 8);
    if (octet >= list.size())
        list.resize(octet + 1, '\0');
    list[octet] = static_cast<char>(static_cast<unsigned char>(list[octet]) | (0x80u >> (bit % 8)));
}

} // namespace trvsim
