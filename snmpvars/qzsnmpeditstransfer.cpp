// The value transfer of the edit binding: value texts into the associated controls and back,
// through the value octets, so that one variable can be split over several controls (the
// four edits of an IP address, the check boxes of a bit map) or several associations can each
// own a byte range of it.
#include <cstdint>
#include <exception>
#include <string>

#include "common/qzdatetime.h"
#include "common/qzoptionlist.h"
#include "platform/snmp/smival.h"
#include "platform/ui/datetime.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/stdctrls.h"
#include "snmpvars/qzsnmperror.h"
#include "snmpvars/qzsnmprequest2edits.h"
#include "snmpvars/qzsnmpvaluetext.h"

using namespace qzsnmp;

namespace {

bool IsBoolSyntax(int s) { return s == sxBoolean || s == sxBool8 || s == sxBool16; }

AnsiString Unsigned(uint32_t v) { return AnsiString(static_cast<unsigned long long>(v)); }

// A number from the start of an edit: white space, digits; 0 without digits. One that does not
// fit below max (or a negative one) is refused: it would be written wrapped.
uint32_t Number(TCustomEdit* e, uint32_t max = UINT32_MAX)
{
    const uint32_t v = ReadUnsigned32Checked(e->Text());
    if (v > max) ThrowBadValue();
    return v;
}

bool IsWholeNumberSyntax(int syntax)
{
    return syntax == sxInteger || syntax == sxCounter || syntax == sxGauge || syntax == sxUInteger ||
           syntax == sxInt8 || syntax == sxUInt8 || syntax == sxInt16 || syntax == sxUInt16;
}

// A number typed for a part of one or two bytes lies in that part's range.
void CheckPartRange(const AnsiString& text, int syntax)
{
    const int32_t v = ReadSigned32Checked(text);
    const bool wide = syntax == sxInt16 || syntax == sxUInt16;
    const bool sign = syntax == sxInt8 || syntax == sxInt16;
    const int32_t low = sign ? (wide ? INT16_MIN : INT8_MIN) : 0;
    const int32_t high = sign ? (wide ? INT16_MAX : INT8_MAX) : (wide ? UINT16_MAX : UINT8_MAX);
    if (v < low || v > high) ThrowBadValue();
}

// Bit b: byte b / 8 under the mask 2^(7 - b mod 8).
size_t ByteOfBit(int b)
{
    if (b < 0) QzSNMPThrowOwn(qzsPartIndexOutOfRange);
    return static_cast<size_t>(b) / 8;
}
unsigned char MaskOfBit(int b) { return static_cast<unsigned char>(0x80u >> (b % 8)); }

// The edits over which a value is split; -521 for a control that is no edit.
std::vector<TCustomEdit*> EditsOf(const _EditAssociation_s& r)
{
    std::vector<TCustomEdit*> edits;
    for (TControl* c : r.controls) {
        auto* e = dynamic_cast<TCustomEdit*>(c);
        if (!e) QzSNMPThrowOwn(qzsBadControlType);
        edits.push_back(e);
    }
    return edits;
}

}  // namespace

// ---- values into controls ----

void QzSNMPRequest2Edits::ValuesToControls(int i)
{
    // A value that one association cannot show (a port list too short for its boxes) must not
    // leave the others showing another row's values for the next write: every association is
    // filled, then the first failure is raised.
    std::exception_ptr failure;
    for (size_t n = 0; n < associations_.size(); ++n) {
        _EditAssociation_s& r = *associations_[n];
        if (i >= 0 && r.varIndex != i) continue;
        if (Var(r.varIndex).access & acInvalid) continue;  // left out of a partial write
        try {
            WriteControls(r);
        } catch (...) {
            if (!failure) failure = std::current_exception();
        }
    }
    if (failure) std::rethrow_exception(failure);
}

