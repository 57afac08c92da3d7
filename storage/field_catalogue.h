#pragma once
// The field catalogue: for each field tag, the column width and what may be typed into it.

#include <string_view>

namespace trimora {

struct FieldSpec {
  int width = 0;
  char type = ' ';   // 'O' orientation digit, 'S' text, 'L' whole number, 'R' decimal, 'X' none
  char entry = ' ';  // 'T' typed in place, 'L' chosen from the product list, 'X' not editable
};

// Exact, case-sensitive lookup. For a tag not in the catalogue the outputs keep whatever
// values they held, and the answer is false.
bool GetFieldSpec(std::string_view tag, int& width, char& type, char& entry);
bool GetFieldSpec(std::string_view tag, FieldSpec& spec);

// What a key typed into a cell of the field that holds cell appends to it: the key in upper
// case, or 0 when the field is full or its type refuses the key.
char TypedCharacter(const FieldSpec& spec, char key, std::string_view cell);

}  // namespace trimora
