#include "DataLoader.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace trvsim {

std::optional<std::string> tokenize(std::string_view line, std::vector<Token> &tokens)
{
    tokens.clear();
    size_t i = 0;
    const size_t n = line.size();
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (i < n) {
        while (i < n && blank(line[i]))
            ++i;
        if (i >= n || line[i] == '#')
            break;
        Token token;
        std::string text;
        bool sawKey = false;
        while (i < n && !blank(line[i])) {
            char c = line[i];
            if (c == '=' && !sawKey && !token.quoted) {
                token.key = text;
                text.clear();
                sawKey = true;
                ++i;
                continue;
            }
            if (c == '"') {
                token.quoted = true;
                ++i;
                bool closed = false;
                while (i < n) {
                    c = line[i++];
                    if (c == '"') {
                        closed = true;
                        break;
                    }
                    if (c == '\\' && i < n) {
                        char e = line[i++];
                        if (e == 'n')
                            text += '\n';
                        else if (e == 'x' && i + 2 <= n) {
                            unsigned v = 0;
                            auto r = std::from_chars(line.data() + i, line.data() + i + 2, v, 16);
                            if (r.ec != std::errc() || r.ptr != line.data() + i + 2)
                                return std::string("bad \\x escape");
                            text += static_cast<char>(v);
                            i += 2;
                        } else
                            text += e;
                    } else {
                        text += c;
                    }
                }
                if (!closed)
                    return std::string("unterminated quote");
                continue;
            }
            text += c;
            ++i;
        }
        token.value = std::move(text);
        tokens.push_back(std::move(token));
    }
    return std::nullopt;
}

namespace {

std::optional<std::string> fail(const std::string &where, const std::string &what)
{
    return where + ": " + what;
}

// COLUMN=absent (unquoted): the row does not hold the column.
bool isAbsentValue(const Token &t)
{
    return !t.quoted && t.value == "absent";
}

bool toInt(std::string_view text, int64_t &out)
{
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

std::vector<std::string> splitList(const std::string &text, char sep)
{
    std::vector<std::string> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, sep))
        parts.push_back(part);
    return parts;
}

bool parseRanges(const std::string &text, std::vector<Range> &out)
{
    for (const auto &item : splitList(text, ',')) {
        Range r;
        auto dots = item.find("..");
        if (dots == std::string::npos) {
            if (!toInt(item, r.low))
                return false;
            r.high = r.low;
        } else if (!toInt(std::string_view(item).substr(0, dots), r.low)
            || !toInt(std::string_view(item).substr(dots + 2), r.high)) {
            return false;
        }
        out.push_back(r);
    }
    return !out.empty();
}

bool parseEnums(const std::string &text, std::map<int64_t, std::string> &out)
{
    for (const auto &item : splitList(text, ',')) {
        auto colon = item.find(':');
        int64_t v = 0;
        if (!toInt(std::string_view(item).substr(0, colon), v))
            return false;
        out[v] = colon == std::string::npos ? std::to_string(v) : item.substr(colon + 1);
    }
    return !out.empty();
}

// Common attributes of scalars, columns and index parts.
std::optional<std::string> applyConstraint(const Token &t, Constraints &c, bool &used)
{
    used = true;
    if (t.key == "range") {
        if (!parseRanges(t.value, c.ranges))
            return "bad range '" + t.value + "'";
    } else if (t.key == "size") {
        if (!parseRanges(t.value, c.sizes))
            return "bad size '" + t.value + "'";
    } else if (t.key == "enum") {
        if (!parseEnums(t.value, c.enums))
            return "bad enum '" + t.value + "'";
    } else {
        used = false;
    }
    return std::nullopt;
}

using Vars = std::map<std::string, std::string>;

// Replaces {name} and {name:fmt} (fmt like 02x or 3d) by the row's values.
std::optional<std::string> expand(const std::string &text, const Vars &vars, std::string &out)
{
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '{') {
            out += text[i];
            continue;
        }
        auto close = text.find('}', i);
        if (close == std::string::npos)
            return "unclosed { in '" + text + "'";
        std::string name = text.substr(i + 1, close - i - 1), fmt;
        if (auto colon = name.find(':'); colon != std::string::npos) {
            fmt = name.substr(colon + 1);
            name.resize(colon);
        }
        auto it = vars.find(name);
        if (it == vars.end())
            return "unknown variable {" + name + "}";
        if (fmt.empty()) {
            out += it->second;
        } else {
            int64_t v = 0;
            const char conv = fmt.back();
            if (!toInt(it->second, v) || (conv != 'd' && conv != 'x' && conv != 'X')
                || fmt.find_first_not_of("0123456789dxX") != std::string::npos)
                return "bad format {" + name + ":" + fmt + "}";
            const std::string spec = "%" + fmt.substr(0, fmt.size() - 1) + "ll" + conv;
            char buf[32];
            std::snprintf(buf, sizeof buf, spec.c_str(), static_cast<long long>(v));
            out += buf;
        }
        i = close;
    }
    return std::nullopt;
}

