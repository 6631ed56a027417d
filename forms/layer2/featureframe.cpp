#include "forms/layer2/featureframe.h"

#include <exception>

#include "forms/layer2/stackingportunit.h"
#include "mainwindow/mainunit.h"
#include "platform/ui/sysutils.h"

int ScaledFormSize(int designed, bool scaleUp)
{
    return scaleUp ? static_cast<int>(designed * 1.25) : designed;
}

TFeatureFormBase::TFeatureFormBase(TComponent* Owner, const TResForm& layout, TFeatureScale scale) : TForm(Owner)
{
    LoadFormResource(this, layout);
    const bool scaleUp = scale != fscNone && MainForm && MainForm->ScaleUp;
    if (scaleUp) {
        const int left = scale == fscSizeAndPosition ? ScaledFormSize(Left(), true) : Left();
        const int top = scale == fscSizeAndPosition ? ScaledFormSize(Top(), true) : Top();
        SetBounds(left, top, ScaledFormSize(Width(), true), ScaledFormSize(Height(), true));
    }
}

TFeatureFormBase::~TFeatureFormBase() { ReleaseRequests(); }

QzSNMPRequest2Edits* TFeatureFormBase::NewRequest(const UISnmpVar* table, unsigned char listType, int keyCount)
{
    auto* request = new QzSNMPRequest2Edits(this);
    {
        QzSNMPVarList list(table, listType, keyCount);
        request->Request.varList = list;
    }
    requests_.push_back(request);
    return request;
}

void TFeatureFormBase::ReleaseRequest(QzSNMPRequest2Edits*& request)
{
    QzSNMPRequest2Edits* r = request;
    request = nullptr;
    if (!r) return;
    for (auto it = requests_.begin(); it != requests_.end(); ++it) {
        if (*it == r) {
            requests_.erase(it);
            break;
        }
    }
    r->Withdraw();
    delete r;
}

void TFeatureFormBase::ReleaseRequests()
{
    // All at once before any goes: no reply of one reaches the form while another is deleted.
    for (QzSNMPRequest2Edits* r : requests_) r->Withdraw();
    while (!requests_.empty()) {
        QzSNMPRequest2Edits* r = requests_.front();
        ReleaseRequest(r);
    }
}

TStackingPortUitForm* TFeatureFormBase::NewPortPage(TWinControl* container, int units)
{
    return CreatePortPage(this, container, units);
}

TSavedAccessFlags::TSavedAccessFlags(QzSNMPVarList& list) : list_(list)
{
    for (int i = 0; i < list_.GetCount(); ++i) saved_.push_back(list_.Items(i).access);
}

TSavedAccessFlags::~TSavedAccessFlags() { Restore(); }

void TSavedAccessFlags::LeaveOut(int i)
{
    if (i >= 0 && i < list_.GetCount()) list_.Items(i).access = acInvalid;
}

void TSavedAccessFlags::Restore()
{
    for (int i = 0; i < list_.GetCount() && i < static_cast<int>(saved_.size()); ++i)
        list_.Items(i).access = saved_[static_cast<size_t>(i)];
}

void ShowInMemo(TMemo* memo, const AnsiString& text)
{
    if (memo) memo->Lines()->Add(text);
}

void ShowInPanel(TStatusBar* bar, const AnsiString& text, int panel)
{
    if (!bar) return;
    if (panel < bar->Panels()->Count()) bar->Panels()->Items(panel)->SetText(text);
    else bar->SetSimpleText(text);
}

AnsiString CurrentExceptionText()
{
    try {
        throw;
    } catch (const Exception& e) {
        return e.Message;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown exception";
    }
}
