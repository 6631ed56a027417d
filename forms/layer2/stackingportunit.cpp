#include "forms/layer2/stackingportunit.h"

#include "mainwindow/panelvrx6120.h"
#include "platform/ui/formresource.h"
#include "platform/ui/sysutils.h"

namespace {

// The class library's default font size, for controls whose font reports the widget default.
constexpr int kDefaultFontSize = 8;
// The class library's default check-box height.
constexpr int kCheckBoxHeight = 17;

const TResComponent kComponents[] = {
    {"TPageControl", "UnitPageControl", nullptr, 0, 0, 0, 0, alClient},
    {nullptr},
};
const TResForm kLayout = {"StackingPortUitForm", "Form", 0, 0, poDesigned, bsNone, kComponents};

}  // namespace

TStackingPortUitForm::TStackingPortUitForm(TComponent* Owner) : TForm(Owner)
{
    LoadFormResource(this, kLayout);
    SetClientWidth(543);
    SetClientHeight(252);
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(kDefaultFontSize);
    UnitPageControl = FindChild<TPageControl>(this, "UnitPageControl");
    OnCreate = TNotifyEvent(this, &TStackingPortUitForm::FormCreate);
    DoCreate();
}

TStackingPortUitForm::~TStackingPortUitForm()
{
    delete PortChecks;
    delete UnitSheets;
}

void TStackingPortUitForm::FormCreate(TObject*)
{
    PortChecks = new TList;
    UnitSheets = new TList;
}

void TStackingPortUitForm::AddUnitPage(AnsiString caption, int firstPort, int count, int perRow, int singlePage)
{
    if (singlePage) {
        UnitPageControl->SetVisible(false);
        SingleScrollBox = new TScrollBox(this);
        SingleScrollBox->SetParent(this);
        SingleScrollBox->SetAlign(alClient);
        return;
    }
    auto* sheet = new TTabSheet(this);
    UnitSheets->Add(sheet);
    sheet->SetPageControl(UnitPageControl);
    sheet->SetCaption(caption);
    auto* box = new TScrollBox(this);
    box->SetParent(sheet);
    box->SetAlign(alClient);
    // The marker file's presence alone asks for ten boxes a row; its contents are not read.
    if (FileExists("DeviceInfo.ini")) perRow = PortsPerRowFromIni(caption);
    CreatePortChecks(box, count, firstPort, perRow);
    sheet->SetTabVisible(false);
}

void TStackingPortUitForm::CreatePortChecks(TScrollBox* box, int count, int firstPort, int perRow)
{
    if (perRow <= 0) perRow = 12;
    for (int i = 0; i < count; ++i) {
        auto* check = new TCheckBox(box);
        check->SetCaption(IntToStr(i + 1));
        const int column = i % perRow;
        const int row = i / perRow;
        const int size = check->Font()->Size() > 0 ? check->Font()->Size() : kDefaultFontSize;
        check->SetLeft(5 * size * column + 20);
        check->SetWidth((check->Caption().Length() + 3) * size);
        check->SetHeight(kCheckBoxHeight);
        check->SetParent(box);
        check->SetTop(row * check->Height() + 4);
        check->SetVisible(false);
        PortChecks->Add(check);
    }
}

int TStackingPortUitForm::PortsPerRowFromIni(AnsiString) { return 10; }

void TStackingPortUitForm::ShowUnitPorts(AnsiString unitText, AnsiString modelName, int, int portCount, int)
{
    const int u = StrToInt(unitText);
    if (u < 1 || u > UnitSheets->Count()) ListIndexError(u - 1);
    auto* sheet = static_cast<TTabSheet*>(UnitSheets->Get(u - 1));
    sheet->SetTabVisible(true);
    sheet->SetCaption(sheet->Caption() + " " + modelName);
    sheet->SetTabVisible(false);
    sheet->SetVisible(true);
    UnitPageControl->SetActivePage(sheet);
    const int first = (u - 1) * 64;
    for (int k = first; k < first + portCount && k < PortChecks->Count(); ++k)
        static_cast<TCheckBox*>(PortChecks->Get(k))->SetVisible(true);
}

void TStackingPortUitForm::ClearChecks()
{
    for (int k = 0; k < PortChecks->Count(); ++k) static_cast<TCheckBox*>(PortChecks->Get(k))->SetChecked(false);
}

TCheckBox* TStackingPortUitForm::PortCheck(int k) const
{
    return k >= 0 && k < PortChecks->Count() ? static_cast<TCheckBox*>(PortChecks->Get(k)) : nullptr;
}

AnsiString PortIndexList(int count)
{
    AnsiString list;
    for (int k = 0; k < count; ++k) list += (k ? "," : "") + IntToStr(k);
    return list;
}

TStackingPortUitForm* CreatePortPage(TForm* owner, TWinControl* container, int units)
{
    auto* page = new TStackingPortUitForm(owner);
    page->SetParent(container);
    page->SetAlign(alClient);
    page->Show();
    for (int u = 1; u <= units; ++u) page->AddUnitPage("Unit" + IntToStr(u), (u - 1) * 64 + 1, 64, 12, 0);
    page->ShowUnitPorts("1", "VRX-6120", 1, PortCountForModel("VRX-6120"), 12);
    return page;
}
