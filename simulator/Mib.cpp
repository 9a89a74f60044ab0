#include "Mib.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <algorithm>
#include <stdexcept>

namespace trvsim {

std::optional<Access> parseAccess(std::string_view name)
{
    if (name == "not-accessible")
        return Access::NotAccessible;
    if (name == "read-only")
        return Access::ReadOnly;
    if (name == "read-write")
        return Access::ReadWrite;
    if (name == "read-create")
        return Access::ReadCreate;
    return std::nullopt;
}

int Table::columnPosition(unsigned number) const
{
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].number == number)
            return static_cast<int>(i);
    return -1;
}

int Table::columnPosition(std::string_view wanted) const
{
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name == wanted)
            return static_cast<int>(i);
    return -1;
}

bool Table::persistent() const
{
    return creatable() || std::any_of(columns.begin(), columns.end(), [](const Column &c) {
        return c.writable() && !c.source;
    });
}

namespace {

// Number of sub-identifiers an octet-string index part takes when it has a
// fixed size; 0 when its length is variable.
size_t fixedOctets(const IndexPart &part)
{
    if (part.syntax == Syntax::MacAddress)
        return 6;
    if (part.syntax == Syntax::PortList && part.constraints.sizes.empty())
        return portListOctets;
    const auto &s = part.constraints.sizes;
    if (s.size() == 1 && s[0].low == s[0].high)
        return static_cast<size_t>(s[0].low);
    return 0;
}

} // namespace

std::optional<std::vector<Value>> Table::decodeIndex(const Oid &suffix) const
{
    std::vector<Value> values;
    size_t pos = 0;
    auto take = [&](size_t n, Oid &out) {
        if (pos + n > suffix.size())
            return false;
        out.assign(
            suffix.begin() + static_cast<long>(pos), suffix.begin() + static_cast<long>(pos + n));
        pos += n;
        return true;
    };
    for (size_t i = 0; i < index.size(); ++i) {
        const auto &part = index[i];
        const bool last = i + 1 == index.size();
        Value v;
        Oid raw;
        if (isNumberSyntax(part.syntax)) {
            if (!take(1, raw) || raw[0] > 0xFFFFFFFFu)
                return std::nullopt;
            v.number = raw[0];
            if (part.syntax == Syntax::Integer && raw[0] > 0x7FFFFFFFu)
                return std::nullopt;
        } else if (part.syntax == Syntax::IpAddress || isOctetSyntax(part.syntax)) {
            size_t n = part.syntax == Syntax::IpAddress ? 4 : fixedOctets(part);
            if (n == 0) {
                if (part.implied && last) {
                    n = suffix.size() - pos;
                } else {
                    if (!take(1, raw))
                        return std::nullopt;
                    n = raw[0];
                }
            }
            if (!take(n, raw))
                return std::nullopt;
            for (auto b : raw) {
                if (b > 255)
                    return std::nullopt;
                v.bytes += static_cast<char>(b);
            }
        } else { // object identifier
            size_t n = 0;
            if (part.implied && last) {
                n = suffix.size() - pos;
            } else {
                if (!take(1, raw))
                    return std::nullopt;
                n = raw[0];
            }
            if (!take(n, v.oid))
                return std::nullopt;
        }
        if (checkValue(part.syntax, part.constraints, v) != SNMP_ERR_NOERROR)
            return std::nullopt;
        values.push_back(std::move(v));
    }
    if (pos != suffix.size())
        return std::nullopt;
    return values;
}

Oid Table::encodeIndex(const std::vector<Value> &values) const
{
    Oid suffix;
    for (size_t i = 0; i < index.size() && i < values.size(); ++i) {
        const auto &part = index[i];
        const auto &v = values[i];
        const bool last = i + 1 == index.size();
        if (isNumberSyntax(part.syntax)) {
            suffix.push_back(static_cast<SubId>(v.number & 0xFFFFFFFFu));
        } else if (part.syntax == Syntax::IpAddress || isOctetSyntax(part.syntax)) {
            if (part.syntax != Syntax::IpAddress && fixedOctets(part) == 0
                && !(part.implied && last))
                suffix.push_back(v.bytes.size());
            for (unsigned char c : v.bytes)
                suffix.push_back(c);
        } else {
            if (!(part.implied && last))
                suffix.push_back(v.oid.size());
            suffix.insert(suffix.end(), v.oid.begin(), v.oid.end());
        }
    }
    return suffix;
}

