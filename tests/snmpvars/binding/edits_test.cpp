// The edit binding against the simulated agent: a list view filled by a walk, a selected row
// in the controls and back on the wire, and what a write leaves out.
#include <QHeaderView>

#include "bindingfixture.h"
#include "common/qzeditconstraint.h"
#include "platform/ui/extctrls.h"
#include "snmpvars/qzsnmprequest2edits.h"
#include "tests/snmpvars/requestfixture.h"

namespace {

class EditsTest : public BindingTest {
protected:
    void Use(unsigned char mode, const std::vector<std::string>& lines = MoreSysLogRows(),
             const UISnmpVar* vars = SysLogVars())
    {
        Start(lines, 1, false);
        lv = new TListView(form);
        lv->SetParent(form);
        lv->SetBounds(0, 0, 640, 200);
        r = std::make_unique<QzSNMPRequest2Edits>(form);
        r->Request.varList = QzSNMPVarList(vars, MVT_FMV, 1);
        r->Mode = mode;
        r->SetMessageControl(memo);
        form->Show();
    }
    TEdit* NewEdit()
    {
        auto* e = new TEdit(form);
        e->SetParent(form);
        return e;
    }
    // The list view's rows, caption first.
    std::vector<Row> Rows() const
    {
        std::vector<Row> rows;
        for (int i = 0; i < lv->Items()->Count(); ++i) {
            TListItem* item = lv->Items()->Item(i);
            Row row{item->Caption().std()};
            for (int k = 0; k < item->SubItems()->Count(); ++k) row.push_back(item->SubItems()->Get(k).std());
            rows.push_back(row);
        }
        return rows;
    }
    void Read()
    {
        r->Get();
        ASSERT_TRUE(WaitFor([&] { return !r->Busy; }));
    }
    TListView* lv = nullptr;
    std::unique_ptr<QzSNMPRequest2Edits> r;
};

const std::vector<Row> kRows = {
    {"1", "10.90.90.99", "all", "1", "514", "enabled", "active"},
    {"2", "10.90.90.98", "warning", "2", "502", "disabled", "active"},
    {"3", "192.168.1.200", "info", "2", "503", "enabled", "active"},
};

}  // namespace

TEST_F(EditsTest, AWalkFillsTheListViewOneRowPerTableRow)
{
    for (unsigned char mode : {0, 1}) {
        Use(mode);
        r->BindListView(lv, true);
        EXPECT_TRUE(lv->ReadOnly());
        EXPECT_TRUE(lv->RowSelect());
        EXPECT_FALSE(lv->HideSelection());
        EXPECT_TRUE(lv->GridLines());
        EXPECT_EQ(lv->ViewStyle(), vsReport);
        ASSERT_EQ(lv->Columns()->Count(), 7);
        const char* captions[] = {"Index", "Server IP", "Severity", "Facility", "UDP Port", "State", "Row Status"};
        for (int c = 0; c < 7; ++c) EXPECT_EQ(lv->Columns()->Items(c)->Caption(), captions[c]);
        EXPECT_GT(lv->Columns()->Items(1)->Width(), 0);
        Read();
        EXPECT_EQ(Rows(), kRows) << int(mode);
        EXPECT_TRUE(lv->updatesEnabled());  // painted again once the walk is over
        // A second read replaces the rows.
        Read();
        EXPECT_EQ(Rows(), kRows);
        EXPECT_TRUE(IsResultLine(LinesOf(memo).back(), "Get", OkText()));
        delete lv;
        r.reset();
    }
}

TEST_F(EditsTest, AWalkThatFailsHalfWayLeavesTheListViewPainting)
{
    for (unsigned char mode : {0, 1}) {
        Use(mode);
        agent_->Control("fault error " + SysLogCol(5, 3) + " genErr get");
        r->BindListView(lv, true);
        if (mode == 0) {
            EXPECT_EQ(RaisedCode([&] { r->Get(); }), -105);
        } else {
            r->Get();
            ASSERT_TRUE(WaitFor([&] { return !r->Busy; }));
            AnsiString genErr;
            QzSNMPGetErrorText(5, genErr);
            EXPECT_TRUE(IsResultLine(LinesOf(memo).back(), "Get", genErr.std()));
        }
        EXPECT_EQ(lv->Items()->Count(), 2);
        EXPECT_TRUE(WaitFor([&] { return lv->updatesEnabled(); })) << int(mode);
        r.reset();
        delete lv;
    }
}

