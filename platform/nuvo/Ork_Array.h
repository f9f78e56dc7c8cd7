#pragma once
// The host's owning array: every element is a heap copy owned by the array, so element addresses stay
// valid while other elements are inserted or removed. Copying the array copies the elements.
//
// Inserting accepts positions 0 to length(), removing 0 to length() - 1. Any other index prints
// "*Error* Invalid index passed to insert.\n" or "...remove.\n" on the host's command line and changes
// nothing (the caller learns it from the false result).
#include <memory>
#include <vector>

namespace nuvo {
void reportInvalidIndex(bool insert);
}

template <typename T>
class Ork_Array {
public:
    Ork_Array() = default;
    Ork_Array(const Ork_Array& other) { copyFrom(other); }
    Ork_Array& operator=(const Ork_Array& other) {
        if (this != &other) {
            Ork_Array copy(other);   // copied first, so a failed copy leaves this array as it was
            items_.swap(copy.items_);
        }
        return *this;
    }
    Ork_Array(Ork_Array&&) noexcept = default;
    Ork_Array& operator=(Ork_Array&&) noexcept = default;
    virtual ~Ork_Array() = default;

    int length() const { return static_cast<int>(items_.size()); }
    bool isEmpty() const { return items_.empty(); }

    // Unchecked access; use get() where the index may be out of range.
    T& operator[](int index) { return *items_[static_cast<std::size_t>(index)]; }
    const T& operator[](int index) const { return *items_[static_cast<std::size_t>(index)]; }
    // The element, or null when the index is outside the array.
    T* get(int index) { return valid(index) ? items_[static_cast<std::size_t>(index)].get() : nullptr; }
    const T* get(int index) const { return valid(index) ? items_[static_cast<std::size_t>(index)].get() : nullptr; }

    // Returns the new element's index.
    int append(const T& value) {
        items_.push_back(std::make_unique<T>(value));
        return length() - 1;
    }
    int append(T&& value) {
        items_.push_back(std::make_unique<T>(std::move(value)));
        return length() - 1;
    }
    bool insertAt(int index, const T& value) {
        if (index < 0 || index > length()) {
            nuvo::reportInvalidIndex(true);
            return false;
        }
        items_.insert(items_.begin() + index, std::make_unique<T>(value));
        return true;
    }
    bool removeAt(int index) {
        if (!valid(index)) {
            nuvo::reportInvalidIndex(false);
            return false;
        }
        items_.erase(items_.begin() + index);
        return true;
    }
    void removeAll() { items_.clear(); }

    // Iteration over the elements (not the owning pointers).
    template <typename Ptr, typename Ref>
    class Iter {
    public:
        explicit Iter(Ptr p) : p_(p) {}
        Ref operator*() const { return **p_; }
        Iter& operator++() { ++p_; return *this; }
        bool operator!=(const Iter& o) const { return p_ != o.p_; }
        bool operator==(const Iter& o) const { return p_ == o.p_; }
    private:
        Ptr p_;
    };
    auto begin() { return Iter<typename std::vector<std::unique_ptr<T>>::iterator, T&>(items_.begin()); }
    auto end() { return Iter<typename std::vector<std::unique_ptr<T>>::iterator, T&>(items_.end()); }
    auto begin() const { return Iter<typename std::vector<std::unique_ptr<T>>::const_iterator, const T&>(items_.begin()); }
    auto end() const { return Iter<typename std::vector<std::unique_ptr<T>>::const_iterator, const T&>(items_.end()); }

private:
    bool valid(int index) const { return index >= 0 && index < length(); }
    void copyFrom(const Ork_Array& other) {
        items_.reserve(other.items_.size());
        for (const auto& item : other.items_)
            items_.push_back(std::make_unique<T>(*item));
    }

    std::vector<std::unique_ptr<T>> items_;
};
