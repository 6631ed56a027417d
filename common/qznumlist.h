// QzNumList: a delimited text of numbers ("1.3.6", "2,5,7") read into an array of integers.
#pragma once

#include <cstring>

template <class T>
class QzNumList {
public:
    QzNumList() = default;
    ~QzNumList() { delete[] items; }
    QzNumList(const QzNumList&) = delete;
    QzNumList& operator=(const QzNumList&) = delete;

    // Replaces the items with the numbers of the text. Each item takes exactly the characters
    // between two delimiters, so an empty field is 0; a fractional part is dropped. Digits
    // accumulate modulo 2^32; any other character counts as its code minus that of '0'.
    QzNumList& Parse(const char* text)
    {
        delete[] items;
        items = nullptr;
        count = CountItems(text);
        if (count == 0) return *this;
        items = new T[static_cast<size_t>(count)]();
        int i = 0;
        bool fraction = false;
        for (const char* p = text; *p; ++p) {
            char c = *p;
            if (c == delimiter) {
                fraction = false;
                ++i;
            } else if (c == '.') {
                fraction = true;
            } else if (!fraction) {
                // Unsigned arithmetic: an overflowing number wraps instead of being undefined.
                unsigned int v = static_cast<unsigned int>(items[i]);
                v = v * 10u + static_cast<unsigned int>(c - '0');
                items[i] = static_cast<T>(v);
            }
            // Characters after a decimal point never change the item.
        }
        return *this;
    }

    // Delimiters in the text plus one; 0 for a null or empty text.
    int CountItems(const char* text) const
    {
        if (!text || !*text) return 0;
        int n = 1;
        for (const char* p = text; *p; ++p)
            if (*p == delimiter) ++n;
        return n;
    }

    bool InRange(T min, T max) const
    {
        for (int i = 0; i < count; ++i)
            if (items[i] < min || items[i] > max) return false;
        return true;
    }

    int IndexOf(T value) const
    {
        for (int i = 0; i < count; ++i)
            if (items[i] == value) return i;
        return -1;
    }

    int count = 0;
    T* items = nullptr;
    char delimiter = '.';
};