struct Builder
{
    const Stack &stack;
    const LoaderHooks &hooks;
    Mib &mib;
    PortUniverse ports;
    Table *table = nullptr;

    std::optional<std::string> objectAttrs(const std::vector<Token> &tokens, size_t from,
        ObjectType &object, std::optional<Token> &value, std::vector<Token> &rest)
    {
        for (size_t i = from; i < tokens.size(); ++i) {
            const auto &t = tokens[i];
            bool used = false;
            if (auto err = applyConstraint(t, object.constraints, used))
                return err;
            if (used)
                continue;
            if (t.key == "source") {
                auto colon = t.value.find(':');
                std::string name = t.value.substr(0, colon);
                std::string arg = colon == std::string::npos ? "" : t.value.substr(colon + 1);
                auto src = hooks.source ? hooks.source(name, arg) : std::nullopt;
                if (!src)
                    return "unknown source '" + t.value + "'";
                object.source = std::move(*src);
                object.sourceName = t.value;
            } else if (t.key == "value" || t.key == "default") {
                value = t;
            } else {
                rest.push_back(t);
            }
        }
        return std::nullopt;
    }

    std::optional<std::string> scalar(const std::vector<Token> &tk)
    {
        if (tk.size() < 5)
            return std::string("scalar NAME OID SYNTAX ACCESS [attributes]");
        auto s = std::make_unique<Scalar>();
        s->name = tk[1].value;
        auto oid = parseOid(tk[2].value);
        auto syntax = parseSyntax(tk[3].value);
        auto access = parseAccess(tk[4].value);
        if (!oid || !syntax || !access)
            return "bad OID, syntax or access in scalar " + s->name;
        s->oid = *oid;
        s->syntax = *syntax;
        s->access = *access;
        std::optional<Token> value;
        std::vector<Token> rest;
        if (auto err = objectAttrs(tk, 5, *s, value, rest))
            return err;
        if (!rest.empty())
            return "unknown attribute '" + rest.front().key + "'";
        if (value) {
            if (auto err = parseValue(
                    s->syntax, s->constraints, value->value, value->quoted, ports, s->value))
                return err;
        } else if (!s->source) {
            return "scalar " + s->name + " needs value= or source=";
        } else if (s->writable()) {
            return "scalar " + s->name + " is computed and cannot be writable";
        }
        mib.scalars.push_back(std::move(s));
        return std::nullopt;
    }

    std::optional<std::string> beginTable(const std::vector<Token> &tk)
    {
        if (table)
            return std::string("table inside table (missing end)");
        if (tk.size() < 3)
            return std::string("table NAME ENTRY-OID [behaviour=NAME]");
        auto t = std::make_unique<Table>();
        t->name = tk[1].value;
        auto oid = parseOid(tk[2].value);
        if (!oid)
            return "bad entry OID of table " + t->name;
        t->entry = *oid;
        for (size_t i = 3; i < tk.size(); ++i) {
            if (tk[i].key == "behaviour") {
                if (!hooks.behaviour || !hooks.behaviour(tk[i].value, *t))
                    return "unknown behaviour '" + tk[i].value + "'";
            } else {
                return "unknown attribute '" + tk[i].key + tk[i].value + "'";
            }
        }
        table = t.get();
        mib.tables.push_back(std::move(t));
        return std::nullopt;
    }

    std::optional<std::string> indexPart(const std::vector<Token> &tk)
    {
        if (tk.size() < 3)
            return std::string("index NAME SYNTAX [attributes] [implied]");
        IndexPart part;
        part.name = tk[1].value;
        auto syntax = parseSyntax(tk[2].value);
        if (!syntax)
            return "bad syntax of index " + part.name;
        part.syntax = *syntax;
        for (size_t i = 3; i < tk.size(); ++i) {
            bool used = false;
            if (auto err = applyConstraint(tk[i], part.constraints, used))
                return err;
            if (!used && tk[i].key.empty() && tk[i].value == "implied")
                part.implied = true;
            else if (!used)
                return "unknown attribute '" + tk[i].key + tk[i].value + "'";
        }
        table->index.push_back(std::move(part));
        return std::nullopt;
    }

