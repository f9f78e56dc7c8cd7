#pragma once
// A drawing database object identifier. Ids are opaque numbers handed out by the host; 0 is the null id.
#include <cstdint>
#include <functional>

class AcDbObjectId {
public:
    static const AcDbObjectId kNull;

    constexpr AcDbObjectId() = default;
    constexpr explicit AcDbObjectId(std::int64_t value) : value_(value) {}

    constexpr bool isNull() const { return value_ == 0; }
    constexpr void setNull() { value_ = 0; }
    constexpr std::int64_t asOldId() const { return value_; }

    friend constexpr bool operator==(AcDbObjectId a, AcDbObjectId b) { return a.value_ == b.value_; }
    friend constexpr auto operator<=>(AcDbObjectId a, AcDbObjectId b) { return a.value_ <=> b.value_; }

private:
    std::int64_t value_ = 0;
};

inline constexpr AcDbObjectId AcDbObjectId::kNull{};

template <>
struct std::hash<AcDbObjectId> {
    std::size_t operator()(AcDbObjectId id) const noexcept { return std::hash<std::int64_t>()(id.asOldId()); }
};
