#pragma once
// A set of enumeration elements kept as bits, the first element in the
// lowest bit, as the report system's option sets are stored.
#include <initializer_list>
#include <type_traits>

namespace zamt {

template <class Element, class Bits, int Count> class RptSet {
    static_assert(Count > 0 && Count <= int(sizeof(Bits) * 8));

public:
    constexpr RptSet() = default;
    constexpr RptSet(std::initializer_list<Element> elements) {
        for (Element e : elements)
            bits_ = Bits(bits_ | bit(e));
    }

    static constexpr Bits Mask = Bits((1u << Count) - 1u);
    static constexpr RptSet all() { return fromBits(Mask); }
    // Bits beyond the last element are dropped.
    static constexpr RptSet fromBits(Bits bits) {
        RptSet set;
        set.bits_ = Bits(bits & Mask);
        return set;
    }

    constexpr Bits bits() const { return bits_; }
    constexpr bool contains(Element e) const { return (bits_ & bit(e)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr RptSet& operator+=(Element e) {
        bits_ = Bits(bits_ | bit(e));
        return *this;
    }
    constexpr RptSet& operator-=(Element e) {
        bits_ = Bits(bits_ & ~bit(e));
        return *this;
    }
    constexpr bool operator==(const RptSet&) const = default;

private:
    static constexpr Bits bit(Element e) {
        return Bits(1u << static_cast<std::underlying_type_t<Element>>(e));
    }
    Bits bits_ = 0;
};

} // namespace zamt