    std::optional<std::string> column(const std::vector<Token> &tk)
    {
        if (tk.size() < 5)
            return std::string("column NUMBER NAME SYNTAX ACCESS [attributes]");
        Column col;
        int64_t number = 0;
        if (!toInt(tk[1].value, number) || number < 1)
            return "bad column number '" + tk[1].value + "'";
        col.number = static_cast<unsigned>(number);
        col.name = tk[2].value;
        auto syntax = parseSyntax(tk[3].value);
        auto access = parseAccess(tk[4].value);
        if (!syntax || !access)
            return "bad syntax or access in column " + col.name;
        col.syntax = *syntax;
        col.access = *access;
        if (table->columnPosition(col.number) >= 0)
            return "column " + std::to_string(col.number) + " given twice";
        std::optional<Token> value;
        std::vector<Token> rest;
        if (auto err = objectAttrs(tk, 5, col, value, rest))
            return err;
        for (const auto &t : rest) {
            std::vector<Range> values;
            if (t.key.empty() && t.value == "index") {
                IndexPart part {col.name, col.syntax, col.constraints, false};
                col.indexPart = static_cast<int>(table->index.size());
                table->index.push_back(part);
            } else if ((t.key == "create" || t.key == "delete") && parseRanges(t.value, values)) {
                auto &set = t.key == "create" ? col.createValues : col.deleteValues;
                for (auto r : values)
                    for (auto v = r.low; v <= r.high; ++v)
                        set.insert(v);
            } else {
                return "unknown attribute '" + t.key + (t.key.empty() ? "" : "=") + t.value + "'";
            }
        }
        if (value) {
            Value v;
            if (auto err
                = parseValue(col.syntax, col.constraints, value->value, value->quoted, ports, v))
                return err;
            col.defval = v;
        }
        const int position = static_cast<int>(table->columns.size());
        if (col.syntax == Syntax::RowStatus || !col.createValues.empty()) {
            if (table->statusColumn >= 0)
                return "table " + table->name + " has two status columns";
            table->statusColumn = position;
            table->statusKind
                = col.syntax == Syntax::RowStatus ? StatusKind::RowStatus : StatusKind::Values;
        }
        table->columns.push_back(std::move(col));
        return std::nullopt;
    }

    // The index of a row of the table from its index texts after expansion.
    std::optional<std::string> rowIndex(const std::vector<Token> &indexTokens, const Vars &vars,
        std::vector<Value> &indexValues, Oid &index)
    {
        if (indexTokens.size() != table->index.size())
            return "row of " + table->name + " needs " + std::to_string(table->index.size())
                + " index values";
        indexValues.clear();
        std::string text;
        for (size_t i = 0; i < indexTokens.size(); ++i) {
            if (auto err = expand(indexTokens[i].value, vars, text))
                return err;
            Value v;
            const auto &part = table->index[i];
            if (auto err
                = parseValue(part.syntax, part.constraints, text, indexTokens[i].quoted, ports, v))
                return err;
            indexValues.push_back(std::move(v));
        }
        index = table->encodeIndex(indexValues);
        if (!table->decodeIndex(index))
            return "index out of range in row of " + table->name;
        return std::nullopt;
    }

    // Sets the cells named by column=value tokens after expansion.
    std::optional<std::string> setCells(
        const std::vector<Token> &valueTokens, const Vars &vars, Row &row)
    {
        std::string text;
        for (const auto &t : valueTokens) {
            int pos = table->columnPosition(t.key);
            int64_t number = 0;
            if (pos < 0 && toInt(t.key, number))
                pos = table->columnPosition(static_cast<unsigned>(number));
            if (pos < 0)
                return "no column '" + t.key + "' in " + table->name;
            const auto &col = table->columns[static_cast<size_t>(pos)];
            if (isAbsentValue(t) && col.indexPart < 0) {
                row.absent.insert(static_cast<size_t>(pos));
                continue;
            }
            if (col.source || col.indexPart >= 0)
                return "column " + col.name + " takes no value in rows";
            if (auto err = expand(t.value, vars, text))
                return err;
            Value v;
            if (auto err = parseValue(col.syntax, col.constraints, text, t.quoted, ports, v))
                return err;
            row.cells[static_cast<size_t>(pos)] = std::move(v);
        }
        return std::nullopt;
    }

