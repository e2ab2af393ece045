// The coordinate form: its fourteen fields, eight hemisphere selectors and four notations.
//
// Everything the rest of the program needs to know about the shape of the form lives in the
// tables of this header: which notation and half a field belongs to, what kind of number it holds,
// its tag, where Previous and Next lead, which fields the conversion of a half works on. Code looks
// these facts up instead of spelling them out again in switches.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane {

// The fourteen text fields, in their fixed order. The order is also the order of the tags,
// of field reading, of clearing and of the search for the field being edited.
enum class FieldId : std::uint8_t { d1, m1, s1, d2, m2, s2, d3, m3, d4, m4, d5, d6, d7, d8 };
inline constexpr std::size_t kFieldCount = 14;

// The eight two-segment hemisphere selectors. Odd numbers are latitude, even longitude.
enum class SelectorId : std::uint8_t { c1, c2, c3, c4, c5, c6, c7, c8 };
inline constexpr std::size_t kSelectorCount = 8;

// The four notations, in screen order.
enum class Notation : std::uint8_t { ddd_mm_sss, ddd_mmmmm, dddddddd1, dddddddd2 };
inline constexpr std::size_t kNotationCount = 4;

enum class Half : std::uint8_t { latitude, longitude };

// What a field holds. Degrees and Minutes are whole numbers; the others admit one decimal
// separator.
enum class FieldKind : std::uint8_t { Degrees, Minutes, Seconds, DecimalMinutes, DecimalDegrees };

// How an output line marks the hemisphere: "N"/"S" and "E"/"W", or a leading "-".
enum class MarkerStyle : std::uint8_t { letters, signs };

// A selector's index: 0 is North or East; any other index counts as South or West.
enum class Hemisphere : std::uint8_t { northOrEast, southOrWest };

struct FieldInfo {
    FieldId id;
    std::string_view name; // "d1" .. "d8"
    int tag;               // 0 .. 13, the platform's integer tag of the field
    Notation notation;
    Half half;
    FieldKind kind;
    double rangeLimit; // reading folds larger values below it; 0: whole numbers, no limit
};

struct SelectorInfo {
    SelectorId id;
    std::string_view name; // also the settings key, "c1" .. "c8"
    Notation notation;
    Half half;
};

// The fields and selectors of one notation.
struct NotationInfo {
    Notation id;
    std::string_view name;       // "ddd_mm_sss", ...
    std::array<FieldId, 3> latitudeFields;
    std::array<FieldId, 3> longitudeFields;
    std::size_t fieldsPerHalf;   // how many of the entries above are used (1 .. 3)
    SelectorId latitudeSelector;
    SelectorId longitudeSelector;
    MarkerStyle markers;
};

// The letters by which the conversion names the fields of one half (see conversion.h).
struct HalfFields {
    FieldId D; // degrees of ddd_mm_sss
    FieldId M; // minutes of ddd_mm_sss
    FieldId S; // seconds of ddd_mm_sss
    FieldId E; // degrees of ddd_mmmmm
    FieldId N; // decimal minutes of ddd_mmmmm
    FieldId F; // decimal degrees of dddddddd1
    FieldId G; // decimal degrees of dddddddd2
};

// Keystroke limits of a field, counted in UTF-16 code units of the resulting text.
struct LengthLimits {
    std::size_t withoutSeparator;
    std::size_t withSeparator;
};

struct FieldKindInfo {
    FieldKind kind;
    std::string_view name;
    bool admitsSeparator;  // one "." or "," may be typed
    bool normalisesComma;  // reading treats "," as "."
    LengthLimits limits;
    std::string_view unitMark; // appended by the conversion
};

// ---- Tables -------------------------------------------------------------------------------