std::string Table::formatIndex(const Oid &suffix) const
{
    auto values = decodeIndex(suffix);
    if (!values)
        return formatOid(suffix);
    std::string text;
    for (size_t i = 0; i < values->size(); ++i) {
        if (i)
            text += ' ';
        auto syntax = index[i].syntax;
        text += formatValue(syntax == Syntax::Octets ? Syntax::String : syntax, (*values)[i]);
    }
    return text;
}

std::optional<Value> Table::cell(const Row &row, size_t position, const Oid &idx) const
{
    const auto &col = columns[position];
    std::optional<Value> value;
    if (row.absent.contains(position))
        return value;
    if (col.source)
        value = col.source(SourceContext {row.unit, row.port, &idx});
    else if (position < row.cells.size())
        value = row.cells[position];
    if (value && behaviour.present)
        behaviour.present(idx, col, *value);
    return value;
}

bool completeRow(const Table &table, Row &row)
{
    row.cells.resize(table.columns.size());
    bool complete = true;
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const auto &col = table.columns[i];
        if (row.cells[i] || col.source || col.access == Access::NotAccessible
            || row.absent.contains(i))
            continue;
        if (col.defval)
            row.cells[i] = col.defval;
        else if (static_cast<int>(i) != table.statusColumn)
            complete = false;
    }
    return complete;
}

Scalar *Mib::findScalar(std::string_view name)
{
    for (auto &s : scalars)
        if (s->name == name)
            return s.get();
    return nullptr;
}

const Scalar *Mib::findScalar(std::string_view name) const
{
    for (const auto &s : scalars)
        if (s->name == name)
            return s.get();
    return nullptr;
}

Table *Mib::findTable(std::string_view name)
{
    for (auto &t : tables)
        if (t->name == name)
            return t.get();
    return nullptr;
}

const Table *Mib::findTable(std::string_view name) const
{
    for (const auto &t : tables)
        if (t->name == name)
            return t.get();
    return nullptr;
}

bool Mib::covers(const Oid &name) const
{
    Oid suffix;
    return nodeFor(name, suffix) != nullptr;
}

void Mib::buildIndex()
{
    nodes_.clear();
    auto add = [this](const Oid &oid, Node node, const std::string &name) {
        if (!nodes_.emplace(oid, node).second)
            throw std::runtime_error("two objects at " + formatOid(oid) + " (" + name + ")");
    };
    for (auto &s : scalars)
        add(s->oid, Node {s.get(), nullptr, -1}, s->name);
    for (auto &t : tables)
        for (size_t i = 0; i < t->columns.size(); ++i) {
            if (t->columns[i].access == Access::NotAccessible)
                continue;
            Oid oid = t->entry;
            oid.push_back(t->columns[i].number);
            add(oid, Node {nullptr, t.get(), static_cast<int>(i)}, t->columns[i].name);
        }
    // One object must never lie inside another: lookups rely on it.
    const Oid *previous = nullptr;
    for (const auto &[oid, node] : nodes_) {
        if (previous && isPrefix(*previous, oid))
            throw std::runtime_error(
                "object " + formatOid(oid) + " lies inside " + formatOid(*previous));
        previous = &oid;
    }
}

const Mib::Node *Mib::nodeFor(const Oid &name, Oid &suffix) const
{
    auto it = nodes_.upper_bound(name);
    if (it == nodes_.begin())
        return nullptr;
    --it;
    if (!isPrefix(it->first, name))
        return nullptr;
    suffix.assign(name.begin() + static_cast<long>(it->first.size()), name.end());
    return &it->second;
}

std::optional<Value> Mib::get(const Oid &name, unsigned char &type) const
{
    Oid suffix;
    const Node *node = nodeFor(name, suffix);
    if (!node)
        return std::nullopt;
    if (node->scalar) {
        if (suffix != Oid {0})
            return std::nullopt;
        type = asnType(node->scalar->syntax);
        return node->scalar->source ? node->scalar->source(SourceContext {}) : node->scalar->value;
    }
    auto row = node->table->rows.find(suffix);
    if (row == node->table->rows.end())
        return std::nullopt;
    type = asnType(node->table->columns[static_cast<size_t>(node->column)].syntax);
    return node->table->cell(row->second, static_cast<size_t>(node->column), row->first);
}

