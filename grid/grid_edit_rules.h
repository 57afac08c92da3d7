#pragma once
// How one window's grid differs from the others under the shared editing: whether it keeps a
// blank entry row, which columns feed the layouts (so that editing them must run the change
// guard), and whether a paste changes the job.

namespace trimora {

struct GridEditRules {
  // Typing into the last row adds a new blank entry row (lists of any length).
  bool keepsEntryRow = true;
  // A key typed or Delete pressed in columns 1 .. guardedColumns runs the change guard first,
  // even when the key is then refused.
  int guardedColumns = 0;
  // A paste runs the change guard and marks the job changed.
  bool pasteChangesJob = false;
};

// Basic Details: exactly one record, and nothing in it feeds the layouts directly.
inline constexpr GridEditRules kBasicDetailsRules{false, 0, false};
// Sheet Specifications: LENGTH, WIDTH, QTY and the four margins, not LOCATION.
inline constexpr GridEditRules kSheetSpecificationsRules{true, 7, true};
// Cut-Piece Measurement: LENGTH, WIDTH, QTY and ORN, not the three free texts.
inline constexpr GridEditRules kCutPieceRules{true, 4, true};

}  // namespace trimora
