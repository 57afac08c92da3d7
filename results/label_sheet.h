#pragma once
// The label sheet. One five-line label per placed piece, arranged in rows of COLS
// labels as lbl.def says, written to lbl.tlf for printing in a fixed-pitch font.

#include <optional>
#include <string>
#include <vector>

#include "results/results_model.h"

namespace trimora {

inline constexpr const char* kLabelDefinitionFile = "lbl.def";
inline constexpr const char* kLabelSheetFile = "lbl.tlf";
inline constexpr const char* kLabelsNotDefinedMessage =
    "Labels are not defined. Define them with the Labels button of the launcher.";

// lbl.def: one record of five whole numbers.
struct LabelDefinition {
  int COLS = 0;  // labels per row
  int HS = 0;    // column at which the first label of a row starts
  int HP = 0;    // characters from the start of one label to the start of the next
  int VS = 0;    // empty lines before the first row
  int VP = 0;    // empty lines after each row
};

// A label row must fit a printable line, and the spacing a page: beyond these a sheet would
// only waste paper and memory.
inline constexpr const char* kLabelsOutOfRangeMessage =
    "The label definition is out of range: COLS from 1 to 20, HS and HP from 1 to 200, VS and "
    "VP from 0 to 100. Change it with the Labels button of the launcher.";

// The five fields of a lbl.def record, each number rounded to an integer.
LabelDefinition LabelDefinitionOf(const std::vector<std::string>& fields);

// "" when the definition can be printed, otherwise kLabelsOutOfRangeMessage.
std::string LabelDefinitionProblem(const LabelDefinition& definition);

// The first record of lbl.def in the working directory, each field's number rounded to an
// integer. None, with problem (when given) saying why, when the file is missing or empty or a
// field is out of range: nothing may be printed.
std::optional<LabelDefinition> ReadLabelDefinition(std::string* problem = nullptr);

// The five lines of the label of a placed piece record.
std::vector<std::string> LabelLines(const ResultsModel& model, const AreaRecord& piece);

// The lines of lbl.tlf in the blocks a printed page must not split: first the VS empty lines
// before the first row, then each row of labels followed by its VP empty lines. A row has five
// lines, or more where a label wider than its pitch pushes text onto a new line.
std::vector<std::vector<std::string>> LabelSheetRows(const ResultsModel& model,
                                                     const LabelDefinition& definition, int layout);

// The whole lbl.tlf text (CR LF line ends) for the records of layout n (1 .. N), or of all
// layouts when n is 0. The layout's records run from its layout start (model.layoutStart, or
// the roll outline of layout n when the table is not filled) to the record before the next
// layout's start, or to R.
std::string LabelSheetText(const ResultsModel& model, const LabelDefinition& definition,
                           int layout);

// Reads lbl.def and writes lbl.tlf in the working directory. False, with the message in
// error, when labels are not defined (nothing written) or lbl.tlf cannot be written.
bool WriteLabelSheet(const ResultsModel& model, int layout, std::string* error = nullptr);

}  // namespace trimora
