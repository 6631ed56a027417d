#include "platform/snmp/pdu.h"

Pdu::Pdu(const Vb* vbs, int count)
{
    for (int i = 0; i < count; ++i) vbs_.push_back(vbs[i]);
}

Pdu& Pdu::operator+=(const Vb& vb)
{
    vbs_.push_back(vb);
    return *this;
}

bool Pdu::get_vb(Vb& out, int i) const
{
    if (i < 0 || i >= get_vb_count()) return false;
    out = vbs_[static_cast<size_t>(i)];
    return true;
}

bool Pdu::set_vb(const Vb& vb, int i)
{
    if (i < 0 || i >= get_vb_count()) return false;
    vbs_[static_cast<size_t>(i)] = vb;
    return true;
}

const Vb& Pdu::operator[](int i) const
{
    static const Vb empty;
    if (i < 0 || i >= get_vb_count()) return empty;
    return vbs_[static_cast<size_t>(i)];
}

Vb& Pdu::operator[](int i)
{
    static Vb scratch;
    if (i < 0 || i >= get_vb_count()) {
        scratch = Vb();
        return scratch;
    }
    return vbs_[static_cast<size_t>(i)];
}

bool Pdu::delete_vb(int i)
{
    if (i < 0 || i >= get_vb_count()) return false;
    vbs_.erase(vbs_.begin() + i);
    return true;
}

void Pdu::clear()
{
    vbs_.clear();
    errorStatus_ = 0;
    errorIndex_ = 0;
    requestId_ = 0;
}

bool Pdu::valid() const
{
    for (const Vb& vb : vbs_)
        if (!vb.valid()) return false;
    return true;
}
