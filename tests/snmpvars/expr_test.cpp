// The request's expressions: references to item values, read and write expressions,
// conditions and the end of a column's walk.
#include "common/qzoptionlist.h"
#include "platform/ui/datetime.h"
#include "requestfixture.h"

namespace {

const QzOptionEntry kEnabled[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
QzOptionList enabledOptions(kEnabled);

class ExprTest : public ::testing::Test {
protected:
    AnsiString& Value(int i) { return *r_.varList.Items(i).value; }
    QzSNMPRequest r_;
};

}  // namespace

TEST_F(ExprTest, ReferencesAreReplacedByValues)
{
    r_.varList = MakeList({Var(sxInteger), Var(sxDisplayStr), Var(sxBoolean), Var(sxInteger, acReadWrite, &enabledOptions),
                           Var(sxTimeTicks), Var(sxCounter64)});
    Value(0) = "5";
    Value(1) = "abc";
    Value(2) = "true";
    Value(3) = "enabled";
    Value(4) = "0:00:01.00";
    Value(5) = "18446744073709551615";
    EXPECT_EQ(r_.SubstituteValues("$0,$1,$2,$3,$4,$5", true, "$"), "5,\"abc\",1,1,100,18446744073709551615");
    EXPECT_EQ(r_.SubstituteValues("$+$0", false, "$"), "5+5");  // the marker alone is item 0
    Value(2) = "True";
    EXPECT_EQ(r_.SubstituteValues("$2", false, "$"), "0");
    EXPECT_EQ(r_.SubstituteValues("no references", false, "$"), "no references");

    AnsiString text;
    EXPECT_EQ(RaisedCode([&] { r_.SubstituteValues("$0+$1", false, "$"); }, &text), -513);
    EXPECT_EQ(text, "(QzSNMP++) Bad SNMP syntax in the expression!");
}

TEST_F(ExprTest, SubstitutionNeverReadsItsOwnInsertionsOrBeyondTheList)
{
    r_.varList = MakeList({Var(sxDisplayStr), Var(sxDisplayStr)});
    Value(0) = "$1$0";  // a value that holds references itself
    Value(1) = "x";
    EXPECT_EQ(r_.SubstituteValues("$0=$1", true, "$"), "\"$1$0\"=\"x\"");

    AnsiString text;
    EXPECT_EQ(RaisedCode([&] { r_.SubstituteValues("$2", true, "$"); }, &text), -512);
    EXPECT_EQ(text, "(QzSNMP++) Null value in the expression!");
    EXPECT_EQ(RaisedCode([&] { r_.SubstituteValues("$99999999999999999999", true, "$"); }), -512);
    Value(1) = "(NULL)";
    EXPECT_EQ(RaisedCode([&] { r_.SubstituteValues("$1", true, "$"); }), -512);
}

TEST_F(ExprTest, ReadAndWriteExpressionsConvertValues)
{
    r_.varList = MakeList({Var(sxInteger, acReadWrite, nullptr, "$0*8", "$0/8")});
    Value(0) = "5";
    r_.ConvertByExpression(0, true);
    EXPECT_EQ(Value(0), "40");
    r_.ConvertByExpression(0, false);
    EXPECT_EQ(Value(0), "5");

    struct Case {
        int syntax;
        const char* expression;
        const char* before;
        const char* after;
    } cases[] = {
        {sxBoolean, "0.5", "false", "true"},
        {sxBoolean, "$0*0", "true", "false"},
        {sxInteger, "2147483648", "0", "-2147483648"},
        {sxInteger, "0-7.9", "0", "-7"},
        {sxCounter, "$0-1", "0", "4294967295"},
        {sxGauge, "4294967296+3", "0", "3"},
        {sxCounter64, "$0*2", "4611686018427387904", "9223372036854775808"},
        {sxCounter64, "0-1", "0", "18446744073709551615"},
        {sxDouble, "$0/4", "1", "0.25"},
        {sxTimeTicks, "$0*2", "0:00:01.00", "0:00:02.00"},
    };
    for (const Case& c : cases) {
        r_.varList = MakeList({Var(c.syntax, acReadWrite, nullptr, c.expression)});
        Value(0) = c.before;
        r_.ConvertByExpression(0, true);
        EXPECT_EQ(Value(0), c.after) << c.expression;
    }

    // Results become labels; texts cannot take a number.
    r_.varList = MakeList({Var(sxInteger, acReadWrite, &enabledOptions, "$0+1")});
    Value(0) = "enabled";
    r_.ConvertByExpression(0, true);
    EXPECT_EQ(Value(0), "disabled");
    r_.varList = MakeList({Var(sxDisplayStr, acReadWrite, nullptr, "1")});
    Value(0) = "abc";
    EXPECT_EQ(RaisedCode([&] { r_.ConvertByExpression(0, true); }), -513);
    EXPECT_EQ(Value(0), "abc");
    // No expression: nothing changes.
    r_.varList = MakeList({Var(sxDisplayStr)});
    Value(0) = "abc";
    r_.ConvertByExpression(0, true);
    EXPECT_EQ(Value(0), "abc");
}

TEST_F(ExprTest, DatesComputeAsDayCounts)
{
    char oldSep = DateSeparator;
    AnsiString oldFormat = ShortDateFormat;
    DateSeparator = '/';
    ShortDateFormat = "yyyy/mm/dd";
    r_.varList = MakeList({Var(sxBcdDateTime, acReadWrite, nullptr, "$0+1")});
    Value(0) = "2006/07/04 01:05:00 pm";
    r_.ConvertByExpression(0, true);
    EXPECT_EQ(Value(0), "2006/07/05 01:05:00 pm");
    DateSeparator = oldSep;
    ShortDateFormat = oldFormat;
}

TEST_F(ExprTest, ConditionsCompareValuesAndTexts)
{
    r_.varList = MakeList({Var(sxInteger), Var(sxDisplayStr)});
    Value(0) = "(NULL)";
    EXPECT_TRUE(r_.EvaluateCondition(""));  // no evaluation at all
    r_.condition = "";
    EXPECT_TRUE(r_.EvaluateOwnCondition());
    Value(0) = "5";
    Value(1) = "abc";
    EXPECT_TRUE(r_.EvaluateConditionText("$0=5&$1=\"abc\""));
    EXPECT_FALSE(r_.EvaluateConditionText("$1=\"abd\""));
    r_.condition = "$0<>5";
    EXPECT_FALSE(r_.EvaluateOwnCondition());
}

TEST_F(ExprTest, AColumnsWalkEndsWhenItLeavesTheColumnOrStopsAdvancing)
{
    r_.varList = MakeList({Var(sxInteger)}, MVT_FMV, 1);
    const char* column = "1.3.6.1.2.1.2.2.1.2";
    struct Case {
        const char* previous;
        const char* next;
        bool ends;
    } cases[] = {
        {"", "1.3.6.1.2.1.2.2.1.2.5", false},
        {"1.3.6.1.2.1.2.2.1.2.5", "1.3.6.1.2.1.2.2.1.2.6", false},
        {"1.3.6.1.2.1.2.2.1.2.5", "1.3.6.1.2.1.2.2.1.2.5.1", false},
        {"", "1.3.6.1.2.1.2.2.1.3.1", true},
        {"", "1.3.6.1.2.1.2.2.1.20.1", true},  // a column with a longer number
        {"", "1.3.6.1.2.1.2.2.1.2", true},
        {"", "1.3.6.1.2.1.2.2.1.2.", true},
        {"", "", true},
        {"1.3.6.1.2.1.2.2.1.2.5", "1.3.6.1.2.1.2.2.1.2.5", true},  // repeated
        {"1.3.6.1.2.1.2.2.1.2.5", "1.3.6.1.2.1.2.2.1.2.4", true},  // gone back
        {"1.3.6.1.2.1.2.2.1.2.10", "1.3.6.1.2.1.2.2.1.2.9", true},  // numbers, not characters
    };
    for (const Case& c : cases) EXPECT_EQ(r_.IsEndOfWalk(column, c.previous, c.next), c.ends) << c.next;

    for (unsigned char scalar : {SVT_SV, MVT_SV}) {
        r_.varList.listType = scalar;
        EXPECT_FALSE(r_.IsEndOfWalk(column, "", "1.3.6.1.2.1.2.2.1.3.1"));
        EXPECT_FALSE(r_.IsEndOfWalk(column, "1.3.6.1.2.1.2.2.1.2.5", "1.3.6.1.2.1.2.2.1.2.5"));
    }
}