void QzSNMPRequest2Edits::WriteControls(_EditAssociation_s& r)
{
    for (const auto& a : r.alive)
        if (!a) return;  // a control is gone
    const QzSNMPVarItem& v = Var(r.varIndex);
    AnsiString text = *v.value;
    if (v.options) text = v.options->LabelToValue(text);
    const bool whole = r.offset == 0 && r.syntax == v.syntax;
    TControl* first = r.controls[0];
    auto* edit = dynamic_cast<TCustomEdit*>(first);
    auto* box = dynamic_cast<TCheckBox*>(first);
    const bool bitMap = box && !r.bitIndexes.empty();
    const bool split = edit && r.count > 1;
    std::string octets;
    QzOptionList* opts;
    if (whole) {
        if ((bitMap || split) && !IsNoValue(text)) octets = TextToOctets(text, v.syntax).bytes();
        opts = OptionsInForce(r);
    } else {
        OctetStr all = IsNoValue(text) ? OctetStr() : TextToOctets(text, v.syntax);
        OctetStr part = ExtractPart(all, r.offset, r.syntax);
        octets = part.bytes();
        text = OctetsToText(part, r.syntax);
        opts = r.options;
    }
    if (opts) text = opts->ValueToLabel(text);

    if (auto* label = dynamic_cast<TLabel*>(first)) {
        label->SetCaption(text);
    } else if (auto* st = dynamic_cast<TStaticText*>(first)) {
        st->SetCaption(text);
    } else if (bitMap) {
        std::vector<TCheckBox*> boxes;
        for (int k = 0; k < r.count; ++k) {
            ByteOfBit(r.bitIndexes[static_cast<size_t>(k)]);
            auto* c = dynamic_cast<TCheckBox*>(r.controls[static_cast<size_t>(k)]);
            if (!c) QzSNMPThrowOwn(qzsBadControlType);
            boxes.push_back(c);
        }
        // A box beyond a short value is unchecked before the raise: it must not keep an
        // earlier row's state for the next write to send back.
        bool beyond = false;
        for (int k = 0; k < r.count; ++k) {
            const int b = r.bitIndexes[static_cast<size_t>(k)];
            const size_t at = ByteOfBit(b);
            const bool set = at < octets.size() && (static_cast<unsigned char>(octets[at]) & MaskOfBit(b)) != 0;
            beyond = beyond || at >= octets.size();
            boxes[static_cast<size_t>(k)]->SetChecked(set);
        }
        if (beyond) QzSNMPThrowOwn(qzsPartIndexOutOfRange);
    } else if (box) {
        if (opts) {
            int n = opts->IndexOfLabel(text);
            if (n < 0) n = opts->IndexOfValue(text);
            box->SetChecked(n > 0);
        } else {
            if (!IsBoolSyntax(r.syntax)) QzSNMPThrowOwn(qzsBadPartSyntax);
            box->SetChecked(text == "true");
        }
    } else if (auto* combo = dynamic_cast<TComboBox*>(first)) {
        if (!opts) QzSNMPThrowOwn(qzsNoOptionList);
        opts->SelectComboBoxItem(combo, text);
    } else if (auto* group = dynamic_cast<TRadioGroup*>(first)) {
        if (!opts) QzSNMPThrowOwn(qzsNoOptionList);
        opts->SelectRadioGroupItem(group, text);
    } else if (edit && !split) {
        edit->SetText(text);
    } else if (edit) {
        WriteEdits(EditsOf(r), r.syntax, text, octets);
    } else {
        QzSNMPThrowOwn(qzsBadControlType);
    }
}

