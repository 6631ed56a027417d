// The option list's part that fills and selects controls; the rest needs no widget.
#include "common/qzoptionlist.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/stdctrls.h"

void QzOptionList::FillComboBox(TComboBox* box) const
{
    box->Items()->Clear();
    for (const QzOptionItem& item : items_) box->Items()->Add(item.label);
}

void QzOptionList::FillRadioGroup(TRadioGroup* group) const
{
    TStrings* items = group->Items();
    items->BeginUpdate();
    items->Clear();
    for (const QzOptionItem& item : items_) items->Add(item.label);
    items->EndUpdate();
    group->ItemsChanged();
}

void QzOptionList::SelectComboBoxItem(TComboBox* box, const AnsiString& text) const
{
    box->SetItemIndex(IndexOfLabel(text));
    if (box->ItemIndex() < 0) box->SetItemIndex(IndexOfValue(text));
}

void QzOptionList::SelectRadioGroupItem(TRadioGroup* group, const AnsiString& text) const
{
    group->SetItemIndex(IndexOfLabel(text));
    if (group->ItemIndex() < 0) group->SetItemIndex(IndexOfValue(text));
}
