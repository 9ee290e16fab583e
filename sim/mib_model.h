#pragma once
// The device's objects: scalars and table rows, kept in identifier order for GET-NEXT.
#include "oid.h"
#include "value.h"

#include <chrono>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

enum class Access { NotAccessible, ReadOnly, ReadWrite, ReadCreate };

inline bool isWritable(Access access) { return access == Access::ReadWrite || access == Access::ReadCreate; }

// A value computed when read instead of stored.
struct LiveRule {
    enum class Kind { Uptime, Grow, Toggle, RowCount, Stat, Clock };
    Kind kind = Kind::Uptime;
    std::uint64_t rate = 0;     // Grow: added per second
    std::uint64_t rateStep = 0; // Grow: added per second for each unit of the last sub-identifier
    std::set<std::uint32_t> growingRows; // Grow: the last sub-identifiers that grow; empty: all
    std::size_t byte = 0;       // Toggle: octet position
    std::uint8_t toggled = 0;   // Toggle: octet value in the odd periods
    unsigned periodSeconds = 1; // Toggle
    Oid table;                  // RowCount: table entry
    std::string stat;           // Stat: agent statistic name
};

struct ObjectType {
    std::string name;
    Syntax syntax = Syntax::Integer;
    Access access = Access::ReadOnly;
    Constraint constraint;
    std::optional<LiveRule> live;
    bool testAndIncr = false; // a write must carry the current value, which then moves on by one
};

struct Column {
    ObjectType type;
    std::optional<Value> defaultValue;
    bool index = false;   // value comes from the row's index
    bool implied = false; // last variable-length index without its length sub-identifier
};

// How a status column creates and destroys rows: each create value maps to the value the new
// row then holds (RowStatus: createAndGo 4 -> active 1), destroy values remove the row.
struct RowStatusRule {
    std::uint32_t column = 0; // 0: rows are fixed
    std::vector<std::pair<std::int64_t, std::int64_t>> create;
    std::vector<std::int64_t> destroy;
};

struct Table {
    Oid entry;
    std::map<std::uint32_t, Column> columns;
    RowStatusRule status;
    std::vector<std::uint32_t> indexOrder; // index columns in index order; empty: column-number order
    std::set<Oid> rows; // index suffixes
};

// What every SET must leave true between two INTEGER objects, as a bridge keeps its timers
// consistent: left <= factor * right + offset (or >= when atMost is false).
struct Relation {
    Oid left;
    bool atMost = true;
    std::int64_t factor = 1;
    Oid right;
    std::int64_t offset = 0;
};

struct Instance {
    const ObjectType* type = nullptr;
    Value value;
    std::chrono::steady_clock::time_point since; // when the value was last written
};

class MibModel {
public:
    using Instances = std::map<Oid, Instance>;

    // Defines or replaces a single object instance.
    void putObject(const Oid& oid, ObjectType type, Value value);

    Table& table(const Oid& entry); // defined on first use
    Table* findTable(const Oid& entry);
    const Table* findTable(const Oid& entry) const;
    // Defines or replaces a column; existing rows keep their value when it still fits.
    void putColumn(Table& table, std::uint32_t number, Column column);
    // Adds or replaces a row; columns missing from values take their defaults. False when the
    // index does not decode into the table's index columns.
    bool putRow(Table& table, const Oid& index, const std::map<std::uint32_t, Value>& values);
    void removeRow(Table& table, const Oid& index);

    struct Cell {
        Table* table;
        std::uint32_t column;
        Oid index;
    };
    // The table column an identifier names an instance of, if any.
    std::optional<Cell> locateCell(const Oid& oid);

    Instance* find(const Oid& oid);
    const Instance* find(const Oid& oid) const;
    const Instances& instances() const { return instances_; }
    // The distinct first two sub-identifiers of every object and table, e.g. {1,3} and {1,0}.
    std::set<Oid> topArcs() const;
    void write(const Oid& oid, const Value& value);

    void addRelation(Relation relation) { relations_.push_back(std::move(relation)); }
    const std::vector<Relation>& relations() const { return relations_; }

private:
    Instances instances_;
    std::vector<Relation> relations_;
    std::map<Oid, ObjectType> objectTypes_;
    std::map<Oid, Table> tables_;
};

// The index columns' values encoded in an index suffix; nullopt when it does not decode exactly.
std::optional<std::map<std::uint32_t, Value>> decodeIndex(const Table& table, const Oid& index);
