#pragma once

// Reads the seed data files (simulator/data/*.sim) and the state file.
// The format is described in simulator/README.md.

#include "Mib.h"
#include "Stack.h"

namespace trvsim {

struct Token
{
    std::string key; // empty for a positional token
    std::string value; // the text, quotes and escapes removed
    bool quoted = false;
};

// Splits one line into tokens: blanks separate, "..." quotes (with \" \\ \n
// \xHH escapes), key=value pairs, # starts a comment. Returns an error text.
std::optional<std::string> tokenize(std::string_view line, std::vector<Token> &tokens);

struct Statement
{
    std::string where; // file:line
    std::vector<Token> tokens;
};

struct DataSet
{
    std::vector<ModelProfile> models;
    std::vector<Statement> statements; // everything but the models, in file order
};

// Reads every *.sim file of `dir` in name order.
std::optional<std::string> readDataDir(const std::string &dir, DataSet &data);

struct LoaderHooks
{
    // Makes the computed value called `name` with argument `arg`
    // (source=name:arg); nullopt when unknown.
    std::function<std::optional<Source>(const std::string &name, const std::string &arg)> source;
    // Attaches the named behaviour to a table; false when unknown.
    std::function<bool(const std::string &name, Table &table)> behaviour;
};

// Builds the MIB from the statements for the given stack: defines objects,
// generates per-unit, per-port and counted rows, adds explicit rows.
std::optional<std::string> buildMib(
    const DataSet &data, const Stack &stack, const LoaderHooks &hooks, Mib &mib);

PortUniverse portUniverse(const Stack &stack);

// State file: writable scalars and the rows of writable tables, by name.
std::string saveState(const Mib &mib);
std::optional<std::string> loadState(const std::string &text, const Stack &stack, Mib &mib);

} // namespace trvsim
