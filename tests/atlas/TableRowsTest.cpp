#include "atlas/TableRows.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QByteArrayList>
#include <cmath>
#include <cstdlib>
#include <string>

#include "atlas/BuiltInTables.h"
#include "atlas/QStringPrinter.h"

namespace fortunix::atlas {
namespace {

QByteArrayList LinesOf(QByteArrayView table) {
    QByteArrayList lines;
    TableLines reader(table);
    for (QByteArrayView line; reader.Next(line);) {
        lines.append(line.toByteArray());
    }
    return lines;
}

// Each row as its fields joined by '/'.
QByteArrayList RowsOf(QByteArrayView table) {
    QByteArrayList rows;
    ForEachRow(table, [&](const std::vector<QByteArrayView>& fields) {
        QByteArrayList row;
        for (const QByteArrayView field : fields) {
            row.append(field.toByteArray());
        }
        rows.append(row.join('/'));
    });
    return rows;
}

struct TableCase {
    const char* name;
    QByteArray table;
    QByteArrayList lines;
    QByteArrayList rows;
};

TEST(TableRows, ReadLinesRowsAndFields) {
    const TableCase cases[] = {
        {"two rows", "a\tb\nc\td\n", {"a\tb", "c\td"}, {"a/b", "c/d"}},
        {"the last line without a line break", "a\tb\nc\td", {"a\tb", "c\td"}, {"a/b", "c/d"}},
        {"one line without a line break", "x", {"x"}, {"x"}},
        {"Windows line ends", "a\tb\r\nc\td\r\n", {"a\tb", "c\td"}, {"a/b", "c/d"}},
        {"a Windows line end on the last line only", "a\nb\r", {"a", "b"}, {"a", "b"}},
        {"a carriage return inside a line stays", "a\rb\n", {"a\rb"}, {"a\rb"}},
        {"comments anywhere", "# head\na\n#mid\nb\n# end", {"a", "b"}, {"a", "b"}},
        {"a comment as the last line, without a line break", "a\n#", {"a"}, {"a"}},
        {"'#' inside a line is text", "a#\tb\n", {"a#\tb"}, {"a#/b"}},
        {"empty lines are lines, not rows", "\na\n\n\nb\n", {"", "a", "", "", "b"}, {"a", "b"}},
        {"empty fields", "\t\ta\t\n", {"\t\ta\t"}, {"//a/"}},
        {"nothing", "", {}, {}},
        {"a line break only", "\n", {""}, {}},
    };
    for (const TableCase& row : cases) {
        EXPECT_EQ(LinesOf(row.table), row.lines) << row.name;
        EXPECT_EQ(RowsOf(row.table), row.rows) << row.name;
    }
}

QByteArrayList ItemsOf(QByteArrayView field) {
    QByteArrayList items;
    ListItems reader(field);
    for (QByteArrayView item; reader.Next(item);) {
        items.append(item.toByteArray());
    }
    return items;
}

TEST(TableRows, ListItemsLieBetweenBars) {
    EXPECT_EQ(ItemsOf("USA|America"), (QByteArrayList{"USA", "America"}));
    EXPECT_EQ(ItemsOf("USA"), (QByteArrayList{"USA"}));
    EXPECT_EQ(ItemsOf("a||b"), (QByteArrayList{"a", "", "b"}));
    EXPECT_EQ(ItemsOf("a|"), (QByteArrayList{"a", ""}));
    EXPECT_EQ(ItemsOf("|a"), (QByteArrayList{"", "a"}));
    EXPECT_EQ(ItemsOf(""), QByteArrayList());
}

TEST(TableRows, CountByte) {
    EXPECT_EQ(CountByte("a|b||c|", '|'), 4);
    EXPECT_EQ(CountByte("abc", '|'), 0);
    EXPECT_EQ(CountByte("", '|'), 0);
    EXPECT_EQ(CountByte("|", '|'), 1);
}

struct NumberCase {
    const char* text;
    bool read;
};

// Doubles read their own way for the tables' decimals; every one must be the double the C
// library reads, and anything else be refused as std::from_chars refuses it.
TEST(TableRows, DoublesAreTheCLibrarysDoubles) {
    const NumberCase cases[] = {
        {"48.85341", true},
        {"-74.00597", true},
        {"0", true},
        {"-0", true},
        {"0.1", true},
        {"-0.5", true},
        {"89.99999", true},
        {"179.99999", true},
        {"123456789012345", true},
        {"1.23456789012345", true},
        {"0.000000000000001", true},
        {"1234567890123456", true},
        {"9007199254740993", true},
        {"1.2345678901234567", true},
        {"0.30000000000000004", true},
        {"1e5", true},
        {"1.5E-3", true},
        {"00012.50", true},
        {"1.", true},
        {".5", true},
        {"", false},
        {"-", false},
        {"+1", false},
        {"1.2.3", false},
        {"12a", false},
        {" 1", false},
        {"1 ", false},
        {"--1", false},
        {"-.", false},
        {"nan", true},
    };
    for (const NumberCase& row : cases) {
        double value = -1;
        EXPECT_EQ(ParseNumber(row.text, value), row.read) << row.text;
        if (row.read && std::string(row.text) != "nan") {
            EXPECT_EQ(value, std::strtod(row.text, nullptr)) << row.text;
            EXPECT_EQ(std::signbit(value), row.text[0] == '-') << row.text;
        }
    }
}

TEST(TableRows, EveryCoordinateOfTheBuiltInPlacesIsTheCLibrarysDouble) {
    qsizetype read = 0;
    QByteArrayList wrong;
    ForEachRow(BuiltInTable(u"places.tsv"), [&](const std::vector<QByteArrayView>& fields) {
        for (const QByteArrayView field : {fields[3], fields[4]}) {
            const QByteArray text = field.toByteArray();
            double value = 0;
            if (!ParseNumber(field, value) || value != std::strtod(text.constData(), nullptr)) {
                wrong.append(text);
            }
            ++read;
        }
    });
    EXPECT_EQ(wrong, QByteArrayList());
    EXPECT_GT(read, 2 * 135000);
}

}  // namespace
}  // namespace fortunix::atlas
