#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace zorind {

// The numbers first..last as a range for range-for loops. (std::views::iota
// would do, but the clang that builds the fuzzers cannot compile it against
// this standard library.)
class NumberRange {
public:
    class Iterator {
    public:
        explicit Iterator(int n) : n_(n) {}
        int operator*() const { return n_; }
        Iterator& operator++()
        {
            ++n_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return n_ != other.n_; }

    private:
        int n_;
    };

    NumberRange(int first, int last) : first_(first), last_(last < first ? first - 1 : last) {}
    Iterator begin() const { return Iterator(first_); }
    Iterator end() const { return Iterator(last_ + 1); }

private:
    int first_;
    int last_;
};

// Fixed storage numbered from 1, as the user sees and types the numbers.
// Entry 0 exists only so that the numbering needs no offset; it is never
// used. Access outside 0..Capacity throws, so a stray reference in a damaged
// model ends the command with an error box instead of corrupting memory.
// Used as is for tables indexed by another table's numbers (results per
// element, the check's scratch copy of the elements).
template <class T, int Capacity> class NumberedArray {
public:
    static constexpr int capacity = Capacity;

    T& operator[](int k) { return entries_[checked(k)]; }
    const T& operator[](int k) const { return entries_[checked(k)]; }

    // Zeroes every entry.
    void fillZero() { entries_.fill(T{}); }

protected:
    static std::size_t checked(int k)
    {
        if (k < 0 || k > Capacity) {
            throw std::out_of_range("numer poza tablicą: " + std::to_string(k));
        }
        return static_cast<std::size_t>(k);
    }

    std::array<T, Capacity + 1> entries_{};
};

// A model table: fixed capacity plus the count of entries in use, numbered
// 1..count(). The count can never leave 0..Capacity, so nothing outside this
// class clamps it. Entries above the count keep whatever they held (a reset
// only lowers the count), as the model has always behaved.
template <class T, int Capacity> class Table : public NumberedArray<T, Capacity> {
    using Base = NumberedArray<T, Capacity>;

public:
    Table() = default;
    explicit Table(int initialCount) { resize(initialCount); }

    int count() const { return count_; }
    // Whether n names an entry in use.
    bool contains(int n) const { return n >= 1 && n <= count_; }
    // Whether `extra` more entries fit.
    bool fits(int extra = 1) const { return extra >= 0 && count_ <= Capacity - extra; }
    bool full() const { return count_ >= Capacity; }

    // Appends an entry and returns its number, or 0 (changing nothing) when
    // the table is full.
    int append(const T& entry)
    {
        if (full()) {
            return 0;
        }
        ++count_;
        this->entries_[static_cast<std::size_t>(count_)] = entry;
        return count_;
    }

    // Removes entry n: later entries move down one number and the freed
    // last slot is zeroed. References to the moved entries are the caller's
    // (see the model's delete commands). False, changing nothing, when n is
    // not in use.
    bool erase(int n)
    {
        if (!contains(n)) {
            return false;
        }
        for (int i = n; i < count_; ++i) {
            this->entries_[static_cast<std::size_t>(i)] = this->entries_[static_cast<std::size_t>(i + 1)];
        }
        this->entries_[static_cast<std::size_t>(count_)] = T{};
        --count_;
        return true;
    }

    // Sets the count without touching the entries (a reset, a file being
    // read). Throws when n is outside 0..Capacity: callers check first.
    void resize(int n)
    {
        if (n < 0 || n > Capacity) {
            throw std::out_of_range("liczba pozycji poza pojemnością tablicy: " + std::to_string(n));
        }
        count_ = n;
    }

    // The numbers in use, 1..count(), for loops that need the number.
    NumberRange numbers() const { return NumberRange(1, count_); }

    // The entries in use, for loops that need only the entry.
    T* begin() { return this->entries_.data() + 1; }
    T* end() { return this->entries_.data() + 1 + count_; }
    const T* begin() const { return this->entries_.data() + 1; }
    const T* end() const { return this->entries_.data() + 1 + count_; }

private:
    int count_ = 0;
};

} // namespace zorind
