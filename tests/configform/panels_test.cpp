// The generator's panels on their own: button glyphs, row layout and row operations, variable
// formats, list-view sizes and the guards against misuse.
#include <QDir>
#include <QImage>
#include <cstdlib>
#include <unistd.h>

#include "tests/configform/configformfixture.h"

namespace {

const UISnmpVar kShort[] = {
    {"1.3.6.1.4.1.99999.4.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.99999.4.1.2", "Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.99999.4.1.3", "Mode", sxInteger, acReadWrite},
    {nullptr},
};

const UISnmpVar kHiddenMiddle[] = {
    {"1.3.6.1.4.1.99999.5.1", "First value", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.99999.5.2", "Kept out of sight", sxInteger, acReadWrite | acHidden},
    {"1.3.6.1.4.1.99999.5.3", "Third", sxDisplayStr, acReadWrite},
    {nullptr},
};

// A form with a request over a table, for panels made by the test itself.
class PanelsTest : public ConfigFormTest {
protected:
    void SetUp() override
    {
        host = new TForm(nullptr);
        host->SetBounds(0, 0, 700, 500);
        r = std::make_unique<QzSNMPRequest2Edits>(host);
    }
    void TearDown() override
    {
        r.reset();
        delete host;
        ConfigFormTest::TearDown();
    }
    void Use(const UISnmpVar* vars, unsigned char listType = SVT_SV, int keys = 0)
    {
        r->Request.varList = QzSNMPVarList(vars, listType, keys);
    }
    TForm* host = nullptr;
    std::unique_ptr<QzSNMPRequest2Edits> r;
};

void WriteBitmap(const std::string& path)
{
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(QString::fromStdString(path), "BMP"));
}

class CurrentDir {
public:
    explicit CurrentDir(const std::string& dir)
    {
        char buf[4096];
        old_ = getcwd(buf, sizeof buf) ? buf : ".";
        EXPECT_EQ(chdir(dir.c_str()), 0);
    }
    ~CurrentDir() { EXPECT_EQ(chdir(old_.c_str()), 0); }

private:
    std::string old_;
};

}  // namespace

TEST_F(PanelsTest, TheRowCounterShowsItsDigitsWhole)
{
    TCtrlBtnPanel p(host);
    p.CountBox->SetCaption("1024");
    TStaticText* box = p.CountBox;
    // The sunken frame leaves room for a full line of text, and the label below starts after it.
    EXPECT_GE(box->contentsRect().height(), box->fontMetrics().height());
    EXPECT_GE(box->contentsRect().width(), box->fontMetrics().horizontalAdvance("1024"));
    EXPECT_GE(p.SamplesLabel->Top(), box->Top() + box->Height());
    EXPECT_GE(p.SamplesLabel->Height(), p.SamplesLabel->fontMetrics().height());
    EXPECT_GE(p.RefreshBtn->Top(), p.SamplesLabel->Top() + p.SamplesLabel->Height());

    const char* buildDir = std::getenv("VRX_BUILD_DIR");
    const QString dirName = QString(buildDir && *buildDir ? buildDir : VRX_BUILD_DIR) + "/screenshots";
    ASSERT_TRUE(QDir().mkpath(dirName));
    EXPECT_TRUE(p.grab().save(dirName + "/configform-counter.png", "PNG"));
}

TEST_F(PanelsTest, ButtonsShowTheGlyphFilesOfTheCurrentDirectory)
{
    TempDir dir;
    const char* files[] = {"Get.bmp", "Set.bmp", "SetCheck.bmp", "Add.bmp", "Delete.bmp", "SelectAll.bmp",
                           "SelectNone.bmp", "Close.bmp"};
    CurrentDir cd(dir.Path());
    {
        TCtrlBtnPanel p(host);
        std::vector<TBitBtn*> all = {p.RefreshBtn, p.EditBtn, p.SetCheckedBtn, p.AddBtn,
                                     p.DeleteBtn,  p.CheckAllBtn, p.ClearChecksBtn, p.CloseBtn};
        const char* captions[] = {"Refresh", "Edit", "Set Checked", "Add", "Delete", "Check All", "Clear Checks", "Close"};
        for (size_t k = 0; k < all.size(); ++k) {
            EXPECT_EQ(all[k]->Caption(), captions[k]);
            EXPECT_TRUE(all[k]->Glyph()->Empty());
        }
        EXPECT_EQ(p.Width(), 116);
        EXPECT_EQ(p.Align(), alRight);
        EXPECT_FALSE(p.AddBtn->Visible());
        EXPECT_FALSE(p.DeleteBtn->Visible());
        EXPECT_EQ(p.CountBox->Caption(), "0");
        EXPECT_EQ(p.SamplesLabel->Caption(), "Samples");
    }
    for (const char* f : files) WriteBitmap(dir.File(f));
    dir.Write("Close.bmp", "not a picture");  // keeps its caption
    TCtrlBtnPanel p(host);
    for (TBitBtn* b : {p.RefreshBtn, p.EditBtn, p.SetCheckedBtn, p.AddBtn, p.DeleteBtn, p.CheckAllBtn, p.ClearChecksBtn}) {
        EXPECT_EQ(b->Caption(), "");
        EXPECT_EQ(b->Glyph()->Width(), 16);
    }
    EXPECT_EQ(p.CloseBtn->Caption(), "Close");
    EXPECT_TRUE(p.CloseBtn->Glyph()->Empty());
}

