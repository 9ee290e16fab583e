// How the cells of each kind of column compare when a list is sorted by it.
#include "binding/ui/sortable_list.h"
#include "engine/descriptor.h"

#include <gtest/gtest.h>

namespace {

struct OrderCase {
    CellOrder order;
    const char *a;
    const char *b;
    int sign;  // of CompareCells(order, a, b)
};

const OrderCase kOrderCases[] = {
    {CellOrder::Number, "9", "10", -1},  // not as text
    {CellOrder::Number, "-5", "3", -1},
    {CellOrder::Number, "18446744073709551615", "9223372036854775807", 1},  // Counter64 above int64
    {CellOrder::Number, "1.5", "1.25", 1},
    {CellOrder::Number, "42", "up", -1},  // named values after the numbers
    {CellOrder::Number, "down", "up", -1},
    {CellOrder::Number, "7", "7", 0},
    {CellOrder::Ticks, "1 day 00:00:00.00", "23:59:59.99", 1},
    {CellOrder::Ticks, "0:00:09.00", "0:00:10.00", -1},
    {CellOrder::Octets, "9.1.1.1", "10.0.0.1", -1},  // addresses part by part
    {CellOrder::Octets, "10.90.90.10", "10.90.90.9", 1},
    {CellOrder::Octets, "1.3.6.1.2", "1.3.6.1.10", -1},
    {CellOrder::Octets, "1.3.6.1", "1.3.6.1.0", -1},
    {CellOrder::Octets, "0050BA74000A", "0050ba740010", -1},  // hex octets, either case
    {CellOrder::Octets, "alice b", "bob", -1},  // an index name by its octets, not its length
    {CellOrder::Octets, "alice", "alice b", -1},
    {CellOrder::Text, "alice", "Bob", -1},  // letter case second
    {CellOrder::Text, "Bob", "bob", -1},
    {CellOrder::Text, "Port 10", "Port 9", -1},
};

TEST(CellOrder, CellsCompareByTheirKind) {
    for (const OrderCase &c : kOrderCases) {
        const int got = CompareCells(c.order, QString::fromUtf8(c.a), QString::fromUtf8(c.b));
        EXPECT_EQ((got > 0) - (got < 0), c.sign) << c.a << " vs " << c.b << " as " << static_cast<int>(c.order);
        const int back = CompareCells(c.order, QString::fromUtf8(c.b), QString::fromUtf8(c.a));
        EXPECT_EQ((back > 0) - (back < 0), -c.sign) << c.b << " vs " << c.a;
    }
}

TEST(CellOrder, ColumnsTakeTheirOrderFromTheSyntaxAndTheIndex) {
    EXPECT_EQ(OrderOfColumn(syntax::Integer, false), CellOrder::Number);
    EXPECT_EQ(OrderOfColumn(syntax::Counter64, false), CellOrder::Number);
    EXPECT_EQ(OrderOfColumn(syntax::TimeTicks, false), CellOrder::Ticks);
    EXPECT_EQ(OrderOfColumn(syntax::IpAddress, false), CellOrder::Octets);
    EXPECT_EQ(OrderOfColumn(syntax::MacAddress, false), CellOrder::Octets);
    EXPECT_EQ(OrderOfColumn(syntax::DisplayString, false), CellOrder::Text);
    EXPECT_EQ(OrderOfColumn(syntax::DisplayString, true), CellOrder::Octets);
    EXPECT_EQ(OrderOfColumn(syntax::Integer, true), CellOrder::Number);
}

}  // namespace
