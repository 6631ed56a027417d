// Object identifiers: sequences of 32-bit sub-identifiers written as dotted decimal text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Oid {
public:
    static constexpr size_t kMaxLength = 128;  // sub-identifiers an agent accepts

    Oid() = default;
    // Dotted decimal ("1.3.6.1", a leading dot allowed). Anything else (an empty part, a
    // letter, a number beyond 32 bits, more than kMaxLength parts) gives an invalid Oid.
    Oid(const char* dotted);
    Oid(const std::string& dotted) : Oid(dotted.c_str()) {}
    Oid(const uint32_t* ids, size_t count);

    // Parsed and not empty.
    bool valid() const { return valid_ && !ids_.empty(); }
    size_t len() const { return ids_.size(); }
    uint32_t operator[](size_t i) const { return ids_[i]; }
    uint32_t& operator[](size_t i) { return ids_[i]; }
    const std::vector<uint32_t>& ids() const { return ids_; }

    // "1.3.6.1"; the empty text for an empty Oid.
    std::string get_printable() const;

    Oid& operator+=(uint32_t id);
    Oid& operator+=(const Oid& tail);
    Oid& operator+=(const char* dotted) { return *this += Oid(dotted); }
    // Drops the last n sub-identifiers (all of them when n >= len()).
    void trim(size_t n = 1);
    // Compares the first n sub-identifiers (fewer when either is shorter); <0, 0, >0.
    int nCompare(size_t n, const Oid& other) const;
    // True when this Oid starts with all of prefix.
    bool starts_with(const Oid& prefix) const;

    friend bool operator==(const Oid& a, const Oid& b) { return a.valid_ == b.valid_ && a.ids_ == b.ids_; }
    friend bool operator!=(const Oid& a, const Oid& b) { return !(a == b); }
    // Lexicographic order of the sub-identifiers (the order of a get-next walk).
    friend bool operator<(const Oid& a, const Oid& b) { return a.ids_ < b.ids_; }

private:
    std::vector<uint32_t> ids_;
    bool valid_ = true;
};