TEST_F(PanelsTest, ButtonsStackWithoutRoomForHiddenOnes)
{
    TCtrlBtnPanel p(host);
    p.EditBtn->Hide();
    p.ArrangeButtons();
    int line = 10;
    for (int i = 0; i < p.Arrangement->Count(); ++i) {
        auto* c = static_cast<TControl*>(p.Arrangement->Get(i));
        EXPECT_EQ(c->Left(), 10);
        EXPECT_EQ(c->Width(), 96);
        EXPECT_EQ(c->Top(), line);
        if (c->Visible()) line += c->Height() + 5;
    }
    EXPECT_EQ(p.ArrangedHeight(), line - 5 + 10);
}

TEST_F(PanelsTest, RowsOfEachKindOfVariable)
{
    Agent();
    Make("NetworkTime1");
    TEditsPanel* e = editor->EditsPanel;
    ASSERT_EQ(e->RowCount(), 5);
    const int kinds[] = {rkList, rkReadOnlyList, rkText, rkText, rkText};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(e->Row(i).Kind, kinds[i]);
        EXPECT_EQ(e->Row(i).Format, "%s");
        EXPECT_EQ(e->Row(i).Label->Caption(), request->Request.varList.Items(i).label);
        EXPECT_EQ(e->Row(i).Input->Tag(), i);
        EXPECT_EQ(e->Row(i).Check->Tag(), i);
        EXPECT_EQ(e->Row(i).Check->Width(), 20);
        EXPECT_EQ(e->Row(i).Input->Parent(), e->ScrollBox());
        EXPECT_EQ(e->Row(i).Input->Width(), 121);
    }
    EXPECT_EQ(ComboOf(0)->Style(), csDropDownList);
    EXPECT_EQ(ItemsOf(ComboOf(0)), (std::vector<std::string>{"disabled", "enabled"}));
    // A read-only row: read-only colours, no tab stop, no check box.
    EXPECT_TRUE(EditOf(1)->ReadOnly());
    EXPECT_FALSE(EditOf(1)->TabStop());
    EXPECT_EQ(EditOf(1)->Color(), clBtnFace);
    EXPECT_EQ(EditOf(1)->Font()->Color(), clBlack);
    EXPECT_FALSE(e->RowCheck(1)->Visible());
    EXPECT_EQ(EditOf(2)->Color(), clWhite);
    EXPECT_TRUE(EditOf(2)->TabStop());
    // Vertical rows: inputs line up behind the widest label; the panel takes their extent.
    e->ArrangeRows(2, true);
    int widest = 0;
    for (int i = 0; i < 5; ++i) widest = std::max(widest, e->Row(i).Label->Width());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(e->Row(i).Input->Left(), widest + 45 + 5);
    EXPECT_EQ(e->Row(0).Input->Top(), 20);
    EXPECT_EQ(e->Row(1).Input->Top(), 20 + e->Row(1).Input->Height() + 5);
    EXPECT_EQ(e->Align(), alNone);
    EXPECT_EQ(e->Width(), widest + 50 + 121 + 40);
    EXPECT_EQ(e->Height(), e->Row(4).Input->Top() + e->Row(4).Input->Height() + 40);

    // A wider edit re-fits panel and form.
    const int formWidth = form->ClientWidth();
    editor->SetEditWidth(200);
    EXPECT_EQ(EditOf(2)->Width(), 200);
    EXPECT_EQ(editor->Width(), std::max(formWidth, widest + 50 + 200 + 40 + 116 + editor->RightSplitter->Width() + 3));
    EXPECT_EQ(form->ClientWidth(), editor->Width());
}