void QzSNMPRequest2Edits::WriteEdits(const std::vector<TCustomEdit*>& edits, int syntax, const AnsiString& text,
                                     const std::string& octets)
{
    auto need = [&](size_t n) {
        if (edits.size() < n) QzSNMPThrowOwn(qzsTooFewControls);
    };
    auto bytes = [&](size_t n) {
        if (octets.size() < n) QzSNMPThrowOwn(qzsBadPartValue);
    };
    auto byte = [&](size_t k) { return static_cast<unsigned char>(octets[k]); };
    switch (syntax) {
    case sxBitStr:
    case sxOctetStr:
    case sxOpaque:
        if (IsNoValue(text)) return;
        need(octets.size());
        for (size_t k = 0; k < octets.size(); ++k) edits[k]->SetText(OctetsToHex(octets.substr(k, 1)));
        return;
    case sxObjectId: {
        if (IsNoValue(text)) return;
        std::vector<uint32_t> ids = DottedNumbers(text);
        need(ids.size());
        for (size_t k = 0; k < ids.size(); ++k) edits[k]->SetText(Unsigned(ids[k]));
        return;
    }
    case sxIpAddress:
    case sxNsapAddr:
        need(4);
        if (IsNoValue(text)) return;
        bytes(4);
        for (size_t k = 0; k < 4; ++k) edits[k]->SetText(Unsigned(byte(k)));
        return;
    case sxTimeTicks: {
        need(5);
        if (IsNoValue(text)) return;
        bytes(4);
        uint32_t t = byte(0) | byte(1) << 8 | byte(2) << 16 | static_cast<uint32_t>(byte(3)) << 24;
        edits[0]->SetText(Unsigned(t / 8640000));
        edits[1]->SetText(Unsigned(t % 8640000 / 360000));
        edits[2]->SetText(Unsigned(t % 360000 / 6000));
        edits[3]->SetText(Unsigned(t % 6000 / 100));
        edits[4]->SetText(Unsigned(t % 100));
        return;
    }
    case sxDateTime: {
        need(10);
        if (IsNoValue(text)) return;
        QzDateTime dt(text);
        const uint32_t fields[] = {dt.year, dt.month, dt.day, dt.hour, dt.minutes, dt.seconds, dt.deciSeconds};
        for (size_t k = 0; k < 7; ++k) edits[k]->SetText(Unsigned(fields[k]));
        edits[7]->SetText(AnsiString(dt.direction));
        edits[8]->SetText(Unsigned(dt.utcHours));
        edits[9]->SetText(Unsigned(dt.utcMinutes));
        return;
    }
    case sxBcdDateTime: {
        need(7);
        if (IsNoValue(text)) return;
        bytes(8);
        const TDateTime dt = OctetsToDouble(reinterpret_cast<const unsigned char*>(octets.data()));
        if (!IsValidDateTime(dt)) QzSNMPThrowOwn(qzsBadPartValue);
        int y, m, d, h, n, s, ms;
        DecodeDate(dt, y, m, d);
        DecodeTime(dt, h, n, s, ms);
        const int fields[] = {y, m, d, h, n, s, ms};
        for (size_t k = 0; k < 7; ++k) edits[k]->SetText(Unsigned(static_cast<uint32_t>(fields[k])));
        return;
    }
    case sxMacAddress:
    case sxIpv6Address: {
        const size_t n = syntax == sxMacAddress ? 6 : 16;
        need(n);
        if (IsNoValue(text)) return;
        bytes(n);
        for (size_t k = 0; k < n; ++k) edits[k]->SetText(OctetsToHex(octets.substr(k, 1)));
        return;
    }
    default:
        edits[0]->SetText(text);
        return;
    }
}

// ---- controls into values ----

void QzSNMPRequest2Edits::ControlsToValues(int i) { ControlsToValuesOf(i, nullptr); }

