#include "forms/layer2/summertime.h"

#include "mib/configsnoopingforms.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

namespace {

const TResComponent kComponents[] = {{nullptr}};
const TResForm kLayout = {"SummerTimeForm", "Summer Time", 400, 300, poMainFormCenter, bsSizeable, kComponents};

enum { kStatus, kOffset, kRepeatStart, kRepeatEnd, kAnnualStart, kAnnualEnd, kVars };

const char kTimeError[] = "Time error.";
const char kSameMonth[] = "From month and To month should not be the same.";

// Days of a month; February has 28 in every year. Day 0 is no day of any month.
bool IsDayInMonth(int day, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 && day >= 1 && day <= days[month - 1];
}

int Number(TControl* c) { return StrToIntDef(static_cast<TEdit*>(c)->Text(), -1); }
int Chosen(TControl* c) { return static_cast<TComboBox*>(c)->ItemIndex(); }
TControl* Part(TCtrlsList* row, int k) { return static_cast<TControl*>(row->Get(k)); }

void SetInvalid(QzSNMPVarList& list, int i, bool invalid)
{
    if (invalid) list.Items(i).access |= acInvalid;
    else list.Items(i).access &= ~acInvalid;
}

}  // namespace

TSummerTimeForm::TSummerTimeForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout, fscNone)
{
    for (TCtrlsList*& list : RepeatRows) list = new TCtrlsList;
    for (TCtrlsList*& list : AnnualRows) list = new TCtrlsList;

    Request = NewRequest(swSummerTimeEntry, SVT_SV, 0);
    Request->Mode = 0;

    EditorPanel = new TSNMPEditorPanel(this, Request);
    EditorPanel->AttachToForm(this);
    EditorPanel->SetEditWidth(240);
    EditorPanel->SetVarFormat(kOffset, "%i{n30x120l3}");

    TEditsPanel* rows = EditorPanel->EditsPanel;
    for (int i = kRepeatStart; i <= kAnnualEnd; ++i) {
        auto* panel = new TPanel(this);
        panel->SetBevelInner(bvNone);
        panel->SetBevelOuter(bvNone);
        panel->SetShowCaption(false);  // its "-" only tells Set Checked the row is filled
        RowList(i)->Add(static_cast<TControl*>(panel));  // entries are TControl*
        rows->ReplaceRowInput(i, panel);
    }
    BuildRepeatingRow(kRepeatStart);
    BuildRepeatingRow(kRepeatEnd);
    BuildAnnualRow(kAnnualStart);
    BuildAnnualRow(kAnnualEnd);

    TCtrlBtnPanel* buttons = EditorPanel->BtnPanel;
    buttons->RefreshBtn->OnClick = TNotifyEvent(this, &TSummerTimeForm::RefreshClick);
    PanelSetCheckedClick = buttons->SetCheckedBtn->OnClick;
    buttons->SetCheckedBtn->OnClick = TNotifyEvent(this, &TSummerTimeForm::SetCheckedClick);
    // Another mode shows its rows only after the next Refresh has read it.
    StatusBox()->OnChange = TNotifyEvent(this, &TSummerTimeForm::StatusChange);

    SetClientWidth(EditorPanel->Width());
    SetClientHeight(EditorPanel->Height());
    rows->SetRowText(kStatus, "repeating");
    ShowSummerTimeRows();
    rows->ArrangeRows(2, true);
    EditorPanel->SetContent(rows);
    SetClientWidth(EditorPanel->Width());
    SetClientHeight(EditorPanel->Height());

    OnClose = TCloseEvent(this, &TSummerTimeForm::FormClose);
    RefreshClick(nullptr);
}

TSummerTimeForm::~TSummerTimeForm()
{
    for (TCtrlsList*& list : RepeatRows) delete list;
    for (TCtrlsList*& list : AnnualRows) delete list;
}

TCtrlsList* TSummerTimeForm::RowList(int row) const
{
    return row <= kRepeatEnd ? RepeatRows[row - kRepeatStart] : AnnualRows[row - kAnnualStart];
}

TComboBox* TSummerTimeForm::StatusBox() const
{
    return static_cast<TComboBox*>(EditorPanel->EditsPanel->RowInput(kStatus));
}

AnsiString TSummerTimeForm::StatusText() const { return StatusBox()->Text(); }

