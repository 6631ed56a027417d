// The text checks the forms share: hexadecimal digits of a fixed count (MAC, IPv6, masks),
// dotted IPv4 addresses and payload windows.
#include <gtest/gtest.h>

#include "forms/layer2/textchecks.h"

TEST(TextChecks, HexDigitsReportTheFirstBadDigitBeforeTheLength)
{
    const struct {
        const char* text;
        int count;
        THexTextCheck want;
    } cases[] = {
        {"00112233aaBB", 12, htOk},
        {"00-11-22-33-44-55", 12, htBadDigit},  // the first separator
        {"00112233445", 12, htBadLength},
        {"0011223344556", 12, htBadLength},     // a 13th character
        {"001122334455-", 12, htBadLength},     // only the first 12 are looked at for digits
        {"00112233445G", 12, htBadDigit},
        {"", 12, htBadLength},
        {"0800", 4, htOk},
        {"08 0", 4, htBadDigit},
        {"0000ffff", 8, htOk},
        {"0000fff", 8, htBadLength},
        {"0000ffff0", 8, htBadLength},
        {"20010DB8000000000000000000000001", 32, htOk},
        {"2001:0DB8:0000:0000:0000:0000:0001", 32, htBadDigit},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckHexDigits(c.text, c.count), c.want) << c.text;
}

TEST(TextChecks, DottedIpv4AddressesAsTheFormsAcceptThem)
{
    for (const char* good : {"255.255.255.0", "0.0.0.0", "010.0.0.1", "10.90.90.90", "1.2.3.255"})
        EXPECT_TRUE(ParseIpv4Text(good)) << good;
    for (const char* bad : {"", "255.255.255.", ".255.0.0", "255..0.0", "255.0.0", "255.0.0.0.0", "256.0.0.0",
                            "255.00.0.0", "25a.0.0.0", "255.255.255.2551", "0255.0.0.0", "255.255.255.00",
                            "1.2.3.4 ", "99999999999.0.0.1"})
        EXPECT_FALSE(ParseIpv4Text(bad)) << bad;
}

TEST(TextChecks, PayloadWindowsAreUpToThirtyTwoHexDigitsOfEitherCase)
{
    EXPECT_TRUE(IsPayloadHexText(""));
    EXPECT_TRUE(IsPayloadHexText("00ff"));
    EXPECT_TRUE(IsPayloadHexText("0123456789abcdefABCDEF0123456789"));
    EXPECT_FALSE(IsPayloadHexText("0123456789abcdefABCDEF01234567890"));
    EXPECT_FALSE(IsPayloadHexText("00 ff"));
    EXPECT_FALSE(IsPayloadHexText("0g"));
}