TEST_F(PanelsTest, HiddenRowsTakeNoRoom)
{
    Use(kHiddenMiddle);
    TEditsPanel e(host, r.get());
    EXPECT_FALSE(e.RowInput(1)->Visible());
    EXPECT_FALSE(e.RowCheck(1)->Visible());
    EXPECT_FALSE(e.Row(1).Label->Visible());
    EXPECT_EQ(e.RowInput(2)->Top(), 20 + e.RowInput(2)->Height() + 5);
    EXPECT_EQ(e.Height(), e.RowInput(2)->Top() + e.RowInput(2)->Height() + 40);

    e.ShowRow(1);
    EXPECT_EQ(r->Request.varList.Items(1).access & acHidden, 0);
    e.ArrangeRows(2, true);
    EXPECT_GT(e.RowInput(2)->Top(), e.RowInput(1)->Top());
    e.HideRow(0);
    EXPECT_NE(r->Request.varList.Items(0).access & acHidden, 0);
    e.ArrangeRows(2, true);
    EXPECT_EQ(e.RowInput(1)->Top(), 20);

    // One line: every row at the same height, each right of the one before.
    e.ArrangeRows(1, true);
    EXPECT_EQ(e.RowInput(1)->Top(), 20);
    EXPECT_EQ(e.RowInput(2)->Top(), 20);
    EXPECT_EQ(e.RowCheck(1)->Left(), 5);
    EXPECT_EQ(e.RowCheck(2)->Left(), e.RowInput(1)->Left() + e.RowInput(1)->Width() + 5);
    EXPECT_EQ(e.Width(), e.RowInput(2)->Left() + e.RowInput(2)->Width() + 40);
    // Other modes move nothing.
    const int left = e.RowInput(2)->Left();
    e.ArrangeRows(3, true);
    EXPECT_EQ(e.RowInput(2)->Left(), left);
}

TEST_F(PanelsTest, RowOperationsCheckTheirIndex)
{
    Use(kShort, MVT_FMV, 1);
    TEditsPanel e(host, r.get());
    const std::vector<std::pair<const char*, std::function<void(int)>>> ops = {
        {"DisableRow", [&](int i) { e.DisableRow(i); }}, {"EnableRow", [&](int i) { e.EnableRow(i); }},
        {"HideRow", [&](int i) { e.HideRow(i); }},       {"ShowRow", [&](int i) { e.ShowRow(i); }},
        {"UncheckRow", [&](int i) { e.UncheckRow(i); }}, {"ClearRow", [&](int i) { e.ClearRow(i); }},
        {"SetRowText", [&](int i) { e.SetRowText(i, "7"); }},
        {"IsRowEmpty", [&](int i) { EXPECT_TRUE(e.IsRowEmpty(i)); }},
    };
    for (const auto& op : ops) {
        for (int i : {3, 99, -1}) {
            SCOPED_TRACE(std::string(op.first) + " " + std::to_string(i));
            boxes.Clear();
            op.second(i);
            ASSERT_EQ(boxes.Boxes().size(), 1u);
            EXPECT_EQ(boxes.Boxes()[0].text, "aIdx is overtop!\n you may define < 3");
        }
    }
    // Nothing changed.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(r->Request.varList.Items(i).access & acHidden, 0);
    EXPECT_TRUE(e.RowCheck(1)->Visible());
}

TEST_F(PanelsTest, RowStatesTextsAndEmptiness)
{
    Use(kShort, MVT_FMV, 1);
    TEditsPanel e(host, r.get());
    // The key row is disabled like a read-only one; the others are enabled.
    auto* key = dynamic_cast<TEdit*>(e.RowInput(0));
    EXPECT_TRUE(key->ReadOnly());
    EXPECT_FALSE(e.RowCheck(0)->Visible());
    e.ResetRowStates(true);
    EXPECT_TRUE(e.DefaultChecked());
    EXPECT_TRUE(e.RowCheck(1)->Checked());
    EXPECT_FALSE(e.RowCheck(0)->Checked());
    e.EnableRow(0);
    EXPECT_FALSE(key->ReadOnly());
    EXPECT_TRUE(e.RowCheck(0)->Checked());
    e.UncheckRow(1);
    EXPECT_FALSE(e.RowCheck(1)->Checked());

    e.SetRowText(1, "24");
    EXPECT_EQ(dynamic_cast<TEdit*>(e.RowInput(1))->Text(), "24");
    EXPECT_EQ(*r->Request.varList.Items(1).value, "24");
    EXPECT_FALSE(e.IsRowEmpty(1));
    e.ClearRow(1);
    EXPECT_TRUE(e.IsRowEmpty(1));
    EXPECT_EQ(*r->Request.varList.Items(1).value, "");

    Agent();
    Make("NetworkTime1");
    TEditsPanel* n = editor->EditsPanel;
    n->SetRowText(0, "enabled");
    EXPECT_EQ(ComboOf(0)->ItemIndex(), 1);
    n->SetRowText(0, "sometimes");  // not in the list: no selection, the text is kept
    EXPECT_EQ(ComboOf(0)->ItemIndex(), -1);
    EXPECT_TRUE(n->IsRowEmpty(0));
    EXPECT_EQ(*request->Request.varList.Items(0).value, "sometimes");
    n->SetRowText(0, "disabled");
    n->ClearRows();
    EXPECT_EQ(ComboOf(0)->ItemIndex(), -1);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(n->IsRowEmpty(i)) << i;
    n->DisableRow(0);
    EXPECT_FALSE(ComboOf(0)->Enabled());
    EXPECT_EQ(ComboOf(0)->Color(), clBtnFace);
    n->EnableRow(0);
    EXPECT_TRUE(ComboOf(0)->Enabled());
    EXPECT_EQ(ComboOf(0)->Color(), clWhite);
}

