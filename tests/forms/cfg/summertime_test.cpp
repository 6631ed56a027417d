// The summer-time form against the simulated switch: the two reads (status first, then the
// objects of the mode read), the rows each mode shows, the two writes of Set Checked (the
// status alone, then the offset and the mode's start and end as exact octets), and the checks
// that refuse a write.
#include "forms/layer2/summertime.h"
#include "tests/forms/security/securityfixture.h"

namespace {

const std::string kSummer = "1.3.6.1.4.1.171.12.10.12.";
std::string Obj(int n) { return kSummer + std::to_string(n) + ".0"; }
std::string StatusLine(int mode) { return Obj(1) + " rw integer " + std::to_string(mode) + " range=0..2"; }

enum { kStatus, kOffset, kRepeatStart, kRepeatEnd, kAnnualStart, kAnnualEnd };

class SummerTimeTest : public SecurityFormTest {
protected:
    void Open(std::function<void(TSummerTimeForm*)> body)
    {
        RunMenu<TSummerTimeForm>("SummerTime1", [](TSummerTimeForm*) { return true; }, body);
    }
    static TEditsPanel* Rows(TSummerTimeForm* f) { return f->EditorPanel->EditsPanel; }
    static TComboBox* Status(TSummerTimeForm* f) { return static_cast<TComboBox*>(Rows(f)->RowInput(kStatus)); }
    static TEdit* Offset(TSummerTimeForm* f) { return static_cast<TEdit*>(Rows(f)->RowInput(kOffset)); }
    static TCtrlsList* Row(TSummerTimeForm* f, int row)
    {
        return row <= kRepeatEnd ? f->RepeatRows[row - kRepeatStart] : f->AnnualRows[row - kAnnualStart];
    }
    // What the part controls of a composite row show, left to right.
    static std::vector<std::string> Parts(TSummerTimeForm* f, int row)
    {
        std::vector<std::string> out;
        TCtrlsList* list = Row(f, row);
        for (int k = 1; k < list->Count(); ++k) {
            auto* c = static_cast<TControl*>(list->Get(k));
            if (auto* e = dynamic_cast<TEdit*>(c)) out.push_back(e->Text().std());
            else out.push_back(static_cast<TComboBox*>(c)->Text().std());
        }
        return out;
    }
    // The operator fills the parts: a list selects the item of that text ("" none), an edit takes it.
    static void Fill(TSummerTimeForm* f, int row, const std::vector<std::string>& texts)
    {
        TCtrlsList* list = Row(f, row);
        ASSERT_EQ(static_cast<size_t>(list->Count() - 1), texts.size());
        for (int k = 1; k < list->Count(); ++k) {
            const std::string& t = texts[static_cast<size_t>(k - 1)];
            auto* c = static_cast<TControl*>(list->Get(k));
            if (auto* e = dynamic_cast<TEdit*>(c)) e->SetText(t);
            else Choose(static_cast<TComboBox*>(c), t);
        }
    }
    static void Choose(TComboBox* box, const std::string& text)
    {
        int found = -1;
        for (int k = 0; k < box->Items()->Count(); ++k)
            if (box->Items()->Get(k).std() == text) found = k;
        box->SetItemIndex(found);
    }
    static void CheckRows(TSummerTimeForm* f, std::initializer_list<int> rows)
    {
        for (int i = 0; i < Rows(f)->RowCount(); ++i) Rows(f)->RowCheck(i)->SetChecked(false);
        for (int i : rows) Rows(f)->RowCheck(i)->SetChecked(true);
        Rows(f)->UpdateSetChecked();
    }
    static std::vector<int> ShownRows(TSummerTimeForm* f)
    {
        std::vector<int> out;
        for (int i = 0; i < Rows(f)->RowCount(); ++i)
            if (Rows(f)->RowInput(i)->Visible() && Rows(f)->Row(i).Label->Visible()) out.push_back(i);
        return out;
    }
    // The summer-time GETs since Mark(), once at least `count` are logged.
    std::vector<std::vector<std::string>> Gets(size_t count) const
    {
        auto summer = [&] {
            std::vector<std::vector<std::string>> out;
            for (const SimRequest& r : Since("GET")) {
                std::vector<std::string> oids;
                for (const SimVarbind& vb : r.varbinds) oids.push_back(vb.oid);
                if (!oids.empty() && oids[0].rfind(kSummer, 0) == 0) out.push_back(oids);
            }
            return out;
        };
        WaitFor([&] { return summer().size() >= count; });
        Settle();
        return summer();
    }
    std::vector<std::vector<std::string>> SetVarbinds(size_t count) const
    {
        std::vector<std::vector<std::string>> out;
        for (const SimRequest& r : Sets(count)) out.push_back(Varbinds(r));
        return out;
    }
    // Reads again and waits until both reads are logged: whatever went out before is logged too.
    void Flush(TSummerTimeForm* f) const
    {
        const size_t before = Gets(0).size();
        Click(f->EditorPanel->BtnPanel->RefreshBtn);
        Gets(before + 2);
    }
    // Set Checked as the operator presses it.
    static void SetChecked(TSummerTimeForm* f) { Click(f->EditorPanel->BtnPanel->SetCheckedBtn); }
};

}  // namespace