    // Adds one row from index texts and column=value tokens after expansion.
    std::optional<std::string> addRow(const std::vector<Token> &indexTokens,
        const std::vector<Token> &valueTokens, const Vars &vars, int unit, int port)
    {
        std::vector<Value> indexValues;
        Oid index;
        if (auto err = rowIndex(indexTokens, vars, indexValues, index))
            return err;
        Row row;
        row.unit = unit;
        row.port = port;
        row.cells.resize(table->columns.size());
        for (size_t c = 0; c < table->columns.size(); ++c)
            if (table->columns[c].indexPart >= 0)
                row.cells[c] = indexValues[static_cast<size_t>(table->columns[c].indexPart)];
        if (auto err = setCells(valueTokens, vars, row))
            return err;
        if (!completeRow(*table, row))
            return "row of " + table->name + " lacks a value without default";
        if (table->statusColumn >= 0 && !row.cells[static_cast<size_t>(table->statusColumn)]
            && table->statusKind == StatusKind::RowStatus)
            row.cells[static_cast<size_t>(table->statusColumn)] = Value {1, {}, {}};
        if (!table->rows.emplace(std::move(index), std::move(row)).second)
            return "two rows with the same index in " + table->name;
        return std::nullopt;
    }

    Vars unitVars(const Unit &u) const
    {
        Vars vars = u.profile->properties;
        vars["unit"] = std::to_string(u.id);
        vars["model"] = u.model;
        vars["ports"] = std::to_string(u.profile->ports);
        vars["startport"] = std::to_string((u.id - 1) * 64 + 1);
        vars["mode"] = std::to_string(stack.mode(u.id));
        return vars;
    }

    std::optional<std::string> rows(const std::vector<Token> &tk)
    {
        if (tk.size() < 2)
            return std::string("rows per-unit|per-port|count=N [index=\"...\"] column=value...");
        std::vector<Token> indexTokens, values;
        std::optional<std::string> indexTemplate;
        int64_t firstPort = 1, lastPort = 64;
        for (size_t i = 2; i < tk.size(); ++i) {
            if (tk[i].key == "index") {
                indexTemplate = tk[i].value;
            } else if (tk[i].key == "ports") {
                const auto dots = tk[i].value.find("..");
                if (dots == std::string::npos || !toInt(tk[i].value.substr(0, dots), firstPort)
                    || !toInt(tk[i].value.substr(dots + 2), lastPort))
                    return "bad port range '" + tk[i].value + "'";
            } else {
                values.push_back(tk[i]);
            }
        }
        auto makeIndex = [&](const std::string &fallback) -> std::optional<std::string> {
            std::vector<Token> parsed;
            if (auto err = tokenize(indexTemplate.value_or(fallback), parsed))
                return err;
            indexTokens = parsed;
            return std::nullopt;
        };
        const auto &mode = tk[1];
        if (mode.key.empty() && mode.value == "per-unit") {
            if (auto err = makeIndex("{unit}"))
                return err;
            for (const auto &u : stack.units)
                if (auto err = addRow(indexTokens, values, unitVars(u), u.id, 0))
                    return err;
        } else if (mode.key.empty() && mode.value == "per-port") {
            if (auto err = makeIndex("{ifindex}"))
                return err;
            for (const auto &u : stack.units)
                for (int p = 1; p <= u.profile->ports; ++p) {
                    if (p < firstPort || p > lastPort)
                        continue;
                    Vars vars = unitVars(u);
                    vars["port"] = std::to_string(p);
                    vars["ifindex"] = std::to_string((u.id - 1) * 64 + p);
                    if (auto err = addRow(indexTokens, values, vars, u.id, p))
                        return err;
                }
        } else if (mode.key == "count") {
            int64_t count = 0;
            if (!toInt(mode.value, count) || count < 0 || count > 1000000)
                return "bad row count '" + mode.value + "'";
            if (!indexTemplate)
                return std::string("counted rows need index=\"...\"");
            if (auto err = makeIndex(""))
                return err;
            std::vector<std::pair<int, int>> allPorts;
            for (const auto &u : stack.units)
                for (int p = 1; p <= u.profile->ports; ++p)
                    allPorts.emplace_back(u.id, p);
            for (int64_t n = 1; n <= count; ++n) {
                Vars vars;
                vars["n"] = std::to_string(n);
                vars["n1"] = std::to_string((n >> 16) & 0xFF);
                vars["n2"] = std::to_string((n >> 8) & 0xFF);
                vars["n3"] = std::to_string(n & 0xFF);
                const auto &[u, p] = allPorts[static_cast<size_t>(n - 1) % allPorts.size()];
                vars["nport"] = std::to_string((u - 1) * 64 + p);
                if (auto err = addRow(indexTokens, values, vars, 0, 0))
                    return err;
            }
        } else {
            return "unknown row generator '" + mode.value + "'";
        }
        return std::nullopt;
    }

