#pragma once
// The CAD host's value array: an ordered array of copies with int indexes, as the host's callers count.
// Out-of-range indexes on the checked operations are refused (false / -1), never undefined behaviour.
#include <algorithm>
#include <initializer_list>
#include <vector>

template <typename T>
class AcArray {
public:
    AcArray() = default;
    AcArray(std::initializer_list<T> items) : items_(items) {}

    int length() const { return static_cast<int>(items_.size()); }
    int logicalLength() const { return length(); }
    bool isEmpty() const { return items_.empty(); }

    // Unchecked element access, as the host's operator[]. (decltype(auto) keeps AcArray<bool> usable.)
    decltype(auto) operator[](int index) { return items_[static_cast<std::size_t>(index)]; }
    decltype(auto) operator[](int index) const { return items_[static_cast<std::size_t>(index)]; }
    decltype(auto) at(int index) { return items_.at(static_cast<std::size_t>(index)); }
    decltype(auto) at(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    decltype(auto) first() const { return items_.front(); }
    decltype(auto) last() const { return items_.back(); }

    // Returns the index of the appended element.
    int append(const T& value) {
        items_.push_back(value);
        return length() - 1;
    }
    AcArray& append(const AcArray& other) {
        items_.insert(items_.end(), other.items_.begin(), other.items_.end());
        return *this;
    }
    // Positions 0 to length() are valid.
    bool insertAt(int index, const T& value) {
        if (index < 0 || index > length())
            return false;
        items_.insert(items_.begin() + index, value);
        return true;
    }
    bool removeAt(int index) {
        if (index < 0 || index >= length())
            return false;
        items_.erase(items_.begin() + index);
        return true;
    }
    bool removeFirst() { return removeAt(0); }
    bool removeLast() { return removeAt(length() - 1); }
    void removeAll() { items_.clear(); }
    // Shrinks, or grows with default values.
    void setLogicalLength(int n) { items_.resize(static_cast<std::size_t>(std::max(n, 0))); }
    void setPhysicalLength(int n) { items_.reserve(static_cast<std::size_t>(std::max(n, 0))); }

    int find(const T& value, int start = 0) const {
        for (int i = std::max(start, 0); i < length(); ++i)
            if (items_[static_cast<std::size_t>(i)] == value)
                return i;
        return -1;
    }
    bool contains(const T& value) const { return find(value) >= 0; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    friend bool operator==(const AcArray& a, const AcArray& b) { return a.items_ == b.items_; }

private:
    std::vector<T> items_;
};
