// The button column, the message strip and the list-view panel of the generated forms.
#include "configform/guigenerator.h"

#include "platform/ui/sysutils.h"
#include "platform/ui/uilog.h"
#include "snmpvars/qzsnmprequest2edits.h"

namespace {

// A button's picture, when its file lies in the current directory; the button then shows
// the picture alone. A file that is no picture leaves the caption.
void LoadGlyph(TBitBtn* button, const char* fileName)
{
    AnsiString path = GetCurrentDir() + "/" + fileName;
    if (!FileExists(path)) {
        qCDebug(lcUi) << "glyph file" << path.c_str() << "not found; the button keeps its caption";
        return;
    }
    try {
        button->Glyph()->LoadFromFile(path);
    } catch (const Exception& e) {
        qCDebug(lcUi) << "glyph file" << path.c_str() << "not loaded:" << e.Message.c_str();
        return;
    }
    button->SetCaption("");
}

}  // namespace

// ---- TCtrlBtnPanel ----

TCtrlBtnPanel::TCtrlBtnPanel(TComponent* Owner) : TPanel(Owner), Arrangement(new TList)
{
    CountBox = new TStaticText(this);
    CountBox->SetParent(this);
    CountBox->SetAlignment(taCenter);
    // Sized to a line of text inside its sunken frame before its size is fixed.
    CountBox->SetBorderStyle(sbsSunken);
    CountBox->SetCaption("0");
    CountBox->SetAutoSize(false);

    SamplesLabel = new TLabel(this);
    SamplesLabel->SetParent(this);
    SamplesLabel->SetAutoSize(false);
    SamplesLabel->SetAlignment(taCenter);
    SamplesLabel->SetCaption("Samples");

    auto button = [this](const char* caption) {
        auto* b = new TBitBtn(this);
        b->SetCaption(caption);
        return b;
    };
    RefreshBtn = button("Refresh");
    EditBtn = button("Edit");
    SetCheckedBtn = button("Set Checked");
    AddBtn = button("Add");
    DeleteBtn = button("Delete");
    CheckAllBtn = button("Check All");
    ClearChecksBtn = button("Clear Checks");
    CloseBtn = button("Close");
    SamplesLabel->SetWidth(RefreshBtn->Width());
    CountBox->SetWidth(RefreshBtn->Width());

    // The order they join the panel is their tab order.
    for (TBitBtn* b : {CheckAllBtn, ClearChecksBtn, RefreshBtn, EditBtn, SetCheckedBtn, AddBtn, DeleteBtn, CloseBtn})
        b->SetParent(this);

    const struct {
        TBitBtn* button;
        const char* file;
    } glyphs[] = {
        {RefreshBtn, "Get.bmp"},          {EditBtn, "Set.bmp"},       {SetCheckedBtn, "SetCheck.bmp"},
        {AddBtn, "Add.bmp"},              {DeleteBtn, "Delete.bmp"},  {CheckAllBtn, "SelectAll.bmp"},
        {ClearChecksBtn, "SelectNone.bmp"}, {CloseBtn, "Close.bmp"},
    };
    for (const auto& g : glyphs) LoadGlyph(g.button, g.file);

    for (TControl* c : std::initializer_list<TControl*>{CountBox, SamplesLabel, RefreshBtn, EditBtn, SetCheckedBtn,
                                                        AddBtn, DeleteBtn, CheckAllBtn, ClearChecksBtn, CloseBtn})
        Arrangement->Add(c);

    LeftMargin = 10;
    TopMargin = 10;
    AddBtn->Hide();
    DeleteBtn->Hide();
    ArrangeButtons();
    SetWidth(2 * LeftMargin + RefreshBtn->Width());
    if (auto* parent = dynamic_cast<TWinControl*>(Owner)) SetParent(parent);
    SetAlign(alRight);
}

TCtrlBtnPanel::~TCtrlBtnPanel() { delete Arrangement; }

void TCtrlBtnPanel::ArrangeButtons()
{
    int line = TopMargin;
    for (int i = 0; i < Arrangement->Count(); ++i) {
        auto* c = static_cast<TControl*>(Arrangement->Get(i));
        c->SetBounds(LeftMargin, line, 96, c->Height());
        if (c->Visible()) line = c->Top() + c->Height() + 5;
    }
}

int TCtrlBtnPanel::ArrangedHeight() const
{
    int bottom = 0;
    for (int i = 0; i < Arrangement->Count(); ++i) {
        auto* c = static_cast<TControl*>(Arrangement->Get(i));
        if (c->Visible()) bottom = std::max(bottom, c->Top() + c->Height());
    }
    return bottom + TopMargin;
}

// ---- TMsgPanel ----

TMsgPanel::TMsgPanel(TComponent* Owner) : TPanel(Owner)
{
    SetHeight(50);
    Memo = new TMemo(this);
    Memo->SetParent(this);
    Memo->SetScrollBars(ssVertical);
    Memo->SetAlign(alClient);
    if (auto* parent = dynamic_cast<TWinControl*>(Owner)) SetParent(parent);
}

// ---- TListViewPanel ----

TListViewPanel::TListViewPanel(TComponent* Owner, QzSNMPRequest2Edits* request) : TPanel(Owner)
{
    ListView = new TListView(this);
    ListView->SetParent(this);
    request->BindListView(ListView, false);
    if (auto* parent = dynamic_cast<TWinControl*>(Owner)) SetParent(parent);
    SetAlign(alNone);
    int width = 2 * ListView->BorderWidth();
    for (int c = 0; c < ListView->Columns()->Count(); ++c)
        width += ListView->Columns()->Items(c)->Caption().Length() * 8;
    SetWidth(std::min(width, 450));
    SetHeight(350);
    ListView->SetAlign(alClient);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons)
{
    buttons->SamplesLabel->Show();
    buttons->CountBox->Show();
    buttons->RefreshBtn->Show();
    buttons->EditBtn->Show();
    buttons->EditBtn->SetEnabled(false);
    buttons->DeleteBtn->SetEnabled(false);
    buttons->SetCheckedBtn->Hide();
    buttons->AddBtn->SetVisible(AddStatusColumn != -1);
    buttons->DeleteBtn->SetVisible(DeleteStatusColumn != -1);
    buttons->CheckAllBtn->Hide();
    buttons->ClearChecksBtn->Hide();
    buttons->CloseBtn->Show();
    buttons->ArrangeButtons();
}