    std::optional<std::string> row(const std::vector<Token> &tk)
    {
        std::vector<Token> indexTokens, values;
        for (size_t i = 1; i < tk.size(); ++i)
            (tk[i].key.empty() ? indexTokens : values).push_back(tk[i]);
        return addRow(indexTokens, values, {}, 0, 0);
    }

    // Changes cells of a row made before; a row this stack lacks (a port of
    // a unit that is not there) is left out.
    std::optional<std::string> update(const std::vector<Token> &tk)
    {
        std::vector<Token> indexTokens, values;
        for (size_t i = 1; i < tk.size(); ++i)
            (tk[i].key.empty() ? indexTokens : values).push_back(tk[i]);
        std::vector<Value> indexValues;
        Oid index;
        if (auto err = rowIndex(indexTokens, {}, indexValues, index))
            return err;
        const auto existing = table->rows.find(index);
        if (existing == table->rows.end())
            return std::nullopt;
        return setCells(values, {}, existing->second);
    }

    std::optional<std::string> statement(const std::vector<Token> &tk)
    {
        const auto &word = tk.front().value;
        if (word == "scalar")
            return table ? std::string("scalar inside table") : scalar(tk);
        if (word == "table")
            return beginTable(tk);
        if (!table)
            return "'" + word + "' outside a table";
        if (word == "end") {
            if (table->index.empty())
                return "table " + table->name + " has no index";
            table = nullptr;
            return std::nullopt;
        }
        if (word == "index")
            return indexPart(tk);
        if (word == "column")
            return column(tk);
        if (word == "rows")
            return rows(tk);
        if (word == "row")
            return row(tk);
        if (word == "update")
            return update(tk);
        return "unknown statement '" + word + "'";
    }
};

} // namespace

std::optional<std::string> readDataDir(const std::string &dir, DataSet &data)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(dir, ec))
        if (entry.path().extension() == ".sim")
            files.push_back(entry.path());
    if (ec || files.empty())
        return "no data files (*.sim) in " + dir;
    std::sort(files.begin(), files.end());
    for (const auto &path : files) {
        std::ifstream in(path);
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            const std::string where = path.filename().string() + ":" + std::to_string(number);
            Statement st {where, {}};
            if (auto err = tokenize(line, st.tokens))
                return fail(where, *err);
            if (st.tokens.empty())
                continue;
            if (!st.tokens.front().key.empty())
                return fail(where, "a statement starts with a word");
            if (st.tokens.front().value != "model") {
                data.statements.push_back(std::move(st));
                continue;
            }
            if (st.tokens.size() < 2)
                return fail(where, "model NAME attributes...");
            ModelProfile model;
            model.name = st.tokens[1].value;
            for (size_t i = 2; i < st.tokens.size(); ++i) {
                const auto &t = st.tokens[i];
                int64_t v = 0;
                if (t.key == "ports" && toInt(t.value, v) && v >= 1 && v <= 64)
                    model.ports = static_cast<int>(v);
                else if (t.key == "leds" && toInt(t.value, v) && v >= 4 && v <= 255)
                    model.ledOctets = static_cast<int>(v);
                else if (t.key == "stack-leds") {
                    for (const auto &p : splitList(t.value, ','))
                        if (toInt(p, v))
                            model.stackLeds.push_back(static_cast<int>(v));
                        else
                            return fail(where, "bad stack-leds");
                } else if (!t.key.empty())
                    model.properties[t.key] = t.value;
                else
                    return fail(where, "bad model attribute '" + t.value + "'");
            }
            data.models.push_back(std::move(model));
        }
    }
    return std::nullopt;
}

PortUniverse portUniverse(const Stack &stack)
{
    PortUniverse ports;
    for (const auto &u : stack.units)
        ports.unitPortCounts.emplace_back(u.id, u.profile->ports);
    return ports;
}