// Month, week and weekday lists, then hour and minute edits, each a fifth of the row.
void TSummerTimeForm::BuildRepeatingRow(int row)
{
    TCtrlsList* list = RowList(row);
    auto* panel = static_cast<TPanel*>(Part(list, 0));
    const int w = panel->Width();
    const int h = panel->Height();
    struct {
        int offset, syntax;
        QzOptionList* options;
    } const lists[] = {
        {3, sxUInt8, &summerTimeMonthOptions},
        {0, sxUInt8, &summerTimeWeekOptions},
        {1, sxUInt16, &summerTimeWeekdayOptions},
    };
    for (int j = 0; j < 3; ++j) {
        auto* box = new TComboBox(panel);
        box->SetParent(panel);
        box->SetBounds(w * j / 5, 0, w / 5, h);
        Request->AssociatePart(row, lists[j].offset, lists[j].syntax, lists[j].options, box);
        list->Add(static_cast<TControl*>(box));
    }
    const char* hints[] = {"Hour", "Minute"};
    for (int j = 3; j < 5; ++j) {
        auto* edit = new TEdit(panel);
        edit->SetParent(panel);
        edit->SetBounds(w * j / 5 + 4, 0, w / 5 - 4, h);
        edit->SetHint(hints[j - 3]);
        edit->SetShowHint(true);
        Request->AssociateFormatPart(row, j + 1, sxUInt8, nullptr, "%i", edit);
        list->Add(static_cast<TControl*>(edit));
    }
    auto* colon = new TLabel(panel);
    colon->SetParent(panel);
    colon->SetCaption(":");
    colon->Font()->SetStyle(TFontStyles() << fsBold);
    TControl* hour = Part(list, 4);
    colon->SetLeft(hour->Left() + hour->Width());
    colon->SetTop(2);
}

// Day edit, month list, hour and minute edits, each a quarter of the row.
void TSummerTimeForm::BuildAnnualRow(int row)
{
    TCtrlsList* list = RowList(row);
    auto* panel = static_cast<TPanel*>(Part(list, 0));
    const int w = panel->Width();
    const int h = panel->Height();
    const char* hints[] = {"Day", nullptr, "Hour", "Minute"};
    for (int j = 0; j < 4; ++j) {
        const int left = w * j / 4 + (j >= 2 ? 4 : 0);
        if (j == 1) {
            auto* box = new TComboBox(panel);
            box->SetParent(panel);
            box->SetBounds(left, 0, w / 4 - 4, h);
            Request->AssociatePart(row, j, sxUInt8, &summerTimeMonthOptions, box);
            list->Add(static_cast<TControl*>(box));
            continue;
        }
        auto* edit = new TEdit(panel);
        edit->SetParent(panel);
        edit->SetBounds(left, 0, w / 4 - 4, h);
        edit->SetHint(hints[j]);
        edit->SetShowHint(true);
        Request->AssociateFormatPart(row, j, sxUInt8, nullptr, "%i", edit);
        list->Add(static_cast<TControl*>(edit));
    }
    auto* colon = new TLabel(panel);
    colon->SetParent(panel);
    colon->SetCaption(":");
    colon->Font()->SetStyle(TFontStyles() << fsBold);
    TControl* hour = Part(list, 3);
    colon->SetLeft(hour->Left() + hour->Width());
    colon->SetTop(2);
}

void TSummerTimeForm::ShowSummerTimeRows()
{
    TEditsPanel* rows = EditorPanel->EditsPanel;
    const AnsiString status = StatusText();
    const bool repeating = status == "repeating";
    const bool annual = status == "annual";
    for (int i = kRepeatStart; i <= kAnnualEnd; ++i) {
        const bool shown = i <= kRepeatEnd ? repeating : annual;
        if (shown) {
            rows->ShowRow(i);
        } else {
            rows->HideRow(i);
            rows->UncheckRow(i);
        }
    }
    rows->ArrangeRows(2, false);
}

void TSummerTimeForm::Read()
{
    try {
        Request->Get();
    } catch (const Exception& e) {
        Request->ShowResult(e.Message);
    }
}

void TSummerTimeForm::RefreshClick(TObject*)
{
    QzSNMPVarList& list = Request->Request.varList;
    // The status first: it decides which of the other objects the device uses.
    SetInvalid(list, kStatus, false);
    for (int i = kOffset; i < kVars; ++i) SetInvalid(list, i, true);
    Read();
    ShowSummerTimeRows();
    SetInvalid(list, kOffset, false);
    const AnsiString status = StatusText();
    if (status == "repeating") {
        SetInvalid(list, kRepeatStart, false);
        SetInvalid(list, kRepeatEnd, false);
    } else if (status == "annual") {
        SetInvalid(list, kAnnualStart, false);
        SetInvalid(list, kAnnualEnd, false);
    }
    Read();
}

AnsiString TSummerTimeForm::CheckSummerTimeOffset() const
{
    TEditsPanel* rows = EditorPanel->EditsPanel;
    const AnsiString text = static_cast<TEdit*>(rows->RowInput(kOffset))->Text();
    if (!rows->IsCheckedRow(kOffset) || text.IsEmpty()) return "";
    const int offset = StrToIntDef(text, -1);
    if (offset >= 30 && offset <= 120 && offset % 30 == 0) return "";
    return "Summer Time Offset must chosed from {30, 60, 90, 120}.";
}