bool Mib::nextInNode(const Oid &nodeOid, const Node &node, const Oid *after, bool inclusive,
    Oid &found, Value &value, unsigned char &type) const
{
    if (node.scalar) {
        const Oid instance {0};
        if (after && (inclusive ? instance < *after : !(*after < instance)))
            return false;
        found = nodeOid;
        found.push_back(0);
        type = asnType(node.scalar->syntax);
        value = node.scalar->source ? node.scalar->source(SourceContext {}) : node.scalar->value;
        return true;
    }
    const auto &rows = node.table->rows;
    auto it
        = !after ? rows.begin() : (inclusive ? rows.lower_bound(*after) : rows.upper_bound(*after));
    const auto position = static_cast<size_t>(node.column);
    for (; it != rows.end(); ++it) {
        auto cell = node.table->cell(it->second, position, it->first);
        if (!cell)
            continue;
        found = nodeOid;
        found.insert(found.end(), it->first.begin(), it->first.end());
        type = asnType(node.table->columns[position].syntax);
        value = std::move(*cell);
        return true;
    }
    return false;
}

bool Mib::getNext(
    const Oid &name, bool inclusive, Oid &found, Value &value, unsigned char &type) const
{
    auto it = nodes_.upper_bound(name);
    if (it != nodes_.begin()) {
        auto prev = std::prev(it);
        if (isPrefix(prev->first, name)) {
            Oid suffix(name.begin() + static_cast<long>(prev->first.size()), name.end());
            if (nextInNode(prev->first, prev->second, &suffix, inclusive, found, value, type))
                return true;
        }
    }
    for (; it != nodes_.end(); ++it)
        if (nextInNode(it->first, it->second, nullptr, false, found, value, type))
            return true;
    return false;
}

namespace {

struct RowGroup
{
    Table *table = nullptr;
    Oid index;
    size_t first = 0; // position of its first varbind
    std::map<size_t, std::pair<Value, size_t>> values; // column -> (value, varbind)
};

} // namespace