TEST_F(EditsTest, WhenAReadEndsTheColumnsShowTheirWholeValues)
{
    for (unsigned char mode : {0, 1}) {
        Use(mode);
        r->BindListView(lv, true);
        const int address = lv->fontMetrics().horizontalAdvance("192.168.1.200");
        EXPECT_LT(lv->Columns()->Items(1)->Width(), address);  // as wide as "Server IP" until read
        Read();
        EXPECT_GE(lv->Columns()->Items(1)->Width(), address) << int(mode);
        const int last = lv->Columns()->Count() - 1;
        EXPECT_EQ(lv->header()->sectionViewportPosition(last) + lv->Columns()->Items(last)->Width(),
                  lv->viewport()->width());
        delete lv;
        r.reset();
    }
}

TEST_F(EditsTest, ColumnsLaidOutAtDesignTimeStay)
{
    Use(0);
    for (int c = 0; c < 8; ++c) {
        TListColumn* col = lv->Columns()->Add();
        col->SetCaption(AnsiString("Designed ") + AnsiString(c));
        col->SetWidth(40 + c);
    }
    r->BindListView(lv, false);
    Read();
    ASSERT_EQ(lv->Columns()->Count(), 8);
    EXPECT_EQ(lv->Columns()->Items(3)->Caption(), "Designed 3");
    EXPECT_EQ(lv->Columns()->Items(3)->Width(), 43);
    EXPECT_EQ(Rows(), kRows);

    // Too few columns: the generated ones, a hidden (write-only) variable first with width 0.
    const UISnmpVar vars[] = {
        {"1.3.6.1.4.1.171.12.12.2.1.1", "Index", sxInteger, acNotAccess},
        {"1.3.6.1.4.1.171.12.12.2.1.5", "UDP Port", sxInteger, acReadWrite},
        {"1.3.6.1.4.1.171.12.12.2.1.9", "Secret", sxDisplayStr, acWriteOnly},
        {nullptr},
    };
    auto* lv2 = new TListView(form);
    lv2->SetParent(form);
    lv2->Columns()->Add()->SetCaption("only one");
    QzSNMPRequest2Edits r2(form);
    r2.Request.varList = QzSNMPVarList(vars, MVT_FMV, 1);
    r2.Mode = 0;
    r2.BindListView(lv2, false);
    ASSERT_EQ(lv2->Columns()->Count(), 3);
    EXPECT_EQ(lv2->Columns()->Items(0)->Caption(), "Secret");
    EXPECT_EQ(lv2->Columns()->Items(0)->Width(), 0);
    EXPECT_EQ(lv2->Columns()->Items(1)->Caption(), "Index");
    r2.Get();
    ASSERT_EQ(lv2->Items()->Count(), 3);
    EXPECT_EQ(lv2->Items()->Item(1)->Caption(), "");
    EXPECT_EQ(lv2->Items()->Item(1)->SubItems()->Get(0), "2");
    EXPECT_EQ(lv2->Items()->Item(1)->SubItems()->Get(1), "502");
}

