#include "profile_loader.h"

#include "agent_statistics.h"
#include "device_clock.h"
#include "profile_tokens.h"

#include <charconv>
#include <fstream>
#include <set>

namespace {

struct Attribute {
    std::string key;
    std::string value;
};

class LineParser {
public:
    LineParser(std::string path, int line, MibModel& model) : path_(std::move(path)), line_(line), model_(model) {}

    void parse(const std::vector<std::string>& words)
    {
        const std::string& directive = words.front();
        if (directive == "object")
            parseObject(words);
        else if (directive == "table")
            parseTable(words);
        else if (directive == "column")
            parseColumn(words);
        else if (directive == "row")
            parseRow(words);
        else if (directive == "relation")
            parseRelation(words);
        else
            fail("unknown directive '" + directive + "'");
    }

private:
    std::string path_;
    int line_;
    MibModel& model_;

    [[noreturn]] void fail(const std::string& message) const
    {
        throw ProfileError(path_ + ":" + std::to_string(line_) + ": " + message);
    }

    void needWords(const std::vector<std::string>& words, std::size_t count, const char* form) const
    {
        if (words.size() < count)
            fail(std::string("expected: ") + form);
    }

    Oid oidOf(const std::string& text) const
    {
        auto oid = parseOid(text);
        if (!oid)
            fail("bad object identifier '" + text + "'");
        return *oid;
    }

    // The agent library keeps the tops of the 0 and 2 trees for itself.
    Oid servedOidOf(const std::string& text) const
    {
        Oid oid = oidOf(text);
        if (oid.size() < 2 || oid.front() != 1)
            fail("objects and tables live under 1 (iso), not at '" + text + "'");
        return oid;
    }

    std::uint32_t numberOf(const std::string& text) const
    {
        std::uint32_t value = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size())
            fail("bad number '" + text + "'");
        return value;
    }

    Table& declaredTable(const std::string& text) const
    {
        Table* table = model_.findTable(oidOf(text));
        if (!table)
            fail("table " + text + " is not declared");
        return *table;
    }

    // key=value words from `from` on; bare words are flags with an empty value.
    std::vector<Attribute> attributes(const std::vector<std::string>& words, std::size_t from,
                                      const std::set<std::string>& allowed) const
    {
        std::vector<Attribute> result;
        for (std::size_t i = from; i < words.size(); ++i) {
            auto eq = words[i].find('=');
            Attribute attribute{words[i].substr(0, eq), eq == std::string::npos ? "" : words[i].substr(eq + 1)};
            if (!allowed.count(attribute.key))
                fail("unexpected '" + words[i] + "'");
            result.push_back(std::move(attribute));
        }
        return result;
    }

    Value valueOf(const ObjectType& type, const std::string& text) const
    {
        auto value = parseValue(type.syntax, text);
        if (!value)
            fail("bad " + std::string(syntaxInfo(type.syntax).name) + " value " + text);
        if (checkValue(type.syntax, type.constraint, *value) != ValueFault::None)
            fail("value " + text + " is outside the range or size of " + type.name);
        return *value;
    }

    std::vector<Interval> intervalsOf(const std::string& text) const
    {
        auto intervals = parseIntervals(text);
        if (!intervals)
            fail("bad range '" + text + "'");
        return *intervals;
    }

    Access accessOf(const std::string& text) const
    {
        if (text == "ro") return Access::ReadOnly;
        if (text == "rw") return Access::ReadWrite;
        if (text == "rc") return Access::ReadCreate;
        if (text == "na") return Access::NotAccessible;
        fail("bad access '" + text + "' (ro, rw, rc or na)");
    }

    // NAME SYNTAX ACCESS at words[from..from+2].
    ObjectType typeOf(const std::vector<std::string>& words, std::size_t from) const
    {
        const SyntaxInfo* syntax = findSyntax(words[from + 1]);
        if (!syntax)
            fail("unknown syntax '" + words[from + 1] + "'");
        return ObjectType{words[from], syntax->syntax, accessOf(words[from + 2]), {}, std::nullopt};
    }

    // Constraint and live attributes shared by objects and columns.
    void applyTypeAttribute(ObjectType& type, const Attribute& attribute) const
    {
        if (attribute.key == "range")
            type.constraint.values = intervalsOf(attribute.value);
        else if (attribute.key == "size")
            type.constraint.sizes = intervalsOf(attribute.value);
        else if (attribute.key == "live")
            type.live = liveOf(type, attribute.value);
        else if (attribute.key == "write") {
            if (attribute.value != "testandincr" || type.syntax != Syntax::Integer)
                fail("bad write rule '" + attribute.value + "'");
            type.testAndIncr = true;
        }
    }