TEST_F(PanelsTest, VariableFormatsOnlyForEdits)
{
    Agent();
    Make("NetworkTime1");
    struct Case {
        int index;
        const char* error;
    } cases[] = {
        {0, "Can not set Var format to a ComboBox!"},
        {1, "Unknow UI Control type!"},
        {9, "Unknow UI Control type!"},
    };
    for (const Case& c : cases) {
        try {
            editor->SetVarFormat(c.index, "%s{l16}");
            ADD_FAILURE() << c.index;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, c.error);
        }
    }
    // The associations of those variables are gone either way.
    for (int k = 0; k < request->AssociationCount(); ++k) {
        EXPECT_NE(request->Association(k).varIndex, 0);
        EXPECT_NE(request->Association(k).varIndex, 1);
    }
    editor->SetVarFormat(4, "%i{n30x99999}");
    EXPECT_EQ(editor->EditsPanel->Row(4).Format, "%i{n30x99999}");
    int found = 0;
    for (int k = 0; k < request->AssociationCount(); ++k)
        if (request->Association(k).varIndex == 4) ++found;
    EXPECT_EQ(found, 1);
    EXPECT_EQ(boxes.Boxes().size(), 0u);
}

TEST_F(PanelsTest, ListViewPanelSize)
{
    Use(kShort, MVT_FMV, 1);
    TListViewPanel small(host, r.get());
    EXPECT_EQ(small.ListView->Columns()->Count(), 3);
    EXPECT_EQ(small.Width(), (5 + 4 + 4) * 8);
    EXPECT_EQ(small.Height(), 350);
    EXPECT_EQ(small.ListView->Align(), alClient);
    EXPECT_EQ(small.AddStatusColumn, -1);
    EXPECT_EQ(small.DeleteStatusColumn, -1);

    QzSNMPRequest2Edits big(host);
    big.Request.varList = QzSNMPVarList(FindMibCommand("SystemLogServerTable1")->table, MVT_UMV, 1);
    TListViewPanel wide(host, &big);
    EXPECT_EQ(wide.Width(), 450);
    EXPECT_EQ(wide.Height(), 350);
}

TEST_F(PanelsTest, MisuseIsReported)
{
    TEditsPanel noRequest(host, nullptr);
    TCtrlBtnPanel buttons(host);
    try {
        noRequest.ArrangeCtrlBtn(&buttons);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    }
    Use(kShort);
    TSNMPPanel unattached(host, nullptr, r.get());
    unattached.CloseBtnClick(unattached.BtnPanel->CloseBtn);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Please initial close form");
}

TEST_F(PanelsTest, ATableWithNothingToEditHasNoEditButtonButDoubleClickStillOpensTheRow)
{
    Agent();
    Make("FanTable1");
    Run([&] {
        EXPECT_FALSE(table->BtnPanel->EditBtn->Visible());
        ASSERT_EQ(ListView()->Items()->Count(), 2);
        EXPECT_EQ(Row(1)->SubItems()->Get(1), "working");
        std::vector<std::string> pageButtons;
        OnPage([&](TSNMPPanel* page) {
            for (TBitBtn* b : {page->BtnPanel->RefreshBtn, page->BtnPanel->SetCheckedBtn, page->BtnPanel->CloseBtn})
                if (b->Visible()) pageButtons.push_back(b->Caption().std());
        });
        DoubleClickRow(1);
        EXPECT_EQ(pageButtons, std::vector<std::string>{"Close"});
    });
    EXPECT_TRUE(boxes.Boxes().empty());
}
