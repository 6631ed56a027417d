// The simulated VRX-6120 serves every descriptor table the module shows: each readable object
// of the generated forms' tables and of the hand-made forms' tables (mib/formtables.h) has an
// instance, of the wire type the request layer sends for its syntax, and every
// enumerated value lies in the object's option list.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/qzoptionlist.h"
#include "mib/mibcatalog.h"
#include "platform/snmp/snmp.h"
#include "snmpvars/qzsnmpvaluetext.h"
#include "mib/formtables.h"
#include "tests/support/simagent.h"

namespace {

class CatalogData : public ::testing::Test {
protected:
    void SetUp() override
    {
        int status = 0;
        snmp_ = std::make_unique<Snmp>(status);
        ASSERT_EQ(status, SNMP_CLASS_SUCCESS);
        target_ = CTarget(UdpAddress((agent_.Target()).c_str()), "public", "private");
        target_.set_version(version2c);
        target_.set_timeout(300);
        target_.set_retry(1);
    }

    // One object's answer: an instance under its OID, of its wire type and in its options.
    void CheckValue(const std::string& where, const UISnmpVar& var, const Vb& vb)
    {
        if (vb.get_syntax() != qzsnmp::WireSyntax(var.syntax)) {
            faults_.push_back(where + " " + vb.get_printable_oid() + ": type " +
                              std::to_string(vb.get_syntax()) + ", the request sends " +
                              std::to_string(qzsnmp::WireSyntax(var.syntax)));
            return;
        }
        long n = 0;
        if (var.options && var.options->Kind() == QzOptionList::Integer &&
            vb.get_value(n) == SNMP_CLASS_SUCCESS &&
            var.options->IndexOfValue(AnsiString(std::to_string(n).c_str())) < 0)
            faults_.push_back(where + " " + vb.get_printable_oid() + ": " + std::to_string(n) +
                              " is not in the option list");
    }

    void CheckScalars(const std::string& name, const UISnmpVar* table)
    {
        for (const UISnmpVar* v = table; v->oid; ++v) {
            if (!QzIsReadable(*v)) continue;
            Pdu pdu;
            pdu += Vb(Oid((std::string(v->oid) + ".0").c_str()));
            int status = snmp_->get(pdu, target_);
            std::string where = name + " \"" + v->label + "\"";
            if (status != SNMP_CLASS_SUCCESS)
                faults_.push_back(where + ": status " + std::to_string(status));
            else if (pdu[0].get_syntax() >= 0x80)
                faults_.push_back(where + " " + v->oid + ".0: not served");
            else
                CheckValue(where, *v, pdu[0]);
        }
    }

    // Walks the readable columns side by side, as the request layer walks a table.
    void CheckTable(const std::string& name, const UISnmpVar* table)
    {
        struct Column {
            const UISnmpVar* var;
            Oid column, at;
            int rows = 0;
            bool done = false;
        };
        std::vector<Column> cols;
        for (const UISnmpVar* v = table; v->oid; ++v)
            if (QzIsReadable(*v)) cols.push_back({v, Oid(v->oid), Oid(v->oid)});
        for (int step = 0; step < 300; ++step) {
            Pdu pdu;
            std::vector<Column*> asked;
            for (Column& c : cols)
                if (!c.done) pdu += Vb(c.at), asked.push_back(&c);
            if (asked.empty()) break;
            int status = snmp_->get_next(pdu, target_);
            if (status != SNMP_CLASS_SUCCESS) {
                faults_.push_back(name + ": status " + std::to_string(status));
                return;
            }
            for (size_t i = 0; i < asked.size(); ++i) {
                Column& c = *asked[i];
                const Vb& vb = pdu[static_cast<int>(i)];
                const Oid& got = vb.get_oid();
                if (vb.get_syntax() >= 0x80 || got.len() <= c.column.len() ||
                    got.nCompare(c.column.len(), c.column) != 0) {
                    c.done = true;
                    continue;
                }
                ++c.rows;
                c.at = got;
                CheckValue(name + " \"" + c.var->label + "\"", *c.var, vb);
            }
        }
        for (const Column& c : cols)
            if (c.rows == 0) faults_.push_back(name + " \"" + c.var->label + "\" " + c.var->oid + ": no row");
    }

    void Check(const std::string& name, const UISnmpVar* table, int listType)
    {
        if (listType == SVT_SV)
            CheckScalars(name, table);
        else
            CheckTable(name, table);
    }

    std::string Faults() const
    {
        std::string text;
        for (size_t i = 0; i < faults_.size() && i < 40; ++i) text += faults_[i] + "\n";
        return text;
    }

    SimAgent agent_;
    std::unique_ptr<Snmp> snmp_;
    CTarget target_;
    std::vector<std::string> faults_;
};

}  // namespace

TEST_F(CatalogData, EveryFormsTableIsServedWithItsTypesAndOptions)
{
    for (int i = 0; i < MibCommandCount(); ++i) {
        const MibCommand& c = MibCommandAt(i);
        Check(c.component, c.table, c.listType);
    }
    for (const MibFormTable& t : AllFormTables()) Check(t.name, t.table, t.listType);
    EXPECT_TRUE(faults_.empty()) << faults_.size() << " faults:\n" << Faults();
}

TEST_F(CatalogData, AMissingTableOrAWrongTypeIsFound)
{
    agent_.Control({"unset 1.3.6.1.4.1.171.12.11.1.6",         // the power table
                    "1.3.6.1.4.1.171.12.10.11.5.0 gauge 720",  // an integer served as a gauge
                    "1.3.6.1.4.1.171.12.10.11.1.0 integer 9"});  // outside "disabled", "enabled"
    for (const char* component : {"PowerTable1", "NetworkTime1"}) {
        const MibCommand* c = FindMibCommand(component);
        ASSERT_NE(c, nullptr);
        Check(c->component, c->table, c->listType);
    }
    std::string text = Faults();
    EXPECT_NE(text.find("PowerTable1 \"Power Status\" 1.3.6.1.4.1.171.12.11.1.6.1.3: no row"), std::string::npos) << text;
    EXPECT_NE(text.find("NetworkTime1 \"Poll Interval[30....99999(sec)]\" 1.3.6.1.4.1.171.12.10.11.5.0: type 66"), std::string::npos) << text;
    EXPECT_NE(text.find("1.3.6.1.4.1.171.12.10.11.1.0: 9 is not in the option list"), std::string::npos) << text;
}
