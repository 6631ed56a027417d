#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "common/qzexpression.h"
#include "common/qzmessages.h"
#include "platform/ui/sysutils.h"

namespace {

double DaysNow()
{
    std::time_t t = std::time(nullptr);
    std::tm lt{};
    localtime_r(&t, &lt);
    return 25569.0 + static_cast<double>(t + lt.tm_gmtoff) / 86400.0;
}

}  // namespace

TEST(EvalArithmetic, SplitsAtOperatorsRightToLeft)
{
    struct Case {
        const char* text;
        long double value;
    } cases[] = {
        {"1+2*3", 7},   {"(1+2)*3", 9},  {"10-2-3", 11},  {"-5", -5},        {"abc", 0},
        {"2*(1", 0},    {"8/4/2", 4},    {"8/2*2", 16},   {"2*(0-3)", -3},   {"((2+3)*(4-1))", 15},
        {"1.5*2", 3},   {"10/4", 2.5},   {"", 0},         {" 7 ", 7},        {"1+", 1},
        {"$1*2", 0},    {"3x*2", 6},     {"1e3+1", 1001}, {"(100/8)+0.5", 13},
    };
    for (const Case& c : cases) EXPECT_EQ(EvalArithmetic(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isinf(static_cast<double>(EvalArithmetic("1/0"))));
}

TEST(EvalArithmetic, NowIsTheLocalDayCount)
{
    double before = DaysNow();
    long double now = EvalArithmetic("now");
    double after = DaysNow();
    EXPECT_GE(now, before - 1.0 / 86400);
    EXPECT_LE(now, after + 1.0 / 86400);
    EXPECT_NEAR(static_cast<double>(EvalArithmetic("(NOW)*1")), before, 2.0 / 86400);
    EXPECT_EQ(EvalArithmetic(" NOW"), 0);  // only the whole word
}

TEST(EvalLogical, OperatorsGroupingAndQuotes)
{
    struct Case {
        const char* text;
        bool value;
    } cases[] = {
        {"a=a&b=b", true},        {"a=a&b=c", false},       {"!a=b", true},
        {"(a=b)|(c=c)", true},    {"a=b|c=c", true},        {"a=b|c=d", false},
        {"!(a=a)", false},        {"a<b&b<c", true},        {"(a=a&(b=c|d=d))", true},
        {"x=\"a|b\"", false},     {"\"a|b\"=\"a|b\"", true}, {"\"(x\"=\"(x\"", true},
        {"true", true},           {"FALSE|True", true},     {"10>9", false},
    };
    for (const Case& c : cases) EXPECT_EQ(EvalLogical(c.text), c.value) << c.text;
}

TEST(EvalLogical, ShortCircuitAndBadOperands)
{
    EXPECT_TRUE(EvalLogical("true|bogus"));
    EXPECT_FALSE(EvalLogical("false&bogus"));
    EXPECT_THROW(EvalLogical("bogus|true"), Exception);
    EXPECT_THROW(EvalLogical("a=a&true "), Exception);  // "true " alone after the split
    try {
        EvalLogical(" true");
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "(QzCommon) Bad logic operand!");
        EXPECT_EQ(e.HelpContext, -1);
    }
}

TEST(EvalComparison, TextsComparedByteByByte)
{
    struct Case {
        const char* text;
        bool value;
    } cases[] = {
        {"a<>b", true},  {"a<>a", false}, {"a>=a", true},  {"b<=a", false}, {"10>9", false},
        {"9>10", true},  {"ab>a", true},  {"a<ab", true},  {" a = a ", true}, {"\"a\"=a", true},
        {"A=a", false},  {"\xE9>z", true}, {"=", true},     {"a=", false},   {"TRUE", true},
        {"NOW>40000", true}, {"now<99999", true},
    };
    for (const Case& c : cases) EXPECT_EQ(EvalComparison(c.text), c.value) << c.text;
    EXPECT_THROW(EvalComparison(" true"), Exception);
    EXPECT_THROW(EvalComparison("1"), Exception);
}

TEST(FindFirstOperator, ListOrderWinsOverPosition)
{
    const char* const ops[] = {"=", "<", nullptr};
    AnsiString left = "L", right = "R";
    EXPECT_EQ(FindFirstOperator(ops, "a<b=c", left, right), 0);
    EXPECT_EQ(left, "a<b");
    EXPECT_EQ(right, "c");
    EXPECT_EQ(FindFirstOperator(ops, "a<b<c", left, right), 1);
    EXPECT_EQ(left, "a");
    EXPECT_EQ(right, "b<c");
    left = "L";
    right = "R";
    EXPECT_EQ(FindFirstOperator(ops, "abc", left, right), -1);
    EXPECT_EQ(left, "L");
    EXPECT_EQ(right, "R");
}

TEST(StripQuotes, OnlyAnEnclosingPair)
{
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"\"abc\"", "abc"}, {"\"\"", ""},       {"\"", ""},     {"", ""},
                 {"\"abc", "\"abc"}, {"abc\"", "abc\""}, {"a\"b\"c", "a\"b\"c"}};
    for (const Case& c : cases) EXPECT_EQ(StripQuotes(c.in), c.out) << c.in;
}
