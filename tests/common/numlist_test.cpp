#include <gtest/gtest.h>

#include <vector>

#include "common/qznumlist.h"

namespace {

template <class T>
std::vector<T> Items(const QzNumList<T>& l)
{
    return l.items ? std::vector<T>(l.items, l.items + l.count) : std::vector<T>();
}

}  // namespace

TEST(QzNumList, ParsesDelimitedNumbers)
{
    struct Case {
        const char* text;
        char delimiter;
        std::vector<unsigned int> items;
    } cases[] = {
        {"1.3.6", '.', {1, 3, 6}},
        {"12.7,3", ',', {12, 3}},  // the fraction is dropped
        {"0.99", ',', {0}},
        {"5,", ',', {5, 0}},
        {",", ',', {0, 0}},
        {"1..2", '.', {1, 0, 2}},
        {"1a", '.', {59}},  // 10 x 1 + ('a' - '0')
        {"4294967295", '.', {4294967295u}},
        {"4294967296", '.', {0}},  // wraps
        {"", '.', {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QzNumList<unsigned int> l;
        EXPECT_EQ(l.delimiter, '.');
        l.delimiter = c.delimiter;
        l.Parse(c.text);
        EXPECT_EQ(l.count, static_cast<int>(c.items.size()));
        EXPECT_EQ(Items(l), c.items);
        if (c.items.empty()) {
            EXPECT_EQ(l.items, nullptr);
        }
    }
}

TEST(QzNumList, IntListWrapsAndSearches)
{
    QzNumList<int> l;
    l.delimiter = ',';
    EXPECT_EQ(l.CountItems(nullptr), 0);
    EXPECT_EQ(l.CountItems("3,,"), 3);
    l.Parse("2147483648,7,99999999999,7");
    EXPECT_EQ(Items(l), (std::vector<int>{-2147483647 - 1, 7, 1215752191, 7}));
    EXPECT_EQ(l.IndexOf(7), 1);
    EXPECT_EQ(l.IndexOf(8), -1);
    l.Parse("4,5");  // replaces the items
    EXPECT_EQ(Items(l), (std::vector<int>{4, 5}));
    l.Parse(nullptr);
    EXPECT_EQ(l.count, 0);
    EXPECT_EQ(l.IndexOf(0), -1);
}

TEST(QzNumList, InRange)
{
    QzNumList<unsigned int> u;
    EXPECT_TRUE(u.InRange(1, 10));  // empty
    EXPECT_FALSE(u.Parse("1.0.10").InRange(1, 10));
    EXPECT_TRUE(u.Parse("1.5.10").InRange(1, 10));
    EXPECT_FALSE(u.Parse("1.11").InRange(1, 10));
    QzNumList<int> i;
    i.Parse("-.2");  // '-' counts as its code minus '0'
    EXPECT_EQ(i.items[0], -3);
    EXPECT_FALSE(i.InRange(0, 10));
    EXPECT_TRUE(i.InRange(-3, 2));
}
