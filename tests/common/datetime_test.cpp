#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <new>

#include "common/qzdatetime.h"

TEST(QzDateTime, TextRoundTrips)
{
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"2006-7-4,13:5:0.0,-5:30", "2006-7-4,13:5:0.0,-5:30"},
        {"2006-7-4,13:5:0.0,+8:0", "2006-7-4,13:5:0.0,+8:0"},
        {"2006-7-4,13:5:0.0,+0:0", "2006-7-4,13:5:0.0"},  // a zero zone is not written
        {"2006-7-4,13:5:0.0", "2006-7-4,13:5:0.0"},
        {"2006-07-04,13:05:00.0", "2006-7-4,13:5:0.0"},
        {" 2006- 7-4, 13:5:0.9", "2006-7-4,13:5:0.9"},    // blanks before numbers
        {"2006-7-4,13:5:0.0,*8:0", "2006-7-4,13:5:0.0"},  // no zone form
        {"70000-300-4,13:5:0.0", "4464-44-4,13:5:0.0"},   // each number cut to its field
        {"2006-7-4", "2006-7-4,0:0:0.0"},                 // what the text does not give is 0
        {"", "0-0-0,0:0:0.0"},
        {"garbage", "0-0-0,0:0:0.0"},
    };
    for (const Case& c : cases) EXPECT_EQ(QzDateTime(AnsiString(c.in)).ToString(), c.out) << c.in;

    QzDateTime d(AnsiString("2006-7-4,13:5:0.0,-5:30"));
    EXPECT_EQ(d.year, 2006);
    EXPECT_EQ(d.direction, '-');
    EXPECT_EQ(d.utcHours, 5);
    EXPECT_EQ(d.utcMinutes, 30);
}

TEST(QzDateTime, UnreadableTextLeavesNoStaleOctets)
{
    alignas(QzDateTime) unsigned char buffer[sizeof(QzDateTime)];
    std::memset(buffer, 0xAA, sizeof buffer);
    auto* d = new (buffer) QzDateTime(AnsiString("not a date"));
    const unsigned char expected[11] = {0, 0, 0, 0, 0, 0, 0, 0, '+', 0, 0};
    EXPECT_EQ(std::memcmp(d->Octets(), expected, 11), 0);
}

TEST(QzDateTime, OctetsInWireOrderNeedTheYearSwapped)
{
    const unsigned char wire[11] = {0x07, 0xD6, 0x07, 0x04, 0x0D, 0x05, 0x00, 0x00, 0x2B, 0x00, 0x00};
    QzDateTime d(wire);
    EXPECT_NE(d.year, 2006);
    EXPECT_EQ(std::memcmp(d.Octets(), wire, 11), 0);
    d.SwapYearBytes();
    EXPECT_EQ(d.year, 2006);
    EXPECT_EQ(d.ToString(), "2006-7-4,13:5:0.0");

    // And back: text, swap, the octets that go on the wire.
    QzDateTime t(AnsiString("2006-7-4,13:5:0.0,+0:0"));
    t.SwapYearBytes();
    EXPECT_EQ(std::memcmp(t.Octets(), wire, 11), 0);
}

TEST(QzDateTime, DefaultIsTheLocalTimeWithoutZone)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::time_t now = std::time(nullptr);
        std::tm lt{};
        localtime_r(&now, &lt);
        QzDateTime d;
        if (d.seconds != lt.tm_sec) continue;  // the clock ticked in between
        EXPECT_EQ(d.year, lt.tm_year + 1900);
        EXPECT_EQ(d.month, lt.tm_mon + 1);
        EXPECT_EQ(d.day, lt.tm_mday);
        EXPECT_EQ(d.hour, lt.tm_hour);
        EXPECT_EQ(d.minutes, lt.tm_min);
        EXPECT_EQ(d.deciSeconds, 0);
        EXPECT_EQ(d.direction, '+');
        EXPECT_EQ(d.utcHours, 0);
        EXPECT_EQ(d.utcMinutes, 0);
        EXPECT_EQ(d.ToString().Pos(",+"), 0);
        return;
    }
    FAIL() << "clock kept ticking";
}