TEST_F(SummerTimeTest, EachModeReadsAndShowsItsOwnRows)
{
    StartSwitch();
    struct Case {
        int mode;
        const char* status;
        std::vector<int> shown;
        std::vector<std::string> secondGet;  // the status again, the offset and the mode's objects
    } const cases[] = {
        {0, "disable", {kStatus, kOffset}, {Obj(1), Obj(2)}},
        {1, "repeating", {kStatus, kOffset, kRepeatStart, kRepeatEnd}, {Obj(1), Obj(2), Obj(3), Obj(4)}},
        {2, "annual", {kStatus, kOffset, kAnnualStart, kAnnualEnd}, {Obj(1), Obj(2), Obj(5), Obj(6)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        agent->Control(StatusLine(c.mode));
        Mark();
        Open([&](TSummerTimeForm* f) {
            EXPECT_EQ(f->Caption(), "Summer Time");
            auto gets = Gets(2);
            ASSERT_EQ(gets.size(), 2u);
            EXPECT_EQ(gets[0], (std::vector<std::string>{Obj(1)}));
            EXPECT_EQ(gets[1], c.secondGet);
            EXPECT_EQ(Status(f)->Text(), c.status);
            EXPECT_EQ(Offset(f)->Text(), "60");
            EXPECT_EQ(ShownRows(f), c.shown);
            if (c.mode == 1) {
                EXPECT_EQ(Parts(f, kRepeatStart), (std::vector<std::string>{"Mar", "last", "Sun", "2", "0"}));
                EXPECT_EQ(Parts(f, kRepeatEnd), (std::vector<std::string>{"Oct", "last", "Sun", "3", "0"}));
                Screenshot(f, "summertime_repeating");
            } else if (c.mode == 2) {
                EXPECT_EQ(Parts(f, kAnnualStart), (std::vector<std::string>{"1", "Apr", "2", "0"}));
                EXPECT_EQ(Parts(f, kAnnualEnd), (std::vector<std::string>{"30", "Sep", "3", "0"}));
                Screenshot(f, "summertime_annual");
            }
            // Each Refresh reads the same two ways again.
            Mark();
            Click(f->EditorPanel->BtnPanel->RefreshBtn);
            EXPECT_EQ(Gets(2).size(), 2u);
            EXPECT_EQ(Gets(2)[1], c.secondGet);
        });
    }
    EXPECT_TRUE(Texts().empty());
}

TEST_F(SummerTimeTest, SetCheckedWritesTheStatusAloneThenTheOffsetAndTheModesTimes)
{
    StartSwitch();
    struct Case {
        int mode;
        std::vector<int> checked;
        std::vector<std::vector<std::string>> start, end;  // row texts, then the octets written
        std::vector<std::string> second;
    } const cases[] = {
        {1,
         {kStatus, kOffset, kRepeatStart, kRepeatEnd},
         {{"Apr", "2nd", "Mon", "1", "30"}},
         {{"Nov", "1st", "Sat", "23", "59"}},
         {Obj(2) + " integer 90", Obj(3) + " string 0x02000204011E", Obj(4) + " string 0x0100070B173B"}},
        {2,
         {kStatus, kOffset, kAnnualStart, kAnnualEnd},
         {{"31", "May", "0", "5"}},
         {{"28", "Feb", "23", "59"}},
         {Obj(2) + " integer 90", Obj(5) + " string 0x1F050005", Obj(6) + " string 0x1C02173B"}},
        // Only the end row checked: the start is left out.
        {1, {kStatus, kRepeatEnd}, {{"Apr", "2nd", "Mon", "1", "30"}}, {{"Nov", "last", "Sat", "0", "0"}},
         {Obj(4) + " string 0xFF00070B0000"}},
        {0, {kStatus, kOffset}, {}, {}, {Obj(2) + " integer 90"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        agent->Control(StatusLine(c.mode));
        Open([&](TSummerTimeForm* f) {
            const int start = c.mode == 2 ? kAnnualStart : kRepeatStart;
            if (!c.start.empty()) Fill(f, start, c.start[0]);
            if (!c.end.empty()) Fill(f, start + 1, c.end[0]);
            Offset(f)->SetText("90");
            CheckRows(f, std::initializer_list<int>());
            for (int i : c.checked) Rows(f)->RowCheck(i)->SetChecked(true);
            Mark();
            SetChecked(f);
            auto sets = SetVarbinds(2);
            ASSERT_EQ(sets.size(), 2u);
            EXPECT_EQ(sets[0], (std::vector<std::string>{Obj(1) + " integer " + std::to_string(c.mode)}));
            EXPECT_EQ(sets[1], c.second);
            for (const SimRequest& r : Since("SET")) EXPECT_EQ(r.status, "noError");
        });
    }
    EXPECT_TRUE(Texts().empty());
}

TEST_F(SummerTimeTest, ChecksRefuseTheWriteWithTheirMessageAndSendNothing)
{
    StartSwitch();
    const char* offset = "Summer Time Offset must chosed from {30, 60, 90, 120}.";
    const char* time = "Time error.";
    const char* same = "From month and To month should not be the same.";
    using Row = std::vector<std::string>;
    struct Case {
        const char* what;
        int mode;
        std::vector<int> checked;
        const char* offsetText;
        Row start, end;
        const char* message;  // null: the write goes out
    } const cases[] = {
        {"offset 0", 0, {kOffset}, "0", {}, {}, offset},
        {"offset 45", 0, {kOffset}, "45", {}, {}, offset},
        {"offset 150", 0, {kOffset}, "150", {}, {}, offset},
        // Letters never reach the edit; an empty offset passes the form and the panel refuses it.
        {"offset abc", 0, {kOffset}, "abc", {}, {}, "Some items are empty!"},
        {"offset 30", 0, {kOffset}, "30", {}, {}, nullptr},
        {"offset 120", 0, {kOffset}, "120", {}, {}, nullptr},
        {"hour 24", 1, {kRepeatStart}, "60", {"Apr", "1st", "Sun", "24", "0"}, {}, time},
        {"minute 60", 1, {kRepeatEnd}, "60", {}, {"Oct", "1st", "Sun", "2", "60"}, time},
        {"no weekday", 1, {kRepeatStart}, "60", {"Apr", "1st", "", "2", "0"}, {}, time},
        {"empty hour", 1, {kRepeatStart}, "60", {"Apr", "1st", "Sun", "", "0"}, {}, time},
        {"23:59", 1, {kRepeatStart}, "60", {"Apr", "1st", "Sun", "23", "59"}, {}, nullptr},
        {"repeating same month", 1, {kRepeatStart, kRepeatEnd}, "60", {"Apr", "1st", "Sun", "2", "0"},
         {"Apr", "last", "Sun", "3", "0"}, same},
        {"one row, months not compared", 1, {kRepeatEnd}, "60", {"Apr", "1st", "Sun", "2", "0"},
         {"Apr", "last", "Sun", "3", "0"}, nullptr},
        {"29 February", 2, {kAnnualStart}, "60", {"29", "Feb", "2", "0"}, {}, time},
        {"31 April", 2, {kAnnualEnd}, "60", {}, {"31", "Apr", "2", "0"}, time},
        {"31 May", 2, {kAnnualEnd}, "60", {}, {"31", "May", "2", "0"}, nullptr},
        {"day 0", 2, {kAnnualStart}, "60", {"0", "May", "2", "0"}, {}, time},
        {"no month", 2, {kAnnualStart}, "60", {"3", "", "2", "0"}, {}, time},
        {"annual same month", 2, {kAnnualStart, kAnnualEnd}, "60", {"1", "May", "2", "0"}, {"20", "May", "3", "0"},
         same},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        agent->Control(StatusLine(c.mode));
        Open([&](TSummerTimeForm* f) {
            const int start = c.mode == 2 ? kAnnualStart : kRepeatStart;
            if (!c.start.empty()) Fill(f, start, c.start);
            if (!c.end.empty()) Fill(f, start + 1, c.end);
            Offset(f)->SetText(c.offsetText);
            CheckRows(f, std::initializer_list<int>());
            for (int i : c.checked) Rows(f)->RowCheck(i)->SetChecked(true);
            boxes.Clear();
            Mark();
            SetChecked(f);
            Flush(f);
            if (c.message) {
                EXPECT_EQ(Texts(), (std::vector<std::string>{c.message}));
                EXPECT_TRUE(Since("SET").empty());
            } else {
                EXPECT_TRUE(Texts().empty());
                EXPECT_EQ(Since("SET").size(), 1u);  // the status row is unchecked: no write of it
            }
        });
    }
}

TEST_F(SummerTimeTest, AStatusCheckedButNotChosenIsRefused)
{
    StartSwitch();
    Open([&](TSummerTimeForm* f) {
        Status(f)->SetItemIndex(-1);
        CheckRows(f, {kStatus, kOffset});
        Mark();
        SetChecked(f);
        EXPECT_EQ(Texts(), (std::vector<std::string>{"Please choose Summer Time Status."}));
        // Unchecked, no mode: nothing happens at all.
        boxes.Clear();
        Rows(f)->RowCheck(kStatus)->SetChecked(false);
        SetChecked(f);
        EXPECT_TRUE(Texts().empty());
        EXPECT_TRUE(Since("SET").empty());
    });
}

TEST_F(SummerTimeTest, ANewModeIsWrittenFirstAndItsRowsFollowAtTheNextRefresh)
{
    StartSwitch();
    Open([&](TSummerTimeForm* f) {
        ASSERT_EQ(Status(f)->Text(), "repeating");
        Choose(Status(f), "annual");
        CheckRows(f, {kStatus, kOffset, kRepeatStart, kRepeatEnd});
        Mark();
        SetChecked(f);
        auto sets = SetVarbinds(2);
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(sets[0], (std::vector<std::string>{Obj(1) + " integer 2"}));
        // The repeating rows on screen are no rows of the new mode: the offset alone.
        EXPECT_EQ(sets[1], (std::vector<std::string>{Obj(2) + " integer 60"}));
        EXPECT_EQ(ShownRows(f), (std::vector<int>{kStatus, kOffset, kRepeatStart, kRepeatEnd}));
        Click(f->EditorPanel->BtnPanel->RefreshBtn);
        EXPECT_EQ(ShownRows(f), (std::vector<int>{kStatus, kOffset, kAnnualStart, kAnnualEnd}));
        EXPECT_EQ(Parts(f, kAnnualStart), (std::vector<std::string>{"1", "Apr", "2", "0"}));
    });
}

TEST_F(SummerTimeTest, OnlyWritesWithACheckedRowGoOut)
{
    StartSwitch();
    struct Case {
        std::vector<int> checked;
        std::vector<std::vector<std::string>> sets;
    } const cases[] = {
        {{kStatus}, {{Obj(1) + " integer 1"}}},
        {{kOffset}, {{Obj(2) + " integer 90"}}},
        {{kRepeatEnd}, {{Obj(4) + " string 0xFF00010A0300"}}},
    };
    for (const Case& c : cases) {
        Open([&](TSummerTimeForm* f) {
            Offset(f)->SetText("90");
            CheckRows(f, std::initializer_list<int>());
            for (int i : c.checked) Rows(f)->RowCheck(i)->SetChecked(true);
            Mark();
            SetChecked(f);
            Flush(f);
            std::vector<std::vector<std::string>> sets;
            for (const SimRequest& r : Since("SET")) sets.push_back(Varbinds(r));
            EXPECT_EQ(sets, c.sets);
        });
    }
}

TEST_F(SummerTimeTest, AFailedReadIsAResultLineAndTheSecondReadStillRuns)
{
    StartSwitch({"fault error " + Obj(1) + " genErr get"});
    Mark();
    Open([&](TSummerTimeForm* f) {
        auto gets = Gets(2);
        ASSERT_EQ(gets.size(), 2u);
        // The status row keeps the mode it showed (repeating when the form opens).
        EXPECT_EQ(gets[1], (std::vector<std::string>{Obj(1), Obj(2), Obj(3), Obj(4)}));
        TStrings* lines = f->EditorPanel->MsgPanel->Memo->Lines();
        ASSERT_EQ(lines->Count(), 2);
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(lines->Get(i).std().rfind("Get: (SNMP) Cannot perform operation, General Error!. Receive at ", 0),
                      0u)
                << lines->Get(i).std();
    });
    EXPECT_TRUE(Texts().empty());
}
