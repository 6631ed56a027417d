#include <gtest/gtest.h>

#include "platform/ui/sysutils.h"

TEST(AnsiString, IntegerConversionFollowsTheClassLibrary)
{
    struct Case { const char* text; bool ok; int value; } cases[] = {
        {"0", true, 0}, {"-5", true, -5}, {"+7", true, 7}, {"  12", true, 12},
        {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1},
        {"$FF", true, 255}, {"0x10", true, 16}, {"2147483648", false, 0},
        {"12 ", false, 0}, {"", false, 0}, {"-", false, 0}, {"1.5", false, 0}, {"abc", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.ok) {
            EXPECT_EQ(AnsiString(c.text).ToInt(), c.value);
        } else {
            try {
                AnsiString(c.text).ToInt();
                ADD_FAILURE() << "no conversion error";
            } catch (const EConvertError& e) {
                EXPECT_EQ(e.Message, AnsiString("'") + c.text + "' is not a valid integer value");
            }
        }
    }
}

TEST(AnsiString, FloatTextsInGeneralFormat)
{
    struct Case { double v; const char* text; } cases[] = {
        {0, "0"}, {-2147483648.0, "-2147483648"}, {4294967295.0, "4294967295"}, {0.1, "0.1"},
        {1e20, "1E20"}, {1.5e-7, "1.5E-7"}, {1.7976931348623157e308, "1.79769313486232E308"},
        {2.2250738585072014e-308, "2.2250738585072E-308"}, {123456.75, "123456.75"},
    };
    for (const Case& c : cases) EXPECT_EQ(AnsiString(c.v), AnsiString(c.text)) << c.text;
    EXPECT_DOUBLE_EQ(AnsiString(" 1.5e3 ").ToDouble(), 1500);
    EXPECT_THROW(AnsiString("1.2.3").ToDouble(), EConvertError);
    EXPECT_THROW(AnsiString("0x10").ToDouble(), EConvertError);
}

TEST(AnsiString, OneBasedEditing)
{
    AnsiString s("abcdef");
    EXPECT_EQ(s.SubString(2, 3), "bcd");
    EXPECT_EQ(s.SubString(5, 10), "ef");
    EXPECT_EQ(s.SubString(7, 1), "");
    EXPECT_EQ(s.Pos("cd"), 3);
    EXPECT_EQ(s.Pos("x"), 0);
    EXPECT_EQ(s[1], 'a');
    EXPECT_THROW(s[0], ERangeError);
    EXPECT_THROW(s[7], ERangeError);
    AnsiString t = s;
    t.Delete(2, 2).Insert("XY", 1);
    EXPECT_EQ(t, "XYadef");
    EXPECT_EQ(s, "abcdef");  // copies are independent
    EXPECT_EQ(AnsiString(" \t x y \r\n").Trim(), "x y");
    EXPECT_EQ(LeadingDouble("  -12.5abc"), -12.5);
    EXPECT_EQ(LeadingDouble("abc"), 0);
    EXPECT_EQ(LeadingDouble("3e"), 3);
}
