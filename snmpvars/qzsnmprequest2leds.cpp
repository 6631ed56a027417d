#include "snmpvars/qzsnmprequest2leds.h"

#include "common/qznumlist.h"
#include "common/qzoptionlist.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "snmpvars/qzsnmperror.h"

// ---- colour maps ----

QzSNMPLedColorMapList::QzSNMPLedColorMapList(const QzSNMPLedColorPair* table, unsigned char colourMask,
                                             unsigned char blinkMask, unsigned int defaultColour,
                                             unsigned int absentColour)
    : ColourMask(colourMask), BlinkMask(blinkMask), DefaultColour(defaultColour), AbsentColour(absentColour)
{
    for (const QzSNMPLedColorPair* p = table; p && p->colour != NoColour; ++p) pairs_.push_back(*p);
}

int QzSNMPLedColorMapList::IndexOfValue(unsigned char value) const
{
    for (size_t k = 0; k < pairs_.size(); ++k)
        if ((pairs_[k].value & 0xFFu) == value) return static_cast<int>(k);
    return -1;
}

unsigned int QzSNMPLedColorMapList::ColourOf(unsigned char value) const
{
    int k = IndexOfValue(value);
    return k < 0 ? 0u : pairs_[static_cast<size_t>(k)].colour;
}

// ---- the request ----

QzSNMPRequest2Leds::QzSNMPRequest2Leds(TForm* owner)
    : QzSNMPRequest2Controls(owner), PollTimer(new TTimer(nullptr)), BlinkTimer(new TTimer(nullptr))
{
    // The timers are the request's own, so that none outlives it or fires into it.
    PollTimer->SetEnabled(false);
    PollTimer->OnTimer = TNotifyEvent(this, &QzSNMPRequest2Leds::PollTimerTimer);
    BlinkTimer->SetInterval(60);
    BlinkTimer->OnTimer = TNotifyEvent(this, &QzSNMPRequest2Leds::BlinkTimerTimer);
    BlinkTimer->SetEnabled(true);
}

QzSNMPRequest2Leds::~QzSNMPRequest2Leds()
{
    StopPolling();
    for (QzSNMPLedRecord* r : Leds) delete r;
    Leds.clear();
    delete PollTimer;
    delete BlinkTimer;
}

void QzSNMPRequest2Leds::CreateLeds(int varIndex, const QzSNMPLedGroup& group)
{
    QzNumList<int> indexes;
    indexes.delimiter = ',';
    indexes.Parse(group.IndexList.c_str());
    for (int i = 0; i < indexes.count; ++i) {
        auto* shape = new TShape(Owner);
        shape->SetParent(group.Parent);
        shape->SetShape(static_cast<TShapeType>(group.ShapeType));
        shape->SetBounds((group.Width + group.Spacing) * i + group.Left, 1, group.Width, group.Height);
        shape->Show();
        AddLed(varIndex, indexes.items[i], group.ColorMap, shape);
    }
    if (group.Parent) {
        group.Parent->SetBevelInner(bvNone);
        group.Parent->SetBevelOuter(bvNone);
    }
}

void QzSNMPRequest2Leds::AddLed(int varIndex, int byteIndex, QzSNMPLedColorMapList* colorMap, TShape* shape)
{
    auto* r = new QzSNMPLedRecord;
    r->VarIndex = varIndex;
    r->ByteIndex = byteIndex;
    r->ColorMap = colorMap;
    r->Shape = shape;
    r->alive = shape;
    r->Colour = colorMap ? colorMap->DefaultColour : 0u;
    Leds.push_back(r);
    Paint(r, r->Colour);
}

void QzSNMPRequest2Leds::SetLedEncoding(int mode, int firstPairByte)
{
    LedEncoding = mode < 1 ? 1 : mode;
    FirstPairByte = firstPairByte < 1 ? 4 : firstPairByte;
}

void QzSNMPRequest2Leds::Paint(QzSNMPLedRecord* r, unsigned int colour)
{
    if (!r->alive) return;
    r->Shape->Brush()->SetColor(static_cast<TColor>(colour));
    r->Shape->Pen()->SetColor(static_cast<TColor>(colour));
    r->Shape->Show();
}

