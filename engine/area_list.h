#pragma once
// One layout in progress, and every layout of a plan, as a flat list of axis-parallel
// rectangles on a stock roll. X runs across the roll WIDTH, Y along its LENGTH; the origin is
// the corner where the M(L) and M(T) margins meet. Element 0 of a list holds no area.

#include <cstdint>
#include <vector>

namespace trimora {

// TYPE codes; a positive TYPE is a placed piece and equals its cut index.
enum AreaType : int16_t {
  kRollOutline = -1,
  kMarginStrip = -2,
  kSpentArea = -3,
  kFreeArea = -4,
  kDeadArea = -5,
  kCutLine = -6,
};

// Orientation of a placed piece: lengthwise puts the cut's WIDTH along X, crosswise its LENGTH.
enum Orientation : int16_t {
  kNoOrientation = 0,
  kLengthwise = 1,
  kCrosswise = 2,
};

struct AreaRecord {
  int16_t layout = 0;  // 0 while the layout is being built
  int16_t TYPE = 0;
  int16_t roll = 0;  // roll index
  float XS = 0;      // left edge
  float YS = 0;      // top edge
  float XE = 0;      // right edge
  float YE = 0;      // bottom edge
  float repeat = 0;  // how many times the layout is cut
  int16_t orientation = 0;
};

using AreaList = std::vector<AreaRecord>;  // element 0 holds no area

// A record of the given TYPE on roll `roll`, with layout number, repeat count and orientation 0.
inline AreaRecord MakeArea(int16_t type, int16_t roll, float xs, float ys, float xe, float ye) {
  AreaRecord a;
  a.TYPE = type;
  a.roll = roll;
  a.XS = xs;
  a.YS = ys;
  a.XE = xe;
  a.YE = ye;
  return a;
}

// Indices into the cut list and the area list are 16-bit: an area list holds at most this.
inline constexpr int kMaxRecords = 32767;

// a when a <= b, else b.
inline float MinSingle(float a, float b) { return a <= b ? a : b; }

}  // namespace trimora
