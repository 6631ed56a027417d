// The VLAN forms' tests: the feature-form fixture with screenshots, port pages read and ticked
// by port number, and the last lines of a memo.
#pragma once

#include <initializer_list>

#include "forms/layer2/stackingportunit.h"
#include "tests/forms/security/securityfixture.h"

class VlanFormTest : public SecurityFormTest {
protected:
    // The ticked boxes of a page, as box numbers 1 to count (port p of unit u is (u-1)*64+p).
    static std::vector<int> Ticked(TStackingPortUitForm* page, int count = 64)
    {
        std::vector<int> out;
        for (int k = 0; k < count; ++k)
            if (page->PortCheck(k)->Checked()) out.push_back(k + 1);
        return out;
    }
    static void Tick(TStackingPortUitForm* page, std::initializer_list<int> boxes, bool on = true)
    {
        for (int b : boxes) page->PortCheck(b - 1)->SetChecked(on);
    }
    static std::string LastLine(TMemo* memo)
    {
        const int n = memo->Lines()->Count();
        return n ? memo->Lines()->Get(n - 1).std() : std::string();
    }
    static bool MemoHas(TMemo* memo, const std::string& text)
    {
        for (int i = 0; i < memo->Lines()->Count(); ++i)
            if (memo->Lines()->Get(i).std().find(text) != std::string::npos) return true;
        return false;
    }
    // Selects row i as the operator's click does, scrolled into view first.
    static void ClickShownRow(TListView* lv, int i)
    {
        lv->scrollToItem(lv->Items()->Item(i));
        ClickRow(lv, i);
    }
    // A click on the list view below its rows: no row selected.
    static void ClickBelowRows(TListView* lv)
    {
        QTest::mouseClick(lv->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, lv->viewport()->height() - 5));
    }
};