void QzSNMPRequest2Edits::ControlsToValuesOf(int i, std::vector<bool>* given)
{
    QzSNMPVarList& list = Request.varList;
    for (int j = 0; j < list.GetCount(); ++j) {
        if ((i >= 0 && j != i) || !list.IsWritable(j)) continue;
        std::vector<_EditAssociation_s*> records;
        for (auto& r : associations_)
            if (r->varIndex == j) records.push_back(r.get());
        if (records.empty()) continue;
        QzSNMPVarItem& v = list.Items(j);
        AnsiString text = *v.value;
        if (v.options) text = v.options->LabelToValue(text);
        std::string whole;
        try {
            if (!IsNoValue(text)) whole = TextToOctets(text, v.syntax).bytes();
        } catch (const EConvertError&) {
            // An earlier text that is no date: the controls give the whole value anyway.
        }
        bool any = false;
        for (size_t n = 0; n < records.size(); ++n) {
            _EditAssociation_s& r = *records[n];
            if (n == 0 && v.syntax == sxDisplayStr) whole.clear();  // exactly what the controls hold
            std::string part;
            if (!ReadControls(r, OptionsInForce(r), part)) continue;
            any = true;
            const size_t offset = r.offset > 0 ? static_cast<size_t>(r.offset) : 0;
            if (whole.size() < offset + part.size()) whole.resize(offset + part.size(), '\0');
            whole.replace(offset, part.size(), part);
        }
        if (!any) continue;  // no control shows a value: the variable keeps its text
        text = OctetsToText(OctetStr(whole), v.syntax);
        if (v.options) text = v.options->ValueToLabel(text);
        *v.value = text;
        if (given) (*given)[static_cast<size_t>(j)] = true;
    }
}

bool QzSNMPRequest2Edits::ReadControls(_EditAssociation_s& r, QzOptionList* opts, std::string& part)
{
    for (const auto& a : r.alive)
        if (!a) return false;
    TControl* first = r.controls[0];
    auto* edit = dynamic_cast<TCustomEdit*>(first);
    auto* box = dynamic_cast<TCheckBox*>(first);
    AnsiString text;
    if (auto* label = dynamic_cast<TLabel*>(first)) {
        text = label->Caption();
    } else if (auto* st = dynamic_cast<TStaticText*>(first)) {
        text = st->Caption();
    } else if (box && !r.bitIndexes.empty()) {
        part.clear();
        for (int k = 0; k < r.count; ++k) {
            const int b = r.bitIndexes[static_cast<size_t>(k)];
            const size_t byte = ByteOfBit(b);
            auto* c = dynamic_cast<TCheckBox*>(r.controls[static_cast<size_t>(k)]);
            if (!c) QzSNMPThrowOwn(qzsBadControlType);
            if (part.size() <= byte) part.resize(byte + 1, '\0');
            if (c->Checked()) part[byte] = static_cast<char>(part[byte] | MaskOfBit(b));
            else part[byte] = static_cast<char>(part[byte] & ~MaskOfBit(b));
        }
        return true;
    } else if (box) {
        if (opts) {
            const int k = box->Checked() ? 1 : 0;
            if (k >= opts->Count()) QzSNMPThrowOwn(qzsBadPartValue);
            text = opts->GetItem(k)->label;
        } else {
            if (!IsBoolSyntax(r.syntax)) QzSNMPThrowOwn(qzsBadPartSyntax);
            text = box->Checked() ? "true" : "false";
        }
    } else if (auto* combo = dynamic_cast<TComboBox*>(first)) {
        // Nothing selected is no value the layer can write.
        const int k = combo->ItemIndex();
        if (k < 0 || k >= combo->Items()->Count()) QzSNMPThrowOwn(qzsBadPartValue);
        text = combo->Items()->Get(k);
    } else if (auto* group = dynamic_cast<TRadioGroup*>(first)) {
        const int k = group->ItemIndex();
        if (k < 0 || k >= group->Items()->Count()) QzSNMPThrowOwn(qzsBadPartValue);
        text = group->Items()->Get(k);
    } else if (edit && r.count == 1) {
        text = edit->Text();
    } else if (edit) {
        text = ReadEdits(EditsOf(r), r.syntax);
    } else {
        QzSNMPThrowOwn(qzsBadControlType);
    }
    if (IsNoValue(text)) return false;
    if (opts) text = opts->LabelToValue(text);
    // Typed text that is no number is no value of a numeric object (nor an index of a row).
    else if (edit && r.count == 1 && IsWholeNumberSyntax(r.syntax)) {
        if (!IsDecimalText(text)) ThrowBadValue();
        // Nor one beyond the object's type: it would wrap and be written as another number.
        if (r.syntax == sxInteger) ReadSigned32Checked(text);
        else if (r.syntax == sxCounter || r.syntax == sxGauge || r.syntax == sxUInteger) ReadUnsigned32Checked(text);
        else CheckPartRange(text, r.syntax);
    }
    part = TextToOctets(text, r.syntax).bytes();
    return true;
}

