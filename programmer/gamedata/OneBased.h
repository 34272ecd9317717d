#pragma once

#include <array>

// A fixed array addressed 1..N, as the records, modes and key presses are numbered everywhere
// in the program. An index outside 1..N never touches memory: reads give the caller's fallback,
// writes are dropped, and at() gives nullptr.
template <typename T, int N> class OneBased {
    static_assert(N > 0);

public:
    static constexpr int Count = N;
    static constexpr bool InRange(int i) { return i >= 1 && i <= N; }

    T* at(int i) { return InRange(i) ? &items_[static_cast<std::size_t>(i - 1)] : nullptr; }
    const T* at(int i) const {
        return InRange(i) ? &items_[static_cast<std::size_t>(i - 1)] : nullptr;
    }

    // Element i by value, or fallback when i is out of range.
    T value(int i, const T& fallback = T{}) const {
        const T* item = at(i);
        return item != nullptr ? *item : fallback;
    }
    T operator()(int i) const { return value(i); }

    // Returns false and changes nothing when i is out of range.
    bool set(int i, const T& v) {
        T* item = at(i);
        if (item == nullptr) {
            return false;
        }
        *item = v;
        return true;
    }

    void fill(const T& v) { items_.fill(v); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const OneBased&) const = default;

private:
    std::array<T, N> items_{};
};
