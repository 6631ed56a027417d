#include <gtest/gtest.h>

#include "common/qzini.h"
#include "tests/support/testsupport.h"

TEST(QzIni, ReadsTrimmedValuesAndFallsBackToTheDefault)
{
    TempDir dir;
    dir.Write("10.90.90.90.cfg",
              "; device settings\r\n"
              "[Program Information]\r\n"
              "AgentPort=1161\r\n"
              "Version = v3 \r\n"
              "Empty=\r\n"
              "SecurityName=\"  admin  \"\r\n"
              "LongOne=" + std::string(5000, 'p') + "\r\n"
              "[Other]\r\n"
              "Version=v1\r\n");
    QzIni ini(dir.File("10.90.90.90.cfg").c_str());
    struct Case {
        const char* section;
        const char* key;
        const char* def;
        const char* value;
    } cases[] = {
        {"Program Information", "AgentPort", "161", "1161"},
        {"program information", "AGENTPORT", "161", "1161"},
        {"Program Information", "Version", "", "v3"},
        {"Other", "Version", "", "v1"},
        {"Program Information", "Empty", "dflt", "dflt"},
        {"Program Information", "Empty", "  dflt  ", "  dflt  "},  // empty value: default as given
        {"Program Information", "Missing", "  dflt  ", "dflt"},    // copied default: trimmed
        {"Program Information", "Missing", "", ""},
        {"Missing", "AgentPort", "161", "161"},
        {"Program Information", "SecurityName", "", "admin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ini.ReadString(c.section, c.key, c.def), c.value);
    }
    EXPECT_EQ(ini.ReadString("Program Information", "LongOne", "").Length(), 4095);

    QzIni missing(dir.File("none.cfg").c_str());
    EXPECT_EQ(missing.ReadString("Program Information", "AgentPort", " 161 "), "161");
}

TEST(QzIni, JoinPathAndIntPower)
{
    EXPECT_EQ(JoinPath("", "QzSNMP_PP_BootCounter"), "QzSNMP_PP_BootCounter");
    EXPECT_EQ(JoinPath("/var/lib/vrx", "f"), "/var/lib/vrx/f");
    EXPECT_EQ(JoinPath("/var/lib/vrx/", "f"), "/var/lib/vrx/f");
    EXPECT_EQ(JoinPath("C:\\vrx\\", "f"), "C:\\vrx\\f");

    struct Case {
        uint32_t base, exponent, result;
    } cases[] = {{10, 0, 1}, {0, 0, 1}, {2, 32, 0}, {2, 31, 2147483648u}, {3, 4, 81}, {10, 10, 1410065408u}};
    for (const Case& c : cases) EXPECT_EQ(IntPower(c.base, c.exponent), c.result) << c.base << "^" << c.exponent;

    QzBinaryString b;
    EXPECT_EQ(b.length, 0);
    EXPECT_EQ(b.data, nullptr);
}
