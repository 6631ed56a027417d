// The bridge forms' tests: the feature-form fixture with the program's TForm1 (whose gate
// flags two of the forms share), screenshots, and the rows of a list view as text.
#pragma once

#include "mainwindow/unit1.h"
#include "tests/forms/security/securityfixture.h"

class BridgeFormTest : public SecurityFormTest {
protected:
    void SetUp() override
    {
        SecurityFormTest::SetUp();
        gate = new TForm1(nullptr);
    }
    void TearDown() override
    {
        SecurityFormTest::TearDown();
        delete gate;
        gate = nullptr;
    }
    // Caption and sub-items of row i, joined by blanks.
    static std::string Row(TListView* lv, int i)
    {
        TListItem* item = lv->Items()->Item(i);
        std::string text = item->Caption().std();
        for (int k = 0; k < item->SubItems()->Count(); ++k) text += " " + item->SubItems()->Get(k).std();
        return text;
    }
    static std::string LastLine(TMemo* memo)
    {
        const int n = memo->Lines()->Count();
        return n ? memo->Lines()->Get(n - 1).std() : std::string();
    }
    // Selects row i as the operator's click does, scrolled into view first.
    static void ClickListRow(TListView* lv, int i)
    {
        lv->scrollToItem(lv->Items()->Item(i));
        ClickRow(lv, i);
    }
    // Both gate flags idle.
    bool GateOpen() const { return gate->GetIdle && gate->SetIdle; }
    // Walks of a column that the agent has been asked for since Mark(): GETNEXTs of its first row.
    size_t WalksOf(const std::string& column) const
    {
        size_t n = 0;
        for (const SimRequest& r : Since("GETNEXT"))
            if (!r.varbinds.empty() && r.varbinds[0].oid == column) ++n;
        return n;
    }

    TForm1* gate = nullptr;
};
