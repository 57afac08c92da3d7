#pragma once
// Small hand-made results models for the results tests.

#include <string>
#include <vector>

#include "results/results_model.h"

namespace trimora::testing {

inline AreaRecord Rec(int16_t layout, int16_t type, int16_t roll, float xs, float ys, float xe,
                      float ye, float repeat, int16_t orientation = 0) {
  return {layout, type, roll, xs, ys, xe, ye, repeat, orientation};
}

inline CutRecord Cut(float length, float width, std::string description = "",
                     std::string party = "", std::string site = "") {
  return {0, length, width, 1, 0, std::move(description), std::move(party), std::move(site)};
}

inline RollRecord Roll(float length, float width, std::string location = "") {
  return {length, width, 1, 0, 0, 0, 0, std::move(location)};
}

// A model from records 1 .. R (element 0 added), with N the last record's layout number.
inline ResultsModel ModelOf(std::vector<AreaRecord> records, std::vector<RollRecord> rolls,
                            std::vector<CutRecord> cuts) {
  ResultsModel model;
  model.records.assign(1, AreaRecord{});
  model.records.insert(model.records.end(), records.begin(), records.end());
  model.layouts = records.empty() ? 0 : records.back().layout;
  model.rolls.assign(1, RollRecord{});
  model.rolls.insert(model.rolls.end(), rolls.begin(), rolls.end());
  model.cuts.assign(1, CutRecord{});
  model.cuts.insert(model.cuts.end(), cuts.begin(), cuts.end());
  model.basic.MAT = "MS";
  model.basic.GRADE = "A";
  model.basic.THICK = 2;
  model.basic.NOTE = "TEST ORDER";
  return model;
}

}  // namespace trimora::testing