AnsiString TSummerTimeForm::CheckRepeatingTime() const
{
    TEditsPanel* rows = EditorPanel->EditsPanel;
    for (int k = 0; k < 2; ++k) {
        TCtrlsList* row = RepeatRows[k];
        if (!rows->IsCheckedRow(kRepeatStart + k)) continue;
        const int hour = Number(Part(row, 4));
        const int minute = Number(Part(row, 5));
        if (Chosen(Part(row, 1)) < 0 || Chosen(Part(row, 2)) < 0 || Chosen(Part(row, 3)) < 0 || hour < 0 ||
            minute < 0)
            return kTimeError;
        if (hour >= 24 || minute >= 60) return kTimeError;
    }
    if (rows->IsCheckedRow(kRepeatStart) && rows->IsCheckedRow(kRepeatEnd) &&
        Chosen(Part(RepeatRows[0], 1)) == Chosen(Part(RepeatRows[1], 1)))
        return kSameMonth;
    return "";
}

AnsiString TSummerTimeForm::CheckAnnualTime() const
{
    TEditsPanel* rows = EditorPanel->EditsPanel;
    for (int k = 0; k < 2; ++k) {
        TCtrlsList* row = AnnualRows[k];
        if (!rows->IsCheckedRow(kAnnualStart + k)) continue;
        const int day = Number(Part(row, 1));
        const int month = Chosen(Part(row, 2)) + 1;
        const int hour = Number(Part(row, 3));
        const int minute = Number(Part(row, 4));
        if (day < 0 || hour < 0 || minute < 0 || month < 1) return kTimeError;
        if (!IsDayInMonth(day, month)) return kTimeError;
        if (hour >= 24 || minute >= 60) return kTimeError;
    }
    if (rows->IsCheckedRow(kAnnualStart) && rows->IsCheckedRow(kAnnualEnd) &&
        Chosen(Part(AnnualRows[0], 2)) == Chosen(Part(AnnualRows[1], 2)))
        return kSameMonth;
    return "";
}

void TSummerTimeForm::SetCheckedClick(TObject* Sender)
{
    TEditsPanel* rows = EditorPanel->EditsPanel;
    if (rows->IsCheckedRow(kStatus) && StatusBox()->ItemIndex() < 0) {
        ShowMessage("Please choose Summer Time Status.");
        return;
    }
    AnsiString error = CheckSummerTimeOffset();
    const AnsiString status = StatusText();
    if (error.IsEmpty()) {
        if (status == "repeating") error = CheckRepeatingTime();
        else if (status == "annual") error = CheckAnnualTime();
        else if (status != "disable") return;  // no mode chosen, and the status row unchecked
    }
    if (!error.IsEmpty()) {
        ShowMessage(error);
        return;
    }

    // The panel's own Set Checked judges a composite row by its panel's caption.
    for (TCtrlsList* const* rowsOfMode : {RepeatRows, AnnualRows}) {
        for (int k = 0; k < 2; ++k) {
            TCtrlsList* row = rowsOfMode[k];
            bool empty = false;
            for (int n = 1; n < row->Count(); ++n) {
                TControl* c = Part(row, n);
                if (auto* edit = dynamic_cast<TEdit*>(c)) empty = empty || edit->Text().IsEmpty();
                else if (auto* box = dynamic_cast<TComboBox*>(c)) empty = empty || box->Text().IsEmpty();
            }
            static_cast<TPanel*>(Part(row, 0))->SetCaption(empty ? "" : "-");
        }
    }

    // A change of mode goes first, in a write of its own; then the times of that mode.
    QzSNMPVarList& list = Request->Request.varList;
    SetInvalid(list, kStatus, false);
    for (int i = kOffset; i < kVars; ++i) SetInvalid(list, i, true);
    WriteChecked(Sender);

    SetInvalid(list, kOffset, false);
    for (int i = kRepeatStart; i < kVars; ++i) SetInvalid(list, i, true);
    if (status == "repeating") {
        SetInvalid(list, kRepeatStart, false);
        SetInvalid(list, kRepeatEnd, false);
    } else if (status == "annual") {
        SetInvalid(list, kAnnualStart, false);
        SetInvalid(list, kAnnualEnd, false);
    }
    SetInvalid(list, kStatus, true);
    WriteChecked(Sender);
}

void TSummerTimeForm::WriteChecked(TObject* Sender)
{
    // With no checked row among the objects of this write, an empty SET would go out and be
    // reported as written.
    QzSNMPVarList& list = Request->Request.varList;
    for (int i = 0; i < kVars; ++i)
        if (!(list.Items(i).access & acInvalid) && EditorPanel->EditsPanel->IsCheckedRow(i)) {
            PanelSetCheckedClick(Sender);
            return;
        }
}

void TSummerTimeForm::FormClose(TObject*, TCloseAction&)
{
    // Synchronous, so never busy here. The panel and its rows go with the form: the Close
    // button that may have brought us here is one of the panel's controls.
    ReleaseRequest(Request);
}