Mib::SetResult Mib::check(const std::vector<Varbind> &varbinds, Transaction &txn) const
{
    txn = Transaction {};
    std::vector<RowGroup> groups;
    std::optional<size_t> firstScalar;
    for (size_t i = 0; i < varbinds.size(); ++i) {
        const auto &vb = varbinds[i];
        Oid suffix;
        const Node *node = nodeFor(vb.name, suffix);
        if (!node)
            return {SNMP_ERR_NOTWRITABLE, i};
        const ObjectType &object = node->scalar
            ? static_cast<const ObjectType &>(*node->scalar)
            : node->table->columns[static_cast<size_t>(node->column)];
        if (!object.writable() || object.source)
            return {SNMP_ERR_NOTWRITABLE, i};
        if (vb.type != asnType(object.syntax))
            return {SNMP_ERR_WRONGTYPE, i};
        if (int status = checkValue(object.syntax, object.constraints, vb.value))
            return {status, i};
        if (node->scalar) {
            if (suffix != Oid {0})
                return {SNMP_ERR_NOCREATION, i};
            txn.scalarValues.emplace_back(node->scalar, vb.value);
            if (!firstScalar)
                firstScalar = i;
            continue;
        }
        Table *table = node->table;
        auto indexValues = table->decodeIndex(suffix);
        if (!indexValues)
            return {SNMP_ERR_NOCREATION, i};
        // A writable index column accepts only the value its instance has.
        const int part = table->columns[static_cast<size_t>(node->column)].indexPart;
        if (part >= 0 && !((*indexValues)[static_cast<size_t>(part)] == vb.value))
            return {SNMP_ERR_INCONSISTENTVALUE, i};
        auto group = std::find_if(groups.begin(), groups.end(),
            [&](const RowGroup &g) { return g.table == table && g.index == suffix; });
        if (group == groups.end()) {
            groups.push_back(RowGroup {table, suffix, i, {}});
            group = std::prev(groups.end());
        }
        group->values[static_cast<size_t>(node->column)] = {vb.value, i};
    }

    for (auto &g : groups) {
        const Table &table = *g.table;
        auto existing = table.rows.find(g.index);
        const bool exists = existing != table.rows.end();
        const auto statusPos = static_cast<size_t>(table.statusColumn);
        auto statusIt = table.statusColumn >= 0 ? g.values.find(statusPos) : g.values.end();
        const bool statusSet = statusIt != g.values.end();
        const int64_t status = statusSet ? statusIt->second.first.integer() : 0;
        const size_t statusVb = statusSet ? statusIt->second.second : g.first;

        Row row;
        if (exists)
            row = existing->second;
        auto merge = [&] {
            row.cells.resize(table.columns.size());
            for (const auto &[column, entry] : g.values) {
                row.cells[column] = entry.first;
                row.absent.erase(column);
            }
            // Index columns show the index of the row.
            if (auto values = table.decodeIndex(g.index))
                for (size_t c = 0; c < table.columns.size(); ++c)
                    if (table.columns[c].indexPart >= 0)
                        row.cells[c] = (*values)[static_cast<size_t>(table.columns[c].indexPart)];
        };
        auto setStatus = [&](int64_t v) {
            row.cells[statusPos] = Value {static_cast<uint64_t>(v), {}, {}};
        };

        Transaction::RowEdit edit {g.table, g.index, std::nullopt, exists};
        switch (table.statusKind) {
        case StatusKind::None:
            if (!exists)
                return {SNMP_ERR_NOCREATION, g.first};
            merge();
            edit.after = row;
            break;
        case StatusKind::RowStatus:
            if (exists) {
                const int64_t current = row.cells[statusPos] ? row.cells[statusPos]->integer() : 1;
                if (statusSet && (status == 4 || status == 5))
                    return {SNMP_ERR_INCONSISTENTVALUE, statusVb};
                if (statusSet && status == 6)
                    break; // removed
                merge();
                const bool complete = completeRow(table, row);
                if (statusSet) {
                    if (!complete)
                        return {SNMP_ERR_INCONSISTENTVALUE, statusVb};
                    setStatus(status);
                } else {
                    setStatus(current == 3 && complete ? 2 : current);
                }
                edit.after = row;
            } else {
                if (!statusSet)
                    return {SNMP_ERR_INCONSISTENTNAME, g.first};
                if (status == 6)
                    continue; // destroying a missing row changes nothing
                if (status == 1 || status == 2)
                    return {SNMP_ERR_INCONSISTENTVALUE, statusVb};
                merge();
                const bool complete = completeRow(table, row);
                if (status == 4 && !complete)
                    return {SNMP_ERR_INCONSISTENTVALUE, statusVb};
                setStatus(status == 4 ? 1 : (complete ? 2 : 3));
                edit.after = row;
            }
            break;
        case StatusKind::Values: {
            const auto &col = table.columns[statusPos];
            if (statusSet && col.deleteValues.contains(status)) {
                if (!exists)
                    continue;
                break; // removed
            }
            if (!exists) {
                if (!statusSet)
                    return {SNMP_ERR_INCONSISTENTNAME, g.first};
                if (!col.createValues.contains(status))
                    return {SNMP_ERR_INCONSISTENTVALUE, statusVb};
            }
            merge();
            if (!completeRow(table, row) && !exists)
                return {SNMP_ERR_INCONSISTENTVALUE, statusVb};
            edit.after = row;
            break;
        }
        }
        if (edit.after && table.behaviour.validate) {
            if (int err = table.behaviour.validate(table, g.index, *edit.after))
                return {err, g.first};
        }
        txn.rows.push_back(std::move(edit));
    }
    if (firstScalar && validateScalars)
        if (int err = validateScalars(txn))
            return {err, *firstScalar};
    return {};
}

void Mib::apply(const Transaction &txn)
{
    std::vector<Table *> touched;
    for (const auto &edit : txn.rows) {
        if (edit.after) {
            auto [it, inserted] = edit.table->rows.try_emplace(edit.index, *edit.after);
            if (!inserted) {
                // Keep where the row came from: computed columns depend on it.
                Row updated = *edit.after;
                updated.unit = it->second.unit;
                updated.port = it->second.port;
                it->second = std::move(updated);
            }
        } else {
            edit.table->rows.erase(edit.index);
        }
        if (std::find(touched.begin(), touched.end(), edit.table) == touched.end())
            touched.push_back(edit.table);
    }
    for (const auto &[scalar, value] : txn.scalarValues)
        scalar->value = value;
    for (Table *t : touched)
        if (t->behaviour.afterCommit)
            t->behaviour.afterCommit();
    if (onCommit)
        onCommit();
}

} // namespace trvsim