AnsiString QzSNMPRequest2Edits::ReadEdits(const std::vector<TCustomEdit*>& edits, int syntax)
{
    auto need = [&](size_t n) {
        if (edits.size() < n) QzSNMPThrowOwn(qzsTooFewControls);
    };
    // Each edit as two hexadecimal digits: empty "00", one digit with a "0" before it.
    auto hex = [&](size_t n) {
        AnsiString out;
        for (size_t k = 0; k < n; ++k) {
            AnsiString t = edits[k]->Text();
            if (t.IsEmpty()) out += "00";
            else if (t.Length() == 1) out += AnsiString("0") + t;
            else out += t;
        }
        return out;
    };
    auto dotted = [&](size_t n) {
        AnsiString out;
        for (size_t k = 0; k < n; ++k) {
            if (k > 0) out += ".";
            out += Unsigned(Number(edits[k]));
        }
        return out;
    };
    switch (syntax) {
    case sxBitStr:
    case sxOctetStr:
    case sxOpaque:
        return hex(edits.size());
    case sxObjectId:
        return dotted(edits.size());
    case sxIpAddress:
    case sxNsapAddr:
        need(4);
        return dotted(4);
    case sxTimeTicks: {
        need(5);
        const uint64_t t = Number(edits[0]) * uint64_t{8640000} + Number(edits[1]) * uint64_t{360000} +
                           Number(edits[2]) * uint64_t{6000} + Number(edits[3]) * uint64_t{100} + Number(edits[4]);
        if (t > UINT32_MAX) ThrowBadValue();
        return AnsiString(TimeTicks(static_cast<uint32_t>(t)).get_printable());
    }
    case sxDateTime: {
        need(10);
        QzDateTime dt;
        dt.year = static_cast<uint16_t>(Number(edits[0], 0xFFFF));
        dt.month = static_cast<uint8_t>(Number(edits[1], 0xFF));
        dt.day = static_cast<uint8_t>(Number(edits[2], 0xFF));
        dt.hour = static_cast<uint8_t>(Number(edits[3], 0xFF));
        dt.minutes = static_cast<uint8_t>(Number(edits[4], 0xFF));
        dt.seconds = static_cast<uint8_t>(Number(edits[5], 0xFF));
        dt.deciSeconds = static_cast<uint8_t>(Number(edits[6], 0xFF));
        AnsiString direction = edits[7]->Text();
        dt.direction = direction.IsEmpty() ? '+' : direction[1];
        dt.utcHours = static_cast<uint8_t>(Number(edits[8], 0xFF));
        dt.utcMinutes = static_cast<uint8_t>(Number(edits[9], 0xFF));
        return dt.ToString();
    }
    case sxBcdDateTime: {
        need(7);
        auto field = [&](size_t k) { return static_cast<int>(Number(edits[k], 0xFFFF)); };
        const TDateTime date = EncodeDate(field(0), field(1), field(2));
        const TDateTime time = EncodeTime(field(3), field(4), field(5), field(6));
        // Before 30 December 1899 the time of day still counts forward from midnight.
        return FormatDateTime("yyyy/mm/dd hh:nn:ss am/pm", date < 0 ? date - time : date + time);
    }
    case sxMacAddress:
        need(6);
        return hex(6);
    case sxIpv6Address:
        need(16);
        return hex(16);
    default:
        return edits[0]->Text();
    }
}