inline constexpr std::array<FieldInfo, kFieldCount> kFields{{
    {FieldId::d1, "d1", 0, Notation::ddd_mm_sss, Half::latitude, FieldKind::Degrees, 0},
    {FieldId::m1, "m1", 1, Notation::ddd_mm_sss, Half::latitude, FieldKind::Minutes, 0},
    {FieldId::s1, "s1", 2, Notation::ddd_mm_sss, Half::latitude, FieldKind::Seconds, 60},
    {FieldId::d2, "d2", 3, Notation::ddd_mm_sss, Half::longitude, FieldKind::Degrees, 0},
    {FieldId::m2, "m2", 4, Notation::ddd_mm_sss, Half::longitude, FieldKind::Minutes, 0},
    {FieldId::s2, "s2", 5, Notation::ddd_mm_sss, Half::longitude, FieldKind::Seconds, 60},
    {FieldId::d3, "d3", 6, Notation::ddd_mmmmm, Half::latitude, FieldKind::Degrees, 0},
    {FieldId::m3, "m3", 7, Notation::ddd_mmmmm, Half::latitude, FieldKind::DecimalMinutes, 60},
    {FieldId::d4, "d4", 8, Notation::ddd_mmmmm, Half::longitude, FieldKind::Degrees, 0},
    {FieldId::m4, "m4", 9, Notation::ddd_mmmmm, Half::longitude, FieldKind::DecimalMinutes, 60},
    {FieldId::d5, "d5", 10, Notation::dddddddd1, Half::latitude, FieldKind::DecimalDegrees, 90},
    {FieldId::d6, "d6", 11, Notation::dddddddd1, Half::longitude, FieldKind::DecimalDegrees, 180},
    {FieldId::d7, "d7", 12, Notation::dddddddd2, Half::latitude, FieldKind::DecimalDegrees, 90},
    {FieldId::d8, "d8", 13, Notation::dddddddd2, Half::longitude, FieldKind::DecimalDegrees, 180},
}};

inline constexpr std::array<SelectorInfo, kSelectorCount> kSelectors{{
    {SelectorId::c1, "c1", Notation::ddd_mm_sss, Half::latitude},
    {SelectorId::c2, "c2", Notation::ddd_mm_sss, Half::longitude},
    {SelectorId::c3, "c3", Notation::ddd_mmmmm, Half::latitude},
    {SelectorId::c4, "c4", Notation::ddd_mmmmm, Half::longitude},
    {SelectorId::c5, "c5", Notation::dddddddd1, Half::latitude},
    {SelectorId::c6, "c6", Notation::dddddddd1, Half::longitude},
    {SelectorId::c7, "c7", Notation::dddddddd2, Half::latitude},
    {SelectorId::c8, "c8", Notation::dddddddd2, Half::longitude},
}};

inline constexpr std::array<NotationInfo, kNotationCount> kNotations{{
    {Notation::ddd_mm_sss, "ddd_mm_sss", {FieldId::d1, FieldId::m1, FieldId::s1},
     {FieldId::d2, FieldId::m2, FieldId::s2}, 3, SelectorId::c1, SelectorId::c2,
     MarkerStyle::letters},
    {Notation::ddd_mmmmm, "ddd_mmmmm", {FieldId::d3, FieldId::m3, FieldId::d3},
     {FieldId::d4, FieldId::m4, FieldId::d4}, 2, SelectorId::c3, SelectorId::c4,
     MarkerStyle::letters},
    {Notation::dddddddd1, "dddddddd1", {FieldId::d5, FieldId::d5, FieldId::d5},
     {FieldId::d6, FieldId::d6, FieldId::d6}, 1, SelectorId::c5, SelectorId::c6,
     MarkerStyle::letters},
    {Notation::dddddddd2, "dddddddd2", {FieldId::d7, FieldId::d7, FieldId::d7},
     {FieldId::d8, FieldId::d8, FieldId::d8}, 1, SelectorId::c7, SelectorId::c8,
     MarkerStyle::signs},
}};

inline constexpr std::string_view kDegreeMark = "\u00B0";
inline constexpr std::string_view kMinutesMark = "'";
inline constexpr std::string_view kSecondsMark = "\"";

inline constexpr std::array<FieldKindInfo, 5> kFieldKinds{{
    {FieldKind::Degrees, "Degrees", false, false, {3, 3}, kDegreeMark},
    {FieldKind::Minutes, "Minutes", false, false, {2, 2}, kMinutesMark},
    {FieldKind::Seconds, "Seconds", true, true, {5, 6}, kSecondsMark},
    {FieldKind::DecimalMinutes, "DecimalMinutes", true, true, {7, 8}, kMinutesMark},
    {FieldKind::DecimalDegrees, "DecimalDegrees", true, true, {10, 11}, kDegreeMark},
}};

