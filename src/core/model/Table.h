#pragma once

#include <array>
#include <stdexcept>
#include <string>

namespace zorind {

// A fixed-capacity table numbered from 1, as the user sees and types the
// numbers. Entry 0 exists only so that the numbering needs no offset; it is
// never used. Access outside 1..Capacity throws, so a stray reference in a
// damaged model ends the command with an error box instead of corrupting
// memory.
template <class T, int Capacity> class Table {
public:
    static constexpr int capacity = Capacity;

    T& operator[](int k) { return entries_[checked(k)]; }
    const T& operator[](int k) const { return entries_[checked(k)]; }

    static bool validIndex(int k) { return k >= 1 && k <= Capacity; }

    void clear() { entries_.fill(T{}); }

    // Closes the gap left by entry k among entries 1..count: later entries
    // move down by one. The last slot is cleared.
    void removeAt(int k, int count)
    {
        checked(k);
        for (int i = k; i < count && i < Capacity; ++i) {
            entries_[i] = entries_[i + 1];
        }
        if (count >= 1 && count <= Capacity) {
            entries_[count] = T{};
        }
    }

private:
    static std::size_t checked(int k)
    {
        if (k < 0 || k > Capacity) {
            throw std::out_of_range("numer poza tablicą: " + std::to_string(k));
        }
        return static_cast<std::size_t>(k);
    }

    std::array<T, Capacity + 1> entries_{};
};

} // namespace zorind