    LiveRule liveOf(const ObjectType& type, const std::string& text) const
    {
        auto fields = splitFields(text, ':');
        WireType wire = syntaxInfo(type.syntax).wire;
        bool counting = wire == WireType::Counter32 || wire == WireType::Counter64 || wire == WireType::Gauge32 ||
                        wire == WireType::Integer;
        LiveRule rule;
        if (fields[0] == "uptime" && fields.size() == 1 && wire == WireType::TimeTicks) {
            rule.kind = LiveRule::Kind::Uptime;
        } else if (fields[0] == "grow" && fields.size() >= 2 && fields.size() <= 4 && counting) {
            rule.kind = LiveRule::Kind::Grow;
            rule.rate = numberOf(fields[1]);
            rule.rateStep = fields.size() >= 3 ? numberOf(fields[2]) : 0;
            if (fields.size() == 4) {
                for (const std::string& row : splitFields(fields[3], '/')) rule.growingRows.insert(numberOf(row));
            }
        } else if (fields[0] == "toggle" && fields.size() == 4 && wire == WireType::OctetString) {
            rule.kind = LiveRule::Kind::Toggle;
            rule.byte = numberOf(fields[1]);
            std::uint32_t toggled = numberOf(fields[2]);
            rule.periodSeconds = numberOf(fields[3]);
            if (toggled > 255 || rule.periodSeconds == 0)
                fail("bad toggle '" + text + "'");
            rule.toggled = static_cast<std::uint8_t>(toggled);
        } else if (fields[0] == "rows" && fields.size() == 2 && counting) {
            rule.kind = LiveRule::Kind::RowCount;
            rule.table = oidOf(fields[1]);
        } else if (fields[0] == "clock" && fields.size() == 1 && type.syntax == Syntax::DateAndTime) {
            rule.kind = LiveRule::Kind::Clock;
        } else if (fields[0] == "stat" && fields.size() == 2 && counting && isAgentStatistic(fields[1])) {
            rule.kind = LiveRule::Kind::Stat;
            rule.stat = fields[1];
        } else {
            fail("bad live rule '" + text + "' for " + std::string(syntaxInfo(type.syntax).name));
        }
        return rule;
    }

    // relation OID <=|>= FACTOR * OID +|- OFFSET
    void parseRelation(const std::vector<std::string>& words)
    {
        const char* form = "relation OID <=|>= FACTOR * OID +|- OFFSET";
        if (words.size() != 8 || (words[2] != "<=" && words[2] != ">=") || words[4] != "*" ||
            (words[6] != "+" && words[6] != "-"))
            fail(std::string("expected: ") + form);
        Relation relation;
        relation.left = integerObjectOf(words[1]);
        relation.atMost = words[2] == "<=";
        relation.factor = numberOf(words[3]);
        relation.right = integerObjectOf(words[5]);
        relation.offset = static_cast<std::int64_t>(numberOf(words[7])) * (words[6] == "-" ? -1 : 1);
        model_.addRelation(std::move(relation));
    }

    Oid integerObjectOf(const std::string& text) const
    {
        const Oid oid = oidOf(text);
        const Instance* instance = model_.find(oid);
        if (!instance || instance->type->syntax != Syntax::Integer)
            fail("a relation needs an INTEGER object declared before it, not '" + text + "'");
        return oid;
    }

    // object OID NAME SYNTAX ACCESS [range=] [size=] [live=] [write=] [value=]
    void parseObject(const std::vector<std::string>& words)
    {
        needWords(words, 5, "object OID NAME SYNTAX ACCESS [range=..] [size=..] [live=..] [write=..] [value=..]");
        Oid oid = servedOidOf(words[1]);
        ObjectType type = typeOf(words, 2);
        auto attrs = attributes(words, 5, {"range", "size", "live", "write", "value"});
        for (const Attribute& attribute : attrs)
            applyTypeAttribute(type, attribute);
        Value value = defaultValue(type.syntax, type.constraint);
        if (type.live && type.live->kind == LiveRule::Kind::Clock)
            value.octets = dateAndTimeNow();
        for (const Attribute& attribute : attrs)
            if (attribute.key == "value")
                value = valueOf(type, attribute.value);
        if (type.live && type.live->kind == LiveRule::Kind::Toggle && type.live->byte >= value.octets.size())
            fail("toggled octet " + std::to_string(type.live->byte) + " is beyond the value");
        model_.putObject(oid, std::move(type), std::move(value));
    }

