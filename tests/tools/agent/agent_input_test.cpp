// Bad input: data files refused at start with their line and reason, and malformed or hostile
// datagrams that leave the agent answering.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/tools/agent/snmptools.h"

namespace {

std::string AgentPath()
{
    const char* b = std::getenv("VRX_BUILD_DIR");
    return std::string(b && *b ? b : VRX_BUILD_DIR) + "/tools/agent/vrxagent";
}

// BER, enough to build SNMP messages by hand.
std::string Tlv(unsigned char tag, const std::string& content)
{
    std::string out(1, static_cast<char>(tag));
    size_t n = content.size();
    if (n < 128) {
        out += static_cast<char>(n);
    } else {
        std::string len;
        for (; n; n >>= 8) len.insert(len.begin(), static_cast<char>(n & 0xff));
        out += static_cast<char>(0x80 | len.size());
        out += len;
    }
    return out + content;
}

std::string Int(long v) { return Tlv(0x02, std::string(1, static_cast<char>(v))); }

std::string Oid(const std::vector<unsigned long>& arcs)
{
    std::string body(1, static_cast<char>(arcs[0] * 40 + arcs[1]));
    for (size_t i = 2; i < arcs.size(); ++i) {
        std::string enc;
        unsigned long a = arcs[i];
        enc.insert(enc.begin(), static_cast<char>(a & 0x7f));
        for (a >>= 7; a; a >>= 7) enc.insert(enc.begin(), static_cast<char>(0x80 | (a & 0x7f)));
        body += enc;
    }
    return Tlv(0x06, body);
}

std::string Message(unsigned char pduTag, const std::string& community, const std::string& vbs)
{
    std::string pdu = Tlv(pduTag, Int(7) + Int(0) + Int(0) + Tlv(0x30, vbs));
    return Tlv(0x30, Int(1) + Tlv(0x04, community) + pdu);
}

// Sends a datagram and returns the reply, if any comes within `ms`.
std::string Exchange(int port, const std::string& datagram, int ms = 500)
{
    int s = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sendto(s, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    std::string reply;
    pollfd p{s, POLLIN, 0};
    if (poll(&p, 1, ms) == 1) {
        char buf[65536];
        ssize_t n = recv(s, buf, sizeof buf, 0);
        if (n > 0) reply.assign(buf, static_cast<size_t>(n));
    }
    close(s);
    return reply;
}

}  // namespace

TEST(AgentInput, MalformedDataFileLinesAreRefusedWithLineAndReason)
{
    struct Case {
        const char* line;
        const char* reason;
    } cases[] = {
        {"1.3.6.x.1.0 integer 1", "bad object identifier"},
        {"3.1.0 integer 1", "bad object identifier"},
        {"1.3.6.1.2.1.1.9.0 integr 1", "unknown type \"integr\""},
        {"1.3.6.1.2.1.1.9.0 integer", "missing value"},
        {"1.3.6.1.2.1.1.9.0 integer 2147483648", "not a 32-bit integer"},
        {"1.3.6.1.2.1.1.9.0 gauge -1", "not an unsigned 32-bit number"},
        {"1.3.6.1.2.1.1.9.0 ipaddress 10.0.0.256", "not an IPv4 address"},
        {"1.3.6.1.2.1.1.9.0 hex 0a0", "odd number of hex digits"},
        {"1.3.6.1.2.1.1.9.0 string \"open", "unterminated string"},
        {"1.3.6.1.2.1.1.9.0 string \"bad \\q\"", "unknown escape"},
        {"1.3.6.1.2.1.1.9.0 rw integer 9 range=1..5", "value outside range="},
        {"1.3.6.1.2.1.1.9.0 integer 1 colour=red", "unexpected \"colour=red\""},
        {"column 1.3.6.1.4.1.99999.1.1.2 rw integer", "column outside any declared table"},
        {"1.3.6.1.4.1.171.12.12.2.1.2.9 integer 5", "differs from its column's ipaddress"},
        {"table 1.3.6.1.4.1.171.12.12.2.1 rowstatus 7", "table declared twice"},
        {"table 1.3.6.1.4.1.99999.1.1 status 3", "without create= or delete="},
        {"user admin SHA short", "passwords need 8"},
        {"community rw", "expected: community ro|rw <name>"},
        {"fault error 1.3.6.1.2.1.1.5.0 oops", "unknown error status"},
        {"fault sometimes", "unknown fault"},
        {"sysName.0 string x", "unknown keyword \"sysName.0\""},
        {"1.3.6.1.2.1.1.9.0 integer 5 rate=3", "rate= needs a counter or counter64"},
        {"1.3.6.1.2.1.1.9.0 counter 5 rate=fast", "bad rate \"rate=fast\""},
        {"table 1.3.6.1.4.1.99999.1.1 status 3 create=3..4:1", "expected create=<value>:<value it reads>"},
        {"counters sometimes", "expected: counters still|moving"},
        {"joined 1.3.6.1.4.1.99999.1.1", "expected: joined <entry-oid> <entry-oid>..."},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        dir.Write("bad.txt", "# a comment\n"
                             "table 1.3.6.1.4.1.171.12.12.2.1 rowstatus 7\n"
                             "column 1.3.6.1.4.1.171.12.12.2.1.2 rw ipaddress\n\n" +
                                 std::string(c.line) + "\n1.3.6.1.2.1.1.5.0 string fine\n");
        ToolResult r = RunProgram({AgentPath(), "--data", dir.File("bad.txt")}, dir.Path());
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, "");  // no "PORT": it never listened
        EXPECT_NE(r.err.find(dir.File("bad.txt") + ":5: "), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    }

    ToolResult r = RunProgram({AgentPath(), "--data", dir.File("missing.txt")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("cannot open"), std::string::npos) << r.err;
    r = RunProgram({AgentPath(), "--data", dir.File("bad.txt"), "--colour", "red"}, dir.Path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("unknown option --colour"), std::string::npos) << r.err;
    dir.Write("good.txt", "1.3.6.1.2.1.1.5.0 string fine\n");
    r = RunProgram({AgentPath(), "--data", dir.File("good.txt"), "--fault", "drop never"},
                   dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("\"fault drop never\""), std::string::npos) << r.err;
}

TEST(AgentInput, FolderLoadsItsFilesInNameOrderAndRefusesWhatTwoFilesGive)
{
    TempDir dir;
    std::string folder = dir.Path() + "/data";
    std::filesystem::create_directory(folder);
    auto write = [&](const std::string& name, const std::string& text) {
        std::ofstream(folder + "/" + name, std::ios::binary) << text;
    };
    const std::string table = "table 1.3.6.1.4.1.99999.1.1 rowstatus 3\n"
                              "column 1.3.6.1.4.1.99999.1.1.2 rw integer default 7\n";
    write("10-a.txt", table + "1.3.6.1.2.1.1.5.0 string first\n1.3.6.1.2.1.1.5.0 string again\n");
    write("20-b.txt", "1.3.6.1.4.1.99999.1.1.2.4 integer 5\n");  // a row of 10-a's table
    write("notes.md", "not data\n");
    {
        SimAgentOptions o;
        o.dataFile = folder;
        SimAgent agent(o);
        std::vector<ToolVarbind> v = Parse(
            Snmp(agent, "snmpget", V2c(), {"1.3.6.1.2.1.1.5.0", "1.3.6.1.4.1.99999.1.1.2.4"}).out);
        ASSERT_EQ(v.size(), 2u);
        EXPECT_EQ(v[0].value, "again");  // a file may give an object again
        EXPECT_EQ(v[1].value, "5");
    }

    struct Case {
        const char* line;
        const char* given;
        int firstLine;
    } cases[] = {
        {"1.3.6.1.2.1.1.5.0 string other", "1.3.6.1.2.1.1.5.0", 3},
        {"table .1.3.6.1.4.1.99999.1.1", "table 1.3.6.1.4.1.99999.1.1", 1},
        {"column 1.3.6.1.4.1.99999.1.1.2 rw integer", "column 1.3.6.1.4.1.99999.1.1.2", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        write("20-b.txt", std::string("# second\n") + c.line + "\n");
        ToolResult r = RunProgram({AgentPath(), "--data", folder}, dir.Path());
        EXPECT_EQ(r.exitCode, 1);
        std::string expected = folder + "/20-b.txt:2: " + c.given + " is already given at " +
                               folder + "/10-a.txt:" + std::to_string(c.firstLine);
        EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
    }
    std::filesystem::remove(folder + "/10-a.txt");
    std::filesystem::remove(folder + "/20-b.txt");
    ToolResult r = RunProgram({AgentPath(), "--data", folder}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("no *.txt file"), std::string::npos) << r.err;
}

TEST(AgentInput, JoinedTablesMustHoldTheSameRows)
{
    TempDir dir;
    dir.Write("joined.txt", "joined 1.3.6.1.4.1.99999.1.1 1.3.6.1.4.1.99999.2.1\n"
                            "1.3.6.1.4.1.99999.1.1.2.1 integer 1\n"
                            "1.3.6.1.4.1.99999.1.1.3.1 integer 1\n"
                            "1.3.6.1.4.1.99999.2.1.2.1 integer 1\n");
    SimAgentOptions o;
    o.dataFile = dir.File("joined.txt");
    { SimAgent agent(o); }  // one row in each: they agree

    for (const char* extra : {"1.3.6.1.4.1.99999.1.1.3.1.7 integer 1", "1.3.6.1.4.1.99999.2.1.5.1.7 integer 1"}) {
        SCOPED_TRACE(extra);
        dir.Write("extra.txt", std::string(extra) + "\n");
        ToolResult r = RunProgram({AgentPath(), "--data", dir.File("joined.txt"), "--data", dir.File("extra.txt")},
                                  dir.Path());
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.err.find("joined tables 1.3.6.1.4.1.99999.1.1 and 1.3.6.1.4.1.99999.2.1 differ: row 1.7 is only in"),
                  std::string::npos)
            << r.err;
    }
}

TEST(AgentInput, SimAgentReportsTheRefusal)
{
    SimAgentOptions o;
    o.lines = {"1.3.6.1.2.1.1.9.0 integer many"};
    try {
        SimAgent agent(o);
        ADD_FAILURE() << "started on a bad line";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("extra.txt:1: not a 32-bit integer"),
                  std::string::npos)
            << e.what();
    }
}

TEST(AgentInput, HostileDatagramsLeaveTheAgentAnswering)
{
    SimAgent agent;
    const std::vector<unsigned long> sysName = {1, 3, 6, 1, 2, 1, 1, 5, 0};
    const std::vector<unsigned long> logIp = {1, 3, 6, 1, 4, 1, 171, 12, 12, 2, 1, 2, 1};
    std::string get = Message(0xa0, "public", Tlv(0x30, Oid(sysName) + Tlv(0x05, "")));
    ASSERT_FALSE(Exchange(agent.Port(), get).empty());  // the hand-made GET is answered

    std::vector<unsigned long> deep(200, 7);
    deep[0] = 1;
    deep[1] = 3;
    std::string longInt = Tlv(0x02, std::string(9, '\x7f'));
    const std::string garbage[] = {
        "",
        std::string(300, '\xff'),
        get.substr(0, get.size() / 2),
        "\x30\x84\xff\xff\xff\xff\x02\x01\x01",
        Tlv(0x30, Int(1) + "\x04\x7f" "public"),
        Message(0xa0, "public", Tlv(0x30, Oid(deep) + Tlv(0x05, ""))),
        Message(0xa3, "private", Tlv(0x30, Oid(sysName) + longInt)),
        Message(0xa3, "private", Tlv(0x30, Oid(sysName) + Tlv(0x46, std::string(12, '\x01')))),
        Message(0xa5, "public", Tlv(0x30, Oid(sysName) + Tlv(0x05, ""))),
        Tlv(0x30, Int(3) + Tlv(0x30, Int(1) + Int(9)) + Tlv(0x04, "x") + Tlv(0x30, "")),
    };
    for (const std::string& g : garbage) Exchange(agent.Port(), g, 50);

    // An IpAddress of seven bytes in an otherwise well-formed SET: refused, not stored.
    std::string badIp = Message(0xa3, "private",
                                Tlv(0x30, Oid(logIp) + Tlv(0x40, std::string("\x0a\0\0\x01\1\2\3", 7))));
    Exchange(agent.Port(), badIp);
    // A SET of a NULL value.
    EXPECT_FALSE(Exchange(agent.Port(), Message(0xa3, "private",
                                                Tlv(0x30, Oid(sysName) + Tlv(0x05, ""))))
                     .empty());

    auto vbs = Parse(Snmp(agent, "snmpget", V2c(), {"1.3.6.1.2.1.1.5.0",
                                                    "1.3.6.1.4.1.171.12.12.2.1.2.1"}).out);
    ASSERT_EQ(vbs.size(), 2u);
    EXPECT_EQ(vbs[0].value, "VRX-6120");
    EXPECT_EQ(vbs[1].value, "10.90.90.99");
    bool sawNull = false;
    for (const SimRequest& r : agent.Requests()) {
        if (r.kind != "SET" || r.varbinds.size() != 1) continue;
        if (r.varbinds[0].type == "ipaddress") {
            EXPECT_EQ(r.status, "wrongLength");
        }
        if (r.varbinds[0].type == "null") {
            sawNull = true;
            EXPECT_EQ(r.status, "wrongType");
        }
    }
    EXPECT_TRUE(sawNull);
}
