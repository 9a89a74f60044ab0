#pragma once

// The simulated MIB: scalars and tables defined by data files, their
// instances in lexicographic order, and the checks of a set request.

#include "MibTypes.h"

#include <functional>
#include <memory>
#include <set>

namespace trvsim {

enum class Access { NotAccessible, ReadOnly, ReadWrite, ReadCreate };

std::optional<Access> parseAccess(std::string_view name);

// A value computed on every read instead of stored (uptime, LED strings,
// traffic counters). `unit` and `port` come from the row (0 for scalars).
struct SourceContext
{
    int unit = 0;
    int port = 0;
    const Oid *index = nullptr;
};
using Source = std::function<Value(const SourceContext &)>;

struct ObjectType
{
    std::string name;
    Syntax syntax = Syntax::Integer;
    Access access = Access::ReadOnly;
    Constraints constraints;
    Source source; // set for computed objects
    std::string sourceName;

    bool writable() const { return access == Access::ReadWrite || access == Access::ReadCreate; }
};

struct Scalar : ObjectType
{
    Oid oid;
    Value value;
};

// How a table's status column creates and removes rows.
enum class StatusKind {
    None, // rows are fixed
    RowStatus, // RFC 2579 RowStatus
    Values, // named values create or remove a row (valid/invalid, add/delete)
};

struct Column : ObjectType
{
    unsigned number = 0;
    int indexPart = -1; // >= 0: this column shows that index component
    std::optional<Value> defval;
    std::set<int64_t> createValues; // StatusKind::Values
    std::set<int64_t> deleteValues;
};

struct IndexPart
{
    std::string name;
    Syntax syntax = Syntax::Integer;
    Constraints constraints;
    bool implied = false;
};

struct Row
{
    std::vector<std::optional<Value>> cells; // by column position
    // Columns this row does not hold (a sparse table), defaults and sources
    // notwithstanding; writing the column makes it present.
    std::set<size_t> absent;
    int unit = 0;
    int port = 0;
};

struct Table;

// Table-specific behaviour that data cannot express (Q-BRIDGE coupling).
struct TableBehaviour
{
    // Checks a row as it would be after a set; returns an SNMP error status.
    std::function<int(const Table &, const Oid &index, const Row &row)> validate;
    // Runs after a committed set changed rows of the table.
    std::function<void()> afterCommit;
    // Changes a cell's value as it is answered (the stored value stays).
    std::function<void(const Oid &index, const Column &column, Value &value)> present;
};

struct Table
{
    std::string name;
    Oid entry;
    std::vector<IndexPart> index;
    std::vector<Column> columns;
    int statusColumn = -1;
    StatusKind statusKind = StatusKind::None;
    std::map<Oid, Row> rows;
    TableBehaviour behaviour;

    int columnPosition(unsigned number) const;
    int columnPosition(std::string_view name) const;
    bool creatable() const { return statusKind != StatusKind::None; }
    bool persistent() const;

    // Index OID suffix <-> values, checked against the index parts.
    std::optional<std::vector<Value>> decodeIndex(const Oid &suffix) const;
    Oid encodeIndex(const std::vector<Value> &values) const;
    std::string formatIndex(const Oid &suffix) const;
    std::optional<Value> cell(const Row &row, size_t position, const Oid &index) const;
};

struct Varbind
{
    Oid name;
    unsigned char type = 0;
    Value value; // decoded according to `type`
};

class Mib
{
public:
    std::vector<std::unique_ptr<Scalar>> scalars;
    std::vector<std::unique_ptr<Table>> tables;

    Scalar *findScalar(std::string_view name);
    const Scalar *findScalar(std::string_view name) const;
    Table *findTable(std::string_view name);
    const Table *findTable(std::string_view name) const;
    // True when an object (scalar or accessible column) covers `name`.
    bool covers(const Oid &name) const;
    // Builds the lookup index; call after the object set changed.
    void buildIndex();

    // Instance lookup for get; nullopt when there is no such instance.
    std::optional<Value> get(const Oid &name, unsigned char &type) const;
    // First instance after `name` (or at it when inclusive); false at the end.
    bool getNext(
        const Oid &name, bool inclusive, Oid &found, Value &value, unsigned char &type) const;

    // A set request, checked as a whole before anything changes.
    struct SetResult
    {
        int status = 0; // SNMP error status
        size_t failed = 0; // position of the offending varbind
    };
    class Transaction
    {
    public:
        struct RowEdit
        {
            Table *table = nullptr;
            Oid index;
            std::optional<Row> after; // nullopt: the row goes away
            bool existed = false;
        };
        std::vector<RowEdit> rows;
        std::vector<std::pair<Scalar *, Value>> scalarValues;
    };
    SetResult check(const std::vector<Varbind> &varbinds, Transaction &txn) const;
    // Applies a checked transaction and runs the tables' commit behaviour.
    void apply(const Transaction &txn);

    std::function<void()> onCommit; // persists the state
    // Checks the scalars of a set as they would be after it (rules between
    // scalars of one group); returns an SNMP error status, blamed on the
    // first scalar of the request.
    std::function<int(const Transaction &)> validateScalars;

private:
    struct Node
    {
        Scalar *scalar = nullptr;
        Table *table = nullptr;
        int column = -1;
    };
    std::map<Oid, Node> nodes_;
    const Node *nodeFor(const Oid &name, Oid &suffix) const;
    bool nextInNode(const Oid &nodeOid, const Node &node, const Oid *after, bool inclusive,
        Oid &found, Value &value, unsigned char &type) const;
};

// Fills a row with defaults; returns false when a column has neither a
// value nor a default.
bool completeRow(const Table &table, Row &row);

} // namespace trvsim
