// The engine boots counter file.
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/snmp/bootcounter.h"
#include "platform/snmp/snmperrs.h"
#include "tests/support/testsupport.h"

namespace {

std::string Read(const std::string& file)
{
    std::ifstream f(file);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

const OctetStr kEngine("QzSNMP_PP_Application");
const char* const kEngineHex = "517A534E4D505F50505F4170706C69636174696F6E";

}  // namespace

TEST(BootCounter, ReadsWhatWasSaved)
{
    TempDir dir;
    std::string file = dir.File("QzSNMP_PP_BootCounter");
    unsigned int boots = 99;
    EXPECT_EQ(getBootCounter(file, kEngine, boots), SNMPv3_FILEOPEN_ERROR);
    EXPECT_EQ(boots, 0u);
    EXPECT_EQ(saveBootCounter(file, kEngine, 1), SNMPv3_OK);
    EXPECT_EQ(Read(file), std::string(kEngineHex) + " 1\n");
    EXPECT_EQ(saveBootCounter(file, kEngine, 2), SNMPv3_OK);
    EXPECT_EQ(getBootCounter(file, kEngine, boots), SNMPv3_OK);
    EXPECT_EQ(boots, 2u);
    EXPECT_EQ(Read(file), std::string(kEngineHex) + " 2\n");  // replaced, not appended
}

TEST(BootCounter, KeepsTheLinesOfOtherEngines)
{
    TempDir dir;
    std::string file = dir.File("counter");
    dir.Write("counter", "0102030405 17\n");
    unsigned int boots = 5;
    EXPECT_EQ(getBootCounter(file, kEngine, boots), SNMPv3_NO_ENTRY_ERROR);
    EXPECT_EQ(boots, 0u);
    EXPECT_EQ(saveBootCounter(file, kEngine, 3), SNMPv3_OK);
    EXPECT_EQ(Read(file), std::string("0102030405 17\n") + kEngineHex + " 3\n");
    EXPECT_EQ(getBootCounter(file, OctetStr("\x01\x02\x03\x04\x05"), boots), SNMPv3_OK);
    EXPECT_EQ(boots, 17u);
}

TEST(BootCounter, RefusesCorruptFilesAndLeavesThemAlone)
{
    const char* corrupt[] = {
        "QzSNMP_PP_Application 3\n",      // engine id not in hex
        "517A534E 12x\n",                 // not a number
        "517A534E\n",                     // no counter
        "517A534E 2147483648\n",          // beyond the counter's ceiling
        "517 4\n",                        // odd number of digits
    };
    for (const char* text : corrupt) {
        TempDir dir;
        dir.Write("c", text);
        unsigned int boots = 7;
        EXPECT_EQ(getBootCounter(dir.File("c"), kEngine, boots), SNMPv3_FILE_ERROR) << text;
        EXPECT_EQ(boots, 0u);
        EXPECT_EQ(saveBootCounter(dir.File("c"), kEngine, 1), SNMPv3_FILE_ERROR) << text;
        EXPECT_EQ(Read(dir.File("c")), text);
    }
}

TEST(BootCounter, ReportsAnUnwritableDirectory)
{
    if (geteuid() == 0) {
        // root writes anywhere: use a path below a file instead
        TempDir dir;
        dir.Write("file", "x");
        EXPECT_EQ(saveBootCounter(dir.File("file") + "/counter", kEngine, 1), SNMPv3_FILECREATE_ERROR);
        return;
    }
    TempDir dir;
    std::string sub = dir.File("ro");
    mkdir(sub.c_str(), 0500);
    EXPECT_EQ(saveBootCounter(sub + "/counter", kEngine, 1), SNMPv3_FILECREATE_ERROR);
    chmod(sub.c_str(), 0700);
}

TEST(BootCounter, EngineIdsLongerThan32OctetsAreRefused)
{
    TempDir dir;
    unsigned int boots = 0;
    OctetStr longId(std::string(33, 'x'));
    EXPECT_EQ(getBootCounter(dir.File("c"), longId, boots), SNMPv3_TOO_LONG_ERROR);
    EXPECT_EQ(saveBootCounter(dir.File("c"), longId, 1), SNMPv3_TOO_LONG_ERROR);
    EXPECT_EQ(saveBootCounter(dir.File("c"), OctetStr(std::string(32, 'x')), 1), SNMPv3_OK);
}
