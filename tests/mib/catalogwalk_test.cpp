// Catalog tables read from the simulated VRX-6120 through the request core: keys of every kind
// (MAC address, IP address, display string, IMPLIED display string) come back from the row
// index, and a scalar group reads in one get.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "mib/mibcatalog.h"
#include "snmpvars/qzsnmprequest.h"
#include "snmpvars/qzsnmpsession.h"
#include "tests/support/simagent.h"
#include "tests/support/testsupport.h"

namespace {

using Row = std::vector<std::string>;

class CatalogWalk : public ::testing::Test {
protected:
    void SetUp() override
    {
        agent_ = std::make_unique<SimAgent>();
        QzSNMPInitialize(dir_.Path());
        QzSNMPDevice.address = "127.0.0.1";
        QzSNMPDevice.port = static_cast<uint16_t>(agent_->Port());
        QzSNMPSecurity.version = 1;
        QzSNMPSecurity.readCommunity = "public";
        QzSNMPSecurity.writeCommunity = "private";
    }

    // A request loaded as the menu command loads its form's request.
    std::unique_ptr<QzSNMPRequest> RequestFor(const char* component)
    {
        const MibCommand* c = FindMibCommand(component);
        EXPECT_NE(c, nullptr) << component;
        auto r = std::make_unique<QzSNMPRequest>();
        if (c) r->varList = QzSNMPVarList(c->table, static_cast<unsigned char>(c->listType), c->keyCount);
        return r;
    }

    static Row RowOf(const QzSNMPVarList& list)
    {
        Row row;
        for (int i = 0; i < list.GetCount(); ++i) row.push_back(list.Items(i).value->std());
        return row;
    }

    std::vector<Row> Walk(const char* component)
    {
        auto r = RequestFor(component);
        std::vector<Row> rows;
        if (r->Get(true)) {
            do rows.push_back(RowOf(r->varList));
            while (rows.size() < 100 && r->Get(false));
        }
        return rows;
    }

    std::vector<Row> WalkAsync(const char* component)
    {
        auto r = RequestFor(component);
        struct Walker {
            QzSNMPRequest& r;
            std::vector<Row> rows;
            bool finished = false;
            int code = 0;
            void Done(QzSNMPError& e, QzSNMPVarList& list)
            {
                if (e.code || e.done) {
                    code = e.code;
                    finished = true;
                    return;
                }
                rows.push_back(RowOf(list));
                r.GetAsync(QzSNMPDoneEvent(this, &Walker::Done), false);
            }
        } w{*r};
        r->GetAsync(QzSNMPDoneEvent(&w, &Walker::Done), true);
        EXPECT_TRUE(WaitFor([&] { return w.finished; }));
        EXPECT_EQ(w.code, 0);
        return w.rows;
    }

    TempDir dir_;
    std::unique_ptr<SimAgent> agent_;
};

}  // namespace

TEST_F(CatalogWalk, ForwardingDatabaseByVlanAndMacAddress)
{
    std::vector<Row> expected = {{"1", "001B11223344", "3", "learned"},
                                 {"1", "005056C00008", "5", "learned"},
                                 {"1", "020000612000", "0", "self"}};
    EXPECT_EQ(Walk("UnicastForwardingInformation1"), expected);
    EXPECT_EQ(WalkAsync("UnicastForwardingInformation1"), expected);
}

TEST_F(CatalogWalk, IpForwardingTableByIpAddress)
{
    EXPECT_EQ(Walk("IPForwardingTable1"), (std::vector<Row>{{"10.90.90.1", "255.0.0.0", "1", "dynamic"},
                                                            {"10.90.90.200", "255.0.0.0", "4", "dynamic"},
                                                            {"192.168.1.10", "255.255.255.0", "9", "static"}}));
}

TEST_F(CatalogWalk, DnsTableByDomainNameAndIpAddress)
{
    EXPECT_EQ(Walk("DNSCtrlTable1"), (std::vector<Row>{{"mail", "192.168.1.25", "valid"},
                                                       {"ns.lab", "10.90.90.10", "valid"}}));
}

TEST_F(CatalogWalk, CommunityTableByImpliedIndex)
{
    EXPECT_EQ(Walk("CommunityStringTable1"),
              (std::vector<Row>{{"private", "private", "admin", "800000AB03020000612000", "", "", "nonVolatile", "active"},
                                {"public", "public", "guest", "800000AB03020000612000", "", "", "nonVolatile", "active"}}));
    // The second step asks for each column's first row, whose index has no length.
    ASSERT_TRUE(agent_->WaitForRequests(2));
    EXPECT_EQ(agent_->Requests()[1].varbinds[0].oid, "1.3.6.1.6.3.18.1.1.1.2.112.114.105.118.97.116.101");

    // A set addresses a row by the same index.
    auto r = RequestFor("CommunityStringTable1");
    Row values = {"lab", "lab", "labuser", "", "", "", "nonVolatile", "createAndGo"};
    for (int i = 0; i < r->varList.GetCount(); ++i) *r->varList.Items(i).value = values[static_cast<size_t>(i)];
    r->Set(false);
    ASSERT_TRUE(agent_->WaitForRequests(4));
    EXPECT_EQ(agent_->Requests()[3].status, "noError");
    EXPECT_EQ(agent_->Requests()[3].varbinds[0].oid, "1.3.6.1.6.3.18.1.1.1.2.108.97.98");
    EXPECT_EQ(Walk("CommunityStringTable1").size(), 3u);
}

TEST_F(CatalogWalk, DeviceInformationScalars)
{
    auto r = RequestFor("DeviceInformation1");
    EXPECT_FALSE(r->Get(true));
    EXPECT_EQ(RowOf(r->varList), (Row{"27", "9", "Build 1.00.006", "Build 2.60.017"}));
}
