// The engine boots counter file.
#include <algorithm>
#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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

// The names in a folder.
std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* d = opendir(folder.c_str())) {
        while (dirent* e = readdir(d))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") names.push_back(e->d_name);
        closedir(d);
    }
    return names;
}

// One start's turn at the counter: read it, raise it, save it, under the lock. 0 when it
// went well, else the step that failed.
int OneStart(const std::string& file)
{
    BootCounterLock lock(file);
    if (lock.busy()) return 1;
    unsigned int boots = 0;
    int got = getBootCounter(file, kEngine, boots);
    if (got != SNMPv3_OK && got != SNMPv3_FILEOPEN_ERROR && got != SNMPv3_NO_ENTRY_ERROR) return 2;
    return saveBootCounter(file, kEngine, boots + 1) == SNMPv3_OK ? 0 : 3;
}

}  // namespace

TEST(BootCounter, ConcurrentStartsInOneFolderEachRaiseTheCounterOnce)
{
    TempDir dir;
    const std::string file = dir.File("QzSNMP_PP_BootCounter");
    const int kProcesses = 16, kStarts = 10;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failed = 0;
            for (int k = 0; k < kStarts; ++k) failed += OneStart(file) != 0;
            _exit(failed);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "starts that failed in one process";
    }
    EXPECT_EQ(Read(file), std::string(kEngineHex) + " " + std::to_string(kProcesses * kStarts) + "\n");
    // No temporary file is left behind, only the counter and its lock.
    std::vector<std::string> names = Names(dir.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"QzSNMP_PP_BootCounter", "QzSNMP_PP_BootCounter.lock"}));
}

TEST(BootCounter, LinksPlantedBesideTheFileAreNeverFollowed)
{
    TempDir dir;
    const std::string file = dir.File("QzSNMP_PP_BootCounter");
    dir.Write("victim", "precious\n");
    for (const char* planted : {".new", ".tmp", "~"})
        ASSERT_EQ(symlink(dir.File("victim").c_str(), (file + planted).c_str()), 0);
    EXPECT_EQ(saveBootCounter(file, kEngine, 4), SNMPv3_OK);
    EXPECT_EQ(Read(dir.File("victim")), "precious\n");
    EXPECT_EQ(Read(file), std::string(kEngineHex) + " 4\n");
    struct stat st {};
    ASSERT_EQ(lstat(file.c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));

    // A link under the lock's name is not followed either: the start goes on unlocked.
    ASSERT_EQ(symlink(dir.File("victim").c_str(), (file + ".lock").c_str()), 0);
    EXPECT_EQ(OneStart(file), 0);
    EXPECT_EQ(Read(dir.File("victim")), "precious\n");
    EXPECT_EQ(Read(file), std::string(kEngineHex) + " 5\n");
}

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