    std::vector<std::int64_t> numbersOf(const std::string& text) const
    {
        std::vector<std::int64_t> numbers;
        for (const Interval& interval : intervalsOf(text))
            for (std::int64_t v = interval.low; v <= interval.high && numbers.size() < 64; ++v)
                numbers.push_back(v);
        return numbers;
    }

    // table ENTRY-OID NAME [status=COLUMN create=V[:STORED],... destroy=V,...] [index=COLUMN,...]
    void parseTable(const std::vector<std::string>& words)
    {
        needWords(words, 3, "table ENTRY-OID NAME [status=COLUMN create=V[:STORED],.. destroy=V,..] [index=COLUMN,..]");
        Oid entry = servedOidOf(words[1]);
        RowStatusRule rule;
        std::vector<std::uint32_t> indexOrder;
        for (const Attribute& attribute : attributes(words, 3, {"status", "create", "destroy", "index"})) {
            if (attribute.key == "index")
                for (const std::string& number : splitFields(attribute.value, ','))
                    indexOrder.push_back(numberOf(number));
            else if (attribute.key == "status")
                rule.column = numberOf(attribute.value);
            else if (attribute.key == "destroy")
                rule.destroy = numbersOf(attribute.value);
            else
                rule.create = createValuesOf(attribute.value);
        }
        if ((rule.column != 0) != (!rule.create.empty() && !rule.destroy.empty()))
            fail("status= needs both create= and destroy=");
        Table& table = model_.table(entry);
        table.status = rule;
        table.indexOrder = indexOrder;
    }

    std::vector<std::pair<std::int64_t, std::int64_t>> createValuesOf(const std::string& text) const
    {
        std::vector<std::pair<std::int64_t, std::int64_t>> pairs;
        for (const std::string& item : splitFields(text, ',')) {
            auto fields = splitFields(item, ':');
            if (fields.size() > 2)
                fail("bad create value '" + text + "'");
            std::int64_t written = numberOf(fields[0]);
            pairs.emplace_back(written, fields.size() == 2 ? numberOf(fields[1]) : written);
        }
        return pairs;
    }

    // column ENTRY-OID NUMBER NAME SYNTAX ACCESS [range=] [size=] [live=] [default=] [index] [implied]
    void parseColumn(const std::vector<std::string>& words)
    {
        needWords(words, 6, "column ENTRY-OID NUMBER NAME SYNTAX ACCESS [range=..] [size=..] [live=..] [default=..] [index] [implied]");
        Table& table = declaredTable(words[1]);
        std::uint32_t number = numberOf(words[2]);
        Column column;
        column.type = typeOf(words, 3);
        auto attrs = attributes(words, 6, {"range", "size", "live", "default", "index", "implied"});
        for (const Attribute& attribute : attrs) {
            applyTypeAttribute(column.type, attribute);
            column.index = column.index || attribute.key == "index";
            column.implied = column.implied || attribute.key == "implied";
        }
        for (const Attribute& attribute : attrs)
            if (attribute.key == "default")
                column.defaultValue = valueOf(column.type, attribute.value);
        if (column.type.live && column.type.live->kind == LiveRule::Kind::Toggle)
            fail("toggle is for objects only");
        model_.putColumn(table, number, std::move(column));
    }

    // row ENTRY-OID INDEX VALUE... (one value per non-index column in column order, '-' for the default)
    void parseRow(const std::vector<std::string>& words)
    {
        needWords(words, 3, "row ENTRY-OID INDEX VALUE...");
        Table& table = declaredTable(words[1]);
        Oid index = oidOf(words[2]);
        std::map<std::uint32_t, Value> values;
        std::size_t next = 3;
        for (const auto& [number, column] : table.columns) {
            if (column.index)
                continue;
            if (next >= words.size())
                fail("too few values: no value for column " + column.type.name);
            const std::string& text = words[next++];
            if (text != "-")
                values[number] = valueOf(column.type, text);
        }
        if (next != words.size())
            fail("too many values: the table has " + std::to_string(next - 3) + " non-index columns");
        if (!model_.putRow(table, index, values))
            fail("index " + words[2] + " does not match the index columns");
    }
};

} // namespace

void loadProfile(const std::string& path, MibModel& model)
{
    std::ifstream in(path);
    if (!in)
        throw ProfileError(path + ": cannot open");
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        auto words = splitWords(line);
        if (!words)
            throw ProfileError(path + ":" + std::to_string(number) + ": unterminated quote");
        if (words->empty() || words->front().starts_with("#"))
            continue;
        LineParser(path, number, model).parse(*words);
    }
}
