#include "platform/snmp/oid.h"

Oid::Oid(const char* dotted)
{
    if (!dotted || !*dotted) return;
    const char* p = dotted;
    if (*p == '.') ++p;
    for (;;) {
        if (*p < '0' || *p > '9') {
            valid_ = false;
            break;
        }
        uint64_t v = 0;
        while (*p >= '0' && *p <= '9') {
            v = v * 10 + static_cast<uint64_t>(*p - '0');
            if (v > 0xFFFFFFFFull) {
                valid_ = false;
                break;
            }
            ++p;
        }
        if (!valid_) break;
        ids_.push_back(static_cast<uint32_t>(v));
        if (*p == '\0') break;
        if (*p != '.') {
            valid_ = false;
            break;
        }
        ++p;
    }
    if (ids_.size() > kMaxLength) valid_ = false;
    if (!valid_) ids_.clear();
}

Oid::Oid(const uint32_t* ids, size_t count) : ids_(ids, ids + count)
{
    if (ids_.size() > kMaxLength) valid_ = false;
}

std::string Oid::get_printable() const
{
    std::string s;
    s.reserve(ids_.size() * 4);
    for (size_t i = 0; i < ids_.size(); ++i) {
        if (i) s += '.';
        s += std::to_string(ids_[i]);
    }
    return s;
}

Oid& Oid::operator+=(uint32_t id)
{
    ids_.push_back(id);
    if (ids_.size() > kMaxLength) valid_ = false;
    return *this;
}

Oid& Oid::operator+=(const Oid& tail)
{
    if (!tail.valid_) valid_ = false;
    ids_.insert(ids_.end(), tail.ids_.begin(), tail.ids_.end());
    if (ids_.size() > kMaxLength) valid_ = false;
    return *this;
}

void Oid::trim(size_t n)
{
    if (n >= ids_.size()) ids_.clear();
    else ids_.resize(ids_.size() - n);
}

int Oid::nCompare(size_t n, const Oid& other) const
{
    for (size_t i = 0; i < n; ++i) {
        bool endA = i >= ids_.size(), endB = i >= other.ids_.size();
        if (endA || endB) return endA == endB ? 0 : (endA ? -1 : 1);
        if (ids_[i] != other.ids_[i]) return ids_[i] < other.ids_[i] ? -1 : 1;
    }
    return 0;
}

bool Oid::starts_with(const Oid& prefix) const
{
    if (prefix.ids_.size() > ids_.size()) return false;
    for (size_t i = 0; i < prefix.ids_.size(); ++i)
        if (ids_[i] != prefix.ids_[i]) return false;
    return true;
}
