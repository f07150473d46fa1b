#pragma once
// The position texts the teaching screen shows and hands back: X, Y, Z, R and the second and
// third points X2, Y2, X3, Y3, carried as the texts stand (no number conversion). Plain, so
// that each editor's data core can write them.
#include <array>
#include <string>

namespace mivo {

enum TeachField : int { TeachX, TeachY, TeachZ, TeachR, TeachX2, TeachY2, TeachX3, TeachY3 };
inline constexpr int kTeachFieldCount = 8;
using TeachTexts = std::array<std::string, kTeachFieldCount>;

// A set of fields, one bit per TeachField.
constexpr unsigned TeachBit(TeachField f) { return 1u << f; }
inline constexpr unsigned kTeachFirstPoint =
    TeachBit(TeachX) | TeachBit(TeachY) | TeachBit(TeachZ) | TeachBit(TeachR);
inline constexpr unsigned kTeachOtherPoints =
    TeachBit(TeachX2) | TeachBit(TeachY2) | TeachBit(TeachX3) | TeachBit(TeachY3);

// What an opener presets: the fields' texts and which of them the screen shows.
struct TeachPositions {
    TeachTexts texts;
    unsigned shown = kTeachFirstPoint;
    bool operator==(const TeachPositions&) const = default;
};

}  // namespace mivo
