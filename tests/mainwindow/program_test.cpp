// The program itself: what it says and how it ends without a command line or with a bad
// number, and its boots counter.
#include <QProcess>
#include <fstream>
#include <gtest/gtest.h>

#include "tests/support/testsupport.h"

namespace {

struct Outcome {
    int status;
    std::string err;
};

Outcome Start(const TempDir& dir, const QStringList& args)
{
    QProcess p;
    p.setWorkingDirectory(QString::fromStdString(dir.Path()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VRX6120_REGISTRY", QString::fromStdString(dir.File("registry.reg")));
    p.setProcessEnvironment(env);
    p.start(QString(VRX_BUILD_DIR) + "/mainwindow/vrx6120", args);
    EXPECT_TRUE(p.waitForFinished(20000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardError().toStdString()};
}

std::string Read(const std::string& file)
{
    std::ifstream f(file);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(Program, WithoutParametersSaysSoAndEnds)
{
    TempDir dir;
    Outcome r = Start(dir, {});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("[vrx6120] No parameter input\n"), std::string::npos) << r.err;
    // The session was started all the same: the boots counter went up.
    const std::string counter = "517A534E4D505F50505F4170706C69636174696F6E";
    EXPECT_EQ(Read(dir.File("QzSNMP_PP_BootCounter")), counter + " 1\n");
    Start(dir, {});
    EXPECT_EQ(Read(dir.File("QzSNMP_PP_BootCounter")), counter + " 2\n");
}

TEST(Program, BadNumbersEndItWithTheirText)
{
    struct Case {
        QStringList args;
        const char* settings;  // 10.1.1.1.cfg, or null
        std::string message;
    } cases[] = {
        {{"/I10.1.1.1", "/v3", "/t70000"}, nullptr, "'70000' is not a valid port number (0 to 65535)"},
        {{"/I10.1.1.1", "/vthree"}, nullptr, "'three' is not a valid integer value."},
        {{"/I10.1.1.1", "/Rpub"}, "[Program Information]\nAgentPort=70000\n",
         "'70000' is not a valid port number (0 to 65535) (\"AgentPort\" in 10.1.1.1.cfg)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TempDir dir;
        if (c.settings) dir.Write("10.1.1.1.cfg", c.settings);
        Outcome r = Start(dir, c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("[vrx6120] " + c.message + "\n"), std::string::npos) << r.err;
    }
}