// The limit used when no field is active or its tag names no field.
inline constexpr LengthLimits kUnknownFieldLimits{2, 2};

inline constexpr std::array<HalfFields, 2> kHalfFields{{
    {FieldId::d1, FieldId::m1, FieldId::s1, FieldId::d3, FieldId::m3, FieldId::d5, FieldId::d7},
    {FieldId::d2, FieldId::m2, FieldId::s2, FieldId::d4, FieldId::m4, FieldId::d6, FieldId::d8},
}};

// Navigation groups: Previous and Next move inside one group and never wrap.
inline constexpr std::array<FieldId, 6> kGroupDms{FieldId::d1, FieldId::m1, FieldId::s1,
                                                  FieldId::d2, FieldId::m2, FieldId::s2};
inline constexpr std::array<FieldId, 4> kGroupDm{FieldId::d3, FieldId::m3, FieldId::d4,
                                                 FieldId::m4};
inline constexpr std::array<FieldId, 2> kGroupDd1{FieldId::d5, FieldId::d6};
inline constexpr std::array<FieldId, 2> kGroupDd2{FieldId::d7, FieldId::d8};

struct Neighbours {
    std::optional<FieldId> previous;
    std::optional<FieldId> next;
};

// Previous and Next of each field, in FieldId order (derived from the groups above).
inline constexpr std::array<Neighbours, kFieldCount> kNavigation{{
    {std::nullopt, FieldId::m1}, // d1
    {FieldId::d1, FieldId::s1},  // m1
    {FieldId::m1, FieldId::d2},  // s1
    {FieldId::s1, FieldId::m2},  // d2
    {FieldId::d2, FieldId::s2},  // m2
    {FieldId::m2, std::nullopt}, // s2
    {std::nullopt, FieldId::m3}, // d3
    {FieldId::d3, FieldId::d4},  // m3
    {FieldId::m3, FieldId::m4},  // d4
    {FieldId::d4, std::nullopt}, // m4
    {std::nullopt, FieldId::d6}, // d5
    {FieldId::d5, std::nullopt}, // d6
    {std::nullopt, FieldId::d8}, // d7
    {FieldId::d7, std::nullopt}, // d8
}};

// ---- Lookups ------------------------------------------------------------------------------

constexpr std::size_t indexOf(FieldId f) { return static_cast<std::size_t>(f); }
constexpr std::size_t indexOf(SelectorId s) { return static_cast<std::size_t>(s); }
constexpr std::size_t indexOf(Notation n) { return static_cast<std::size_t>(n); }
constexpr std::size_t indexOf(Half h) { return static_cast<std::size_t>(h); }

constexpr const FieldInfo& info(FieldId f) { return kFields[indexOf(f)]; }
constexpr const SelectorInfo& info(SelectorId s) { return kSelectors[indexOf(s)]; }
constexpr const NotationInfo& info(Notation n) { return kNotations[indexOf(n)]; }
constexpr const FieldKindInfo& info(FieldKind k) { return kFieldKinds[static_cast<std::size_t>(k)]; }
constexpr const FieldKindInfo& kindInfo(FieldId f) { return info(info(f).kind); }
constexpr const HalfFields& halfFields(Half h) { return kHalfFields[indexOf(h)]; }
constexpr const Neighbours& neighbours(FieldId f) { return kNavigation[indexOf(f)]; }

// The field that carries this tag; any tag outside 0 .. 13 names no field.
constexpr std::optional<FieldId> fieldFromTag(int tag) {
    for (const auto& f : kFields)
        if (f.tag == tag) return f.id;
    return std::nullopt;
}

std::optional<FieldId> fieldFromName(std::string_view name);
std::optional<SelectorId> selectorFromName(std::string_view name);

// The latitude (or longitude) selectors of all four notations, in c1 .. c8 order.
constexpr std::array<SelectorId, 4> selectorsOfHalf(Half h) {
    return h == Half::latitude
               ? std::array{SelectorId::c1, SelectorId::c3, SelectorId::c5, SelectorId::c7}
               : std::array{SelectorId::c2, SelectorId::c4, SelectorId::c6, SelectorId::c8};
}

constexpr Hemisphere hemisphereOf(int selectorIndex) {
    return selectorIndex == 0 ? Hemisphere::northOrEast : Hemisphere::southOrWest;
}

} // namespace quorvane