std::optional<std::string> buildMib(
    const DataSet &data, const Stack &stack, const LoaderHooks &hooks, Mib &mib)
{
    Builder builder {stack, hooks, mib, portUniverse(stack)};
    const Statement *last = nullptr;
    for (const auto &st : data.statements) {
        last = &st;
        if (auto err = builder.statement(st.tokens))
            return fail(st.where, *err);
    }
    if (builder.table)
        return fail(last ? last->where : "data", "table " + builder.table->name + " lacks end");
    try {
        mib.buildIndex();
    } catch (const std::exception &e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

std::string saveState(const Mib &mib)
{
    std::string out = "# trvsim state: writable objects, rewritten after every committed set\n";
    for (const auto &s : mib.scalars)
        if (s->writable())
            out += "scalar " + s->name + " " + formatValue(s->syntax, s->value) + "\n";
    for (const auto &t : mib.tables) {
        if (!t->persistent())
            continue;
        if (t->creatable())
            out += "clear " + t->name + "\n";
        for (const auto &[index, row] : t->rows) {
            std::string line = "row " + t->name + " " + t->formatIndex(index);
            for (size_t c = 0; c < t->columns.size(); ++c) {
                const auto &col = t->columns[c];
                const bool keep = t->creatable() ? !col.source && col.indexPart < 0
                                                 : col.writable() && !col.source;
                if (keep && row.absent.contains(c))
                    line += " " + col.name + "=absent";
                else if (keep && c < row.cells.size() && row.cells[c])
                    line += " " + col.name + "=" + formatValue(col.syntax, *row.cells[c]);
            }
            out += line + "\n";
        }
    }
    return out;
}

std::optional<std::string> loadState(const std::string &text, const Stack &stack, Mib &mib)
{
    const auto ports = portUniverse(stack);
    std::istringstream in(text);
    std::string line;
    int number = 0;
    std::vector<Token> tk;
    while (std::getline(in, line)) {
        const std::string where = "state:" + std::to_string(++number);
        if (auto err = tokenize(line, tk))
            return fail(where, *err);
        if (tk.empty())
            continue;
        const auto &word = tk[0].value;
        if (tk.size() < 2)
            return fail(where, "incomplete line");
        if (word == "scalar") {
            Scalar *s = mib.findScalar(tk[1].value);
            if (!s || !s->writable() || tk.size() != 3)
                return fail(where, "no writable scalar " + tk[1].value);
            if (auto err
                = parseValue(s->syntax, s->constraints, tk[2].value, tk[2].quoted, ports, s->value))
                return fail(where, *err);
            continue;
        }
        Table *t = mib.findTable(tk[1].value);
        if (!t || !t->persistent())
            return fail(where, "no writable table " + tk[1].value);
        if (word == "clear") {
            t->rows.clear();
            continue;
        }
        if (word != "row")
            return fail(where, "unknown statement '" + word + "'");
        std::vector<Value> indexValues;
        size_t i = 2;
        for (const auto &part : t->index) {
            if (i >= tk.size() || !tk[i].key.empty())
                return fail(where, "row lacks index values");
            Value v;
            if (auto err
                = parseValue(part.syntax, part.constraints, tk[i].value, tk[i].quoted, ports, v))
                return fail(where, *err);
            indexValues.push_back(std::move(v));
            ++i;
        }
        const Oid index = t->encodeIndex(indexValues);
        auto existing = t->rows.find(index);
        if (existing == t->rows.end() && !t->creatable())
            continue; // a port of a unit that is not in this stack
        Row row = existing != t->rows.end() ? existing->second : Row {};
        row.cells.resize(t->columns.size());
        for (size_t c = 0; c < t->columns.size(); ++c)
            if (t->columns[c].indexPart >= 0)
                row.cells[c] = indexValues[static_cast<size_t>(t->columns[c].indexPart)];
        for (; i < tk.size(); ++i) {
            int pos = t->columnPosition(tk[i].key);
            if (pos < 0)
                return fail(where, "no column " + tk[i].key + " in " + t->name);
            const auto &col = t->columns[static_cast<size_t>(pos)];
            if (isAbsentValue(tk[i])) {
                row.absent.insert(static_cast<size_t>(pos));
                continue;
            }
            Value v;
            if (auto err
                = parseValue(col.syntax, col.constraints, tk[i].value, tk[i].quoted, ports, v))
                return fail(where, *err);
            row.cells[static_cast<size_t>(pos)] = std::move(v);
            row.absent.erase(static_cast<size_t>(pos));
        }
        completeRow(*t, row);
        t->rows[index] = std::move(row);
    }
    for (auto &t : mib.tables)
        if (t->behaviour.afterCommit)
            t->behaviour.afterCommit();
    return std::nullopt;
}

} // namespace trvsim