void QzSNMPRequest2Leds::Refresh()
{
    try {
        Get();
    } catch (const Exception& e) {
        ResetLeds();
        throw Exception(e.Message, e.HelpContext);
    }
}

void QzSNMPRequest2Leds::StartPolling(int period)
{
    PollTimer->SetInterval(static_cast<unsigned>(period > 0 ? period : 1) * 10u);
    PollTimer->SetEnabled(true);
    BlinkTimer->SetEnabled(true);  // stopped by an earlier StopPolling
    Refresh();
}

void QzSNMPRequest2Leds::StopPolling()
{
    PollTimer->SetEnabled(false);
    BlinkTimer->SetEnabled(false);
    ResetLeds();
}

void QzSNMPRequest2Leds::ResetLeds()
{
    for (QzSNMPLedRecord* r : Leds) {
        r->Blink = false;
        r->Colour = r->ColorMap ? r->ColorMap->DefaultColour : 0u;
        Paint(r, r->Colour);
    }
}

void QzSNMPRequest2Leds::OnRowReceived()
{
    BlinkCount = 0;
    for (QzSNMPLedRecord* r : Leds) ValuesToLeds(r);
    BlinkTick();
}

void QzSNMPRequest2Leds::OnGetError(QzSNMPError* result)
{
    ResetLeds();
    LastOperation = 0;
    ShowResult(result->message);
}

void QzSNMPRequest2Leds::ValuesToLeds(QzSNMPLedRecord* r)
{
    QzSNMPVarList& list = Request.varList;
    if (r->VarIndex < 0 || r->VarIndex >= list.GetCount())
        ListIndexError(r->VarIndex);
    if (!r->ColorMap) return;
    const QzSNMPVarItem& v = list.Items(r->VarIndex);
    AnsiString text = *v.value;
    if (v.options) text = v.options->LabelToValue(text);
    const OctetStr octets = TextToOctets(text, v.syntax);
    const QzSNMPLedColorMapList& map = *r->ColorMap;
    // A pair is whole or absent: the device sends whole pairs, a cut string must not be read on.
    const bool pair = LedEncoding == 2 && r->ByteIndex >= FirstPairByte;
    const size_t needed = static_cast<size_t>(r->ByteIndex) + (pair ? 2 : 1);
    if (r->ByteIndex < 0 || octets.len() < needed) {
        if (map.AbsentColour == QzSNMPLedColorMapList::NoColour) QzSNMPThrowOwn(qzsPartIndexOutOfRange);
        r->Colour = map.AbsentColour;
        r->Blink = false;
        return;
    }
    const unsigned char b = octets[static_cast<size_t>(r->ByteIndex)];
    if (LedEncoding == 1 || (LedEncoding == 2 && !pair)) {
        r->Colour = map.ColourOf(static_cast<unsigned char>(b & map.ColourMask));
        r->Blink = (b & map.BlinkMask) != 0;
    } else if (LedEncoding == 2) {
        if (b == 1) {
            r->Blink = false;
            r->Colour = map.AbsentColour;
        } else {
            r->Blink = (b & map.BlinkMask) != 0;
            const unsigned char colour = octets[static_cast<size_t>(r->ByteIndex) + 1];
            r->Colour = map.ColourOf(static_cast<unsigned char>(colour & map.ColourMask));
        }
    }
}

void QzSNMPRequest2Leds::BlinkTick()
{
    bool changed = false;
    for (QzSNMPLedRecord* r : Leds) {
        if (!r->Blink) {
            Paint(r, r->Colour);
            continue;
        }
        const unsigned int dark = r->ColorMap ? r->ColorMap->DefaultColour : 0u;
        const bool lit = !r->alive || static_cast<unsigned int>(r->Shape->Brush()->Color()) != dark;
        Paint(r, lit && BlinkCount <= BlinkLimit ? dark : r->Colour);
        changed = true;
    }
    if (changed) ++BlinkCount;
}

void QzSNMPRequest2Leds::PollTimerTimer(TObject*)
{
    // A poll still waiting for its answer (a slow or silent switch) is not joined by another.
    if (Busy) return;
    try {
        Refresh();
    } catch (const Exception& e) {
        ResetLeds();
        LastOperation = 0;
        ShowResult(e.Message);
    }
}

void QzSNMPRequest2Leds::BlinkTimerTimer(TObject*) { BlinkTick(); }