TEST_F(EditsTest, SelectingARowFillsTheControlsAndOnlyTheSelectionCopies)
{
    Use(0);
    std::string formLog;
    lv->OnSelectItem = TLVSelectItemEvent(std::function<void(TObject*, TListItem*, bool)>(
        [&](TObject*, TListItem* item, bool selected) {
            formLog += (selected ? "+" : "-") + item->Caption().std() + ";";
        }));
    std::vector<TEdit*> ipEdits = {NewEdit(), NewEdit(), NewEdit(), NewEdit()};
    auto* severity = new TComboBox(form);
    severity->SetParent(form);
    auto* state = new TRadioGroup(form);
    state->SetParent(form);
    auto* port = new TLabel(form);
    port->SetParent(form);
    r->BindListView(lv, true);
    r->AssociateFormatList(1, 0, -1, nullptr, "%u{n0x255}%u{n0x255}%u{n0x255}%u{n0x255}", ipEdits);
    r->Associate(2, severity);
    r->Associate(5, state, 1);
    r->Associate(4, port);
    EXPECT_EQ(severity->Style(), csDropDownList);
    ASSERT_EQ(severity->Items()->Count(), 3);
    EXPECT_EQ(severity->Items()->Get(1), "warning");
    ASSERT_EQ(state->Items()->Count(), 3);

    Read();
    // A table read into a list view leaves the controls disabled until a row is selected.
    EXPECT_FALSE(severity->Enabled());
    EXPECT_FALSE(ipEdits[0]->Enabled());
    lv->SetSelected(lv->Items()->Item(1));
    EXPECT_EQ(formLog, "+2;");
    EXPECT_TRUE(severity->Enabled());
    EXPECT_TRUE(ipEdits[3]->Enabled());
    EXPECT_EQ(ipEdits[0]->Text(), "10");
    EXPECT_EQ(ipEdits[3]->Text(), "98");
    EXPECT_EQ(severity->ItemIndex(), 1);
    EXPECT_EQ(state->ItemIndex(), 1);
    EXPECT_EQ(port->Caption(), "502");

    // Another row: the deselection reaches the form's handler only.
    port->SetCaption("changed");
    lv->SetSelected(lv->Items()->Item(2));
    EXPECT_EQ(formLog, "+2;-2;+3;");
    EXPECT_EQ(port->Caption(), "503");
    EXPECT_EQ(severity->Text(), "info");
    port->SetCaption("kept");
    lv->SetSelected(nullptr);
    EXPECT_EQ(formLog, "+2;-2;+3;-3;");
    EXPECT_EQ(port->Caption(), "kept");
}

TEST_F(EditsTest, SettingTheSelectedRowWritesItsNonKeyColumnsAtItsIndex)
{
    Use(0);
    auto* port = NewEdit();
    auto* severity = new TComboBox(form);
    severity->SetParent(form);
    r->BindListView(lv, true);
    r->AssociateFormat(4, "%u{n1x65535}", port);
    r->Associate(2, severity);
    Read();
    lv->SetSelected(lv->Items()->Item(1));
    EXPECT_EQ(port->Text(), "502");
    port->SetText("1514");
    severity->SetItemIndex(2);
    r->Set(true, true);
    EXPECT_FALSE(r->Busy);

    auto log = Log(9);
    ASSERT_GE(log.size(), 9u);
    const SimRequest& set = log[4];  // after the walk's four steps
    EXPECT_EQ(set.kind, "SET");
    EXPECT_EQ(set.status, "noError");
    std::vector<std::string> oids;
    for (int c = 2; c <= 7; ++c) oids.push_back(SysLogCol(c, 2));
    EXPECT_EQ(OidsOf(set), oids);
    EXPECT_EQ(set.varbinds[0].type, "ipaddress");
    EXPECT_EQ(set.varbinds[0].value, "10.90.90.98");
    EXPECT_EQ(set.varbinds[1].value, "6");     // "info" from the combo box
    EXPECT_EQ(set.varbinds[3].value, "1514");  // from the edit
    EXPECT_EQ(set.varbinds[4].value, "2");     // the row's "disabled"
    // The table was read again.
    ASSERT_EQ(lv->Items()->Count(), 3);
    EXPECT_EQ(lv->Items()->Item(1)->SubItems()->Get(3), "1514");
    EXPECT_EQ(lv->Items()->Item(1)->SubItems()->Get(1), "info");
}

