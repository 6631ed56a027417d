// Every status as one layer code and text; message files replace the texts.
#include <gtest/gtest.h>

#include "platform/snmp/snmperrs.h"
#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmperror.h"
#include "tests/support/testsupport.h"

namespace {

class ErrorTextTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (QzMessageTable* t : {&QzSNMPAgentMessageTable, &QzSNMPv3MessageTable, &QzSNMPUSMMessageTable,
                                  &QzSNMPClassMessageTable, &QzSNMPMessageTable, &QzSNMPFormatTable})
            t->Reset();
    }
};

}  // namespace

TEST_F(ErrorTextTest, MapsEveryRangeToItsCodeAndText)
{
    struct Case {
        int status;
        int code;
        const char* text;
    } cases[] = {
        {0, 0, "(QzSNMP++) Ok!"},
        {SNMPv3_MP_OK, 0, "(QzSNMP++) Ok!"},
        {SNMPv3_USM_OK, 0, "(QzSNMP++) Ok!"},
        {1, -101, "(SNMP) Response PDU Too Big!"},
        {2, -102, "(SNMP) Variable does not exist!"},
        {17, -117, "(SNMP) Cannot create/set variable, Not Writable!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        {-1412, -211, "(SNMPv3) Unknown UserName!"},
        {-1418, -217, "(SNMPv3) Report sent!"},
        {1401, -301, "(SNMPv3USM) error!"},
        {1408, -308, "(SNMPv3USM) Authentication failure!"},
        {1413, -313, "(SNMPv3USM) Unsupported PrivProtocol!"},
        {1414, -314, "(SNMPv3USM) Address error!"},
        {-1, -401, "(SNMPClass) Operation failed!"},
        {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {-9, -409, "(SNMPClass)Unknown error code!"},
        {-20, -420, "(SNMP Class) Transport is not supported!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        {19, -528, "(QzSNMP++) Unknown error code!"},
        {-24, -528, "(QzSNMP++) Unknown error code!"},
        {1415, -528, "(QzSNMP++) Unknown error code!"},
        {-1419, -528, "(QzSNMP++) Unknown error code!"},
        {-1400, -528, "(QzSNMP++) Unknown error code!"},
    };
    for (const Case& c : cases) {
        AnsiString text;
        EXPECT_EQ(QzSNMPGetErrorText(c.status, text), c.code) << c.status;
        EXPECT_EQ(text, c.text) << c.status;
    }
}

TEST_F(ErrorTextTest, OwnMessagesHaveCodesFromMinus501)
{
    EXPECT_EQ(QzSNMPOwnCode(qzsCreateSession), -506);
    EXPECT_EQ(QzSNMPOwnText(qzsBadAddress), "(QzSNMP++) Invalid IP Address or DNS name!");
    EXPECT_EQ(QzSNMPOwnCode(qzsBadListType), -515);
    EXPECT_EQ(QzSNMPOwnText(qzsUnknownErrorCode), "(QzSNMP++) Unknown error code!");
    EXPECT_EQ(QzSNMPFormatTable.Text(qzfSet), "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].");
    try {
        QzSNMPThrowOwn(qzsGetNextOfScalars);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -510);
        EXPECT_EQ(e.Message,
                  "(QzSNMP++) Can't send get-next command for a SNMP variable list with single value!");
    }
    try {
        QzSNMPThrowStatus(SNMP_CLASS_TIMEOUT);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -405);
        EXPECT_EQ(e.Message, "(SNMPClass) SNMP request timed out!");
    }
}

TEST_F(ErrorTextTest, MessageFilesReplaceTheTextsAndShortOnesFallBack)
{
    TempDir dir;
    dir.Write("snmp.err", "Zu gross\r\n\r\nGibt es nicht\r\n");  // blank lines do not count
    dir.Write("snmpclass.err", "c1\nc2\nc3\nc4\nZeit abgelaufen\n");
    dir.Write("qzsnmp.err", "Alles gut\n");
    dir.Write("snmp.msg", "Lesen: [ERROR]\nSchreiben: [ERROR]\n");
    QzSNMPLoadMessageFiles(dir.Path());

    AnsiString text;
    EXPECT_EQ(QzSNMPGetErrorText(2, text), -102);
    EXPECT_EQ(text, "Gibt es nicht");
    EXPECT_EQ(QzSNMPGetErrorText(3, text), -103);
    EXPECT_EQ(text, "(SNMP) Cannot modify variable: Bad Value!");  // beyond the file: built in
    EXPECT_EQ(QzSNMPGetErrorText(-5, text), -405);
    EXPECT_EQ(text, "Zeit abgelaufen");
    EXPECT_EQ(QzSNMPGetErrorText(0, text), 0);
    EXPECT_EQ(text, "Alles gut");
    EXPECT_EQ(QzSNMPGetErrorText(12345, text), -528);
    EXPECT_EQ(text, "(QzSNMP++) Unknown error code!");
    EXPECT_EQ(QzSNMPGetErrorText(1404, text), -304);  // no file: built in
    EXPECT_EQ(text, "(SNMPv3USM) Unknown SecurityName!");
    EXPECT_EQ(QzSNMPFormatTable.Text(qzfGet), "Lesen: [ERROR]");
}
