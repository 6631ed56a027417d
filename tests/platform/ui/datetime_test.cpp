// The class library's date-time value: encoding, formatting and parsing with the user's
// separators and date order.
#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/datetime.h"
#include "platform/ui/sysutils.h"

namespace {

class DateTimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        date_ = DateSeparator;
        time_ = TimeSeparator;
        format_ = ShortDateFormat;
        am_ = TimeAMString;
        pm_ = TimePMString;
        DateSeparator = '/';
        TimeSeparator = ':';
        ShortDateFormat = "yyyy/mm/dd";
        TimeAMString = "AM";
        TimePMString = "PM";
    }
    void TearDown() override
    {
        DateSeparator = date_;
        TimeSeparator = time_;
        ShortDateFormat = format_;
        TimeAMString = am_;
        TimePMString = pm_;
    }
    char date_, time_;
    AnsiString format_, am_, pm_;
};

}  // namespace

TEST_F(DateTimeTest, DaysCountFromTheEndOf1899)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2006, 7, 4), 38902.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_DOUBLE_EQ(EncodeTime(18, 0, 0, 0), 0.75);
    int y, m, d, h, n, s, z;
    DecodeDate(-1.25, y, m, d);
    DecodeTime(-1.25, h, n, s, z);
    EXPECT_EQ((std::vector<int>{y, m, d, h, n, s}), (std::vector<int>{1899, 12, 29, 6, 0, 0}));
    DecodeDate(2958465.99999, y, m, d);
    EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{9999, 12, 31}));
    TDateTime out;
    EXPECT_FALSE(TryEncodeDate(2007, 2, 29, out));
    EXPECT_TRUE(TryEncodeDate(2008, 2, 29, out));
    EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, out));
    EXPECT_THROW(EncodeDate(2006, 13, 1), EConvertError);
    EXPECT_FALSE(IsValidDateTime(2958466.0));
    EXPECT_FALSE(IsValidDateTime(-693594.0));
}

TEST_F(DateTimeTest, Formats)
{
    const TDateTime t = EncodeDate(2006, 7, 4) + EncodeTime(13, 5, 9, 42);
    struct Case {
        const char* format;
        const char* text;
    } cases[] = {
        {"yyyy/mm/dd hh:nn:ss am/pm", "2006/07/04 01:05:09 pm"},
        {"yyyy/mm/dd hh:nn:ss AM/PM", "2006/07/04 01:05:09 PM"},
        {"hh:nn:ss ampm", "01:05:09 PM"},
        {"h:n:s a/p", "1:5:9 p"},
        {"hh:mm", "13:05"},  // minutes after an hour
        {"d/m/yy", "4/7/06"},
        {"hh:nn:ss.zzz", "13:05:09.042"},
        {"'at' hh \"o'clock\"", "at 13 o'clock"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatDateTime(c.format, t), c.text) << c.format;
    EXPECT_EQ(FormatDateTime("hh ampm", EncodeDate(2006, 7, 4)), "12 AM");
    EXPECT_EQ(FormatDateTime("hh ampm", EncodeDate(2006, 7, 4) + 0.5), "12 PM");
    DateSeparator = '.';
    TimeSeparator = '-';
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn", t), "2006.07.04 13-05");
    EXPECT_THROW(FormatDateTime("yyyy", 1e10), EConvertError);
}

TEST_F(DateTimeTest, ParsesInTheUsersOrder)
{
    const TDateTime t = EncodeDate(2006, 7, 4) + EncodeTime(13, 5, 0, 0);
    EXPECT_DOUBLE_EQ(StrToDateTime("2006/07/04 01:05:00 pm"), t);
    EXPECT_DOUBLE_EQ(StrToDateTime("2006/7/4 13:05"), t);
    EXPECT_DOUBLE_EQ(StrToDateTime(" 2006/7/4   1:05 PM "), t);
    EXPECT_DOUBLE_EQ(StrToDateTime("2006/7/4"), EncodeDate(2006, 7, 4));
    EXPECT_DOUBLE_EQ(StrToDateTime("12:00 am"), 0.0);
    EXPECT_DOUBLE_EQ(StrToDateTime("06/7/4"), EncodeDate(2006, 7, 4));
    EXPECT_DOUBLE_EQ(StrToDateTime("1899/12/29 06:00"), -1.25);

    DateSeparator = '.';
    ShortDateFormat = "dd/mm/yyyy";
    EXPECT_DOUBLE_EQ(StrToDateTime("04.07.2006 13:05"), t);
    ShortDateFormat = "m/d/yyyy";
    DateSeparator = '-';
    EXPECT_DOUBLE_EQ(StrToDateTime("7-4-2006 1:05:00 PM"), t);

    for (const char* bad : {"", "not a date", "2006/13/01", "2006/7/4 25:00", "2006/7/4 13:05 x", "13 pm", "2006"}) {
        try {
            StrToDateTime(bad);
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message, AnsiString("'") + bad + "' is not a valid date and time");
        }
    }
}

TEST_F(DateTimeTest, WrittenDatesReadBack)
{
    for (TDateTime t : {38902.5451388889, 0.0, 1.999988425925926, 73050.25, -10.5}) {
        AnsiString text = FormatDateTime("yyyy/mm/dd hh:nn:ss am/pm", t);
        EXPECT_NEAR(StrToDateTime(text), t, 1.0 / 86400) << text;
    }
}