TEST_F(EditsTest, TheSelectedRowIsWrittenAtTheIndexItWasReadUnderWhateverItsKeyShows)
{
    const UISnmpVar vars[] = {
        {"1.3.6.1.6.3.18.1.1.1.1", "Index", sxDisplayStr, acNotAccess | acImplied},
        {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", sxDisplayStr, acReadWrite},
        {nullptr},
    };
    Use(0, OddCommunityRows(), vars);
    auto* key = NewEdit();
    auto* name = NewEdit();
    r->BindListView(lv, true);
    r->AssociateFormat(0, "%s{l32}", key);
    r->AssociateFormat(1, "%s{l32}", name);
    Read();
    std::vector<std::string> keys;
    for (const Row& row : Rows()) keys.push_back(row[0]);
    ASSERT_EQ(keys, (std::vector<std::string>{"private", "pub", "pub", "public", "p,b"}));

    const std::vector<std::string> indexes = OddCommunityIndexes();
    struct Case {
        int row;
        const char* typedKey;  // null: the key as the row shows it
        std::string index;     // where the write goes
    } cases[] = {
        {1, nullptr, indexes[0]},
        {2, nullptr, indexes[1]},  // not the "pub" its key shows
        {4, nullptr, indexes[2]},
        {2, "public", "112.117.98.108.105.99"},  // a key the operator changed names its own row
    };
    size_t requests = Log(6).size();
    for (const Case& c : cases) {
        lv->SetSelected(lv->Items()->Item(c.row));
        if (c.typedKey) key->SetText(c.typedKey);
        name->SetText("ops");
        r->Set(false, true);
        auto log = Log(++requests);
        ASSERT_EQ(log.size(), requests);
        EXPECT_EQ(OidsOf(log.back()), (std::vector<std::string>{std::string(CommunityEntry()) + ".3." + c.index}))
            << c.row;
    }
}

TEST_F(EditsTest, AWriteLeavesOutWhatNeitherTheRowNorAControlGave)
{
    // Scalars: only the associated variable goes out, not the other as empty text.
    Start({}, 1, false);
    const UISnmpVar system[] = {
        {"1.3.6.1.2.1.1.5", "Name", sxDisplayStr, acReadWrite},
        {"1.3.6.1.2.1.1.6", "Location", sxDisplayStr, acReadWrite},
        {"1.3.6.1.4.1.171.12.12.1", "Log State", sxInteger, acReadWrite, &StateOptions()},
        {nullptr},
    };
    QzSNMPRequest2Edits scalars(form);
    scalars.Request.varList = QzSNMPVarList(system, SVT_SV, 0);
    scalars.Mode = 0;
    auto* location = NewEdit();
    scalars.AssociateFormat(1, "%s{l32}", location);
    scalars.Get();
    location->SetText("rack 7");
    scalars.Set(false, true);
    auto log = Log(2);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(OidsOf(log[1]), (std::vector<std::string>{"1.3.6.1.2.1.1.6.0"}));
    EXPECT_EQ(log[1].varbinds[0].value, "rack 7");
    // The flags that left them out are gone again.
    EXPECT_EQ(scalars.Request.varList.Items(0).access, acReadWrite);
    EXPECT_EQ(scalars.Request.varList.Items(2).access, acReadWrite);

    // A value the form sets after the preparation goes out (the status of a delete).
    scalars.PrepareSet();
    *scalars.Request.varList.Items(2).value = "disabled";
    scalars.Set(false, false);
    EXPECT_EQ(OidsOf(Log(3)[2]), (std::vector<std::string>{"1.3.6.1.2.1.1.6.0", "1.3.6.1.4.1.171.12.12.1.0"}));
    // An edit emptied by the operator is a value: the empty text.
    location->SetText("");
    scalars.Set(false, true);
    EXPECT_EQ(OidsOf(Log(4)[3]), (std::vector<std::string>{"1.3.6.1.2.1.1.6.0"}));
    EXPECT_EQ(Log(4)[3].varbinds[0].value, "");
    // An explicit item list is the caller's choice.
    scalars.Set(false, true, "0,1");
    EXPECT_EQ(OidsOf(Log(5)[4]), (std::vector<std::string>{"1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.1.6.0"}));
}

TEST_F(EditsTest, ARowCellWithoutAValueIsLeftOutOfTheWrite)
{
    // Row 2 has no facility: its column has ended there.
    std::vector<std::string> lines = MoreSysLogRows();
    lines.push_back("unset " + SysLogCol(4, 2));
    lines.push_back("unset " + SysLogCol(4, 3));
    Use(1, lines);
    r->BindListView(lv, false);
    Read();
    ASSERT_EQ(lv->Items()->Count(), 3);
    EXPECT_EQ(lv->Items()->Item(2)->SubItems()->Get(2), "(NOTDONE)");
    lv->SetSelected(lv->Items()->Item(2));
    r->Set(false, true);
    ASSERT_TRUE(WaitFor([&] { return !r->Busy; }));
    const SimRequest set = Log(5).back();
    EXPECT_EQ(set.kind, "SET");
    std::vector<std::string> oids;
    for (int c : {2, 3, 5, 6, 7}) oids.push_back(SysLogCol(c, 3));
    EXPECT_EQ(OidsOf(set), oids);
}

TEST_F(EditsTest, AComboBoxOrRadioGroupWithNothingSelectedGivesTheLayersError)
{
    Use(0);
    auto* severity = new TComboBox(form);
    severity->SetParent(form);
    auto* state = new TRadioGroup(form);
    state->SetParent(form);
    r->Associate(2, severity);
    r->Associate(5, state, 1);
    *r->Request.varList.Items(2).value = "(NULL)";
    *r->Request.varList.Items(5).value = "enabled";
    r->ValuesToControls(-1);
    EXPECT_EQ(severity->ItemIndex(), -1);
    AnsiString text;
    EXPECT_EQ(RaisedCode([&] { r->ControlsToValues(2); }, &text), -518);
    EXPECT_EQ(text, "(QzSNMP++) Bad value of the associated SNMP variable's (partial) data!");
    r->ControlsToValues(5);
    EXPECT_EQ(*r->Request.varList.Items(5).value, "enabled");
    state->SetItemIndex(-1);
    EXPECT_EQ(RaisedCode([&] { r->ControlsToValues(5); }), -518);
    EXPECT_EQ(RaisedCode([&] { r->Set(false, true); }), -518);
    EXPECT_TRUE(NoRequests());
}

TEST_F(EditsTest, AssociationErrors)
{
    Use(0);
    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    auto* group = new TRadioGroup(form);
    group->SetParent(form);
    AnsiString text;
    // No option list in force.
    EXPECT_EQ(RaisedCode([&] { r->Associate(4, combo); }, &text), -520);
    EXPECT_EQ(text, "(QzSNMP++) No reference option list for a SNMP variable's (partial) data associating with a "
                    "optional visual control!");
    EXPECT_EQ(RaisedCode([&] { r->Associate(4, group, 1); }), -520);
    // A part has no option list of its own variable's.
    EXPECT_EQ(RaisedCode([&] { r->AssociatePart(2, 3, sxUInt8, nullptr, combo); }), -520);
    // A list of key prefixes needs a second control.
    static const QzOptionTextEntry kPrefix[] = {{"1.3.6.1.2.1", "mib-2"}, {nullptr, nullptr}};
    static QzOptionList prefixes(kPrefix, QzOptionList::TextPrefix);
    EXPECT_EQ(RaisedCode([&] { r->AssociatePart(2, 0, sxInteger, &prefixes, combo); }), -522);
    EXPECT_EQ(combo->Items()->Count(), 1);  // filled before the check
    // Fewer edits than conversions; a bad specifier leaves no rules behind.
    auto* a = NewEdit();
    auto* b = NewEdit();
    EXPECT_EQ(RaisedCode([&] { r->AssociateFormat(1, "%u.%u.%u.%u", a, b); }), -522);
    EXPECT_EQ(RaisedCode([&] { r->AssociateFormat(1, "no conversion", a, b); }), -522);
    EXPECT_EQ(RaisedCode([&] { r->AssociateFormat(1, "%u%u{q5}", a, b); }), -2);
    EXPECT_EQ(r->Constraint()->Records()->Count(), 0);
    // A variable that the list does not have.
    EXPECT_THROW(r->Associate(7, combo), EListError);
    EXPECT_EQ(r->AssociationCount(), 0);
}

TEST_F(EditsTest, FormatsTakeOneEditPerConversion)
{
    Use(0);
    std::vector<TEdit*> e;
    for (int k = 0; k < 5; ++k) e.push_back(NewEdit());
    r->AssociateFormat(1, "%u{n0x255}%u{n0x255}%u{n0x255}%u{n0x255}", e[0], e[1], e[2], e[3], e[4]);
    ASSERT_EQ(r->AssociationCount(), 1);
    EXPECT_EQ(r->Association(0).count, 4);
    EXPECT_EQ(r->Constraint()->Records()->Count(), 4);
    EXPECT_EQ(r->Association(0).controls[3], e[3]);
    r->AssociateFormat(4, "%i{n0x100}", e[4]);
    EXPECT_EQ(r->Association(1).count, 1);
    EXPECT_EQ(r->Association(1).syntax, sxInteger);

    // Bit maps: bit numbers 0, 1 and 8.
    std::vector<TCheckBox*> boxes;
    TList list;
    for (int k = 0; k < 3; ++k) {
        boxes.push_back(new TCheckBox(form));
        list.Add(boxes.back());
    }
    r->AssociateIndexList(3, "0,1,8", &list);
    EXPECT_EQ(r->Association(2).bitIndexes, (std::vector<int>{0, 1, 8}));
    EXPECT_EQ(r->Association(2).controls[2], boxes[2]);
    TList shortList;
    shortList.Add(boxes[0]);
    EXPECT_THROW(r->AssociateIndexList(3, "0,1", &shortList), EListError);
    EXPECT_EQ(r->AssociationCount(), 3);
}

TEST_F(EditsTest, RemovingAssociationsGivesTheControlsBackTheirHandlers)
{
    Use(0);
    FormHandlers h;
    auto* box = new TCheckBox(form);
    auto* combo = new TComboBox(form);
    auto* edit = NewEdit();
    const TNotifyEvent onClick(&h, &FormHandlers::Click);
    const TNotifyEvent onChange(&h, &FormHandlers::Change);
    const TNotifyEvent onEdit(&h, &FormHandlers::Edit);
    const TLVSelectItemEvent onSelect(&h, &FormHandlers::Select);
    box->OnClick = onClick;
    combo->OnChange = onChange;
    edit->OnChange = onEdit;
    lv->OnSelectItem = onSelect;

    r->BindListView(lv, true);
    r->AssociateIndexList(3, "0", box);
    r->AssociateIndexList(3, "1", box);  // one box twice
    r->Associate(2, combo);
    r->AssociateFormat(4, "%u", edit);
    r->Associate(6, new TLabel(form));
    EXPECT_NE(box->OnClick, onClick);
    box->SetChecked(true);  // still reaches the form's handler, once
    EXPECT_EQ(h.clicks, 1);
    edit->SetText("5");
    EXPECT_EQ(h.edits, 1);

    r->RemoveAssociation(0);  // none: nothing changes
    EXPECT_EQ(r->AssociationCount(), 5);
    r->RemoveAssociation(3);
    EXPECT_EQ(r->AssociationCount(), 3);
    EXPECT_EQ(r->Association(0).varIndex, 2);
    EXPECT_EQ(r->Association(1).varIndex, 4);
    EXPECT_EQ(r->Association(2).varIndex, 6);
    EXPECT_EQ(box->OnClick, onClick);
    EXPECT_NE(combo->OnChange, onChange);

    // Deleting the binding leaves no control pointing at it.
    r.reset();
    EXPECT_EQ(combo->OnChange, onChange);
    EXPECT_EQ(edit->OnChange, onEdit);
    EXPECT_FALSE(edit->OnExit);
    EXPECT_EQ(lv->OnSelectItem, onSelect);
    edit->SetText("6");
    box->SetChecked(false);
    EXPECT_EQ(h.edits, 2);
    EXPECT_EQ(h.clicks, 2);
}
