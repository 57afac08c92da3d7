#include "storage/field_catalogue.h"

#include <array>

namespace trimora {

namespace {

struct CatalogueEntry {
  std::string_view tag;
  FieldSpec spec;
};

constexpr std::array kCatalogue = {
    CatalogueEntry{"ORN", {1, 'O', 'T'}},          CatalogueEntry{"MAT", {6, 'S', 'T'}},
    CatalogueEntry{"GRADE", {6, 'S', 'T'}},        CatalogueEntry{"LAYOUT", {6, 'L', 'T'}},
    CatalogueEntry{"COLS", {6, 'L', 'T'}},         CatalogueEntry{"HS", {6, 'L', 'T'}},
    CatalogueEntry{"HP", {6, 'L', 'T'}},           CatalogueEntry{"VS", {6, 'L', 'T'}},
    CatalogueEntry{"VP", {6, 'L', 'T'}},           CatalogueEntry{"M(L)", {6, 'R', 'T'}},
    CatalogueEntry{"M(T)", {6, 'R', 'T'}},         CatalogueEntry{"M(R)", {6, 'R', 'T'}},
    CatalogueEntry{"M(B)", {6, 'R', 'T'}},         CatalogueEntry{"THICK", {6, 'R', 'T'}},
    CatalogueEntry{"MINCUT", {6, 'R', 'T'}},       CatalogueEntry{"KERF", {6, 'R', 'T'}},
    CatalogueEntry{"LENGTH", {7, 'R', 'T'}},       CatalogueEntry{"WIDTH", {7, 'R', 'T'}},
    CatalogueEntry{"BLADE", {7, 'R', 'T'}},        CatalogueEntry{"XS", {7, 'R', 'T'}},
    CatalogueEntry{"YS", {7, 'R', 'T'}},           CatalogueEntry{"XE", {7, 'R', 'T'}},
    CatalogueEntry{"YE", {7, 'R', 'T'}},           CatalogueEntry{"QTY", {7, 'L', 'T'}},
    CatalogueEntry{"LOCATION", {12, 'S', 'T'}},    CatalogueEntry{"DESCRIPTION", {12, 'S', 'T'}},
    CatalogueEntry{"PARTY", {12, 'S', 'T'}},       CatalogueEntry{"SITE", {12, 'S', 'T'}},
    CatalogueEntry{"PRODUCTS", {12, 'S', 'L'}},    CatalogueEntry{"DENSITY", {24, 'R', 'T'}},
    CatalogueEntry{"PRODUCT", {12, 'S', 'T'}},     CatalogueEntry{"CLIENT", {12, 'S', 'T'}},
    CatalogueEntry{"NOTE", {30, 'S', 'T'}},        CatalogueEntry{"REPORT", {76, 'X', 'X'}},
};

}  // namespace

bool GetFieldSpec(std::string_view tag, FieldSpec& spec) {
  for (const auto& entry : kCatalogue) {
    if (entry.tag == tag) {
      spec = entry.spec;
      return true;
    }
  }
  return false;
}

bool GetFieldSpec(std::string_view tag, int& width, char& type, char& entry) {
  FieldSpec spec;
  if (!GetFieldSpec(tag, spec)) return false;
  width = spec.width;
  type = spec.type;
  entry = spec.entry;
  return true;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// The type letter's filter for a key that the field still has room for.
char FilterByType(char type, char key, std::string_view cell) {
  switch (type) {
    case 'O':
      return key == '1' || key == '2' ? key : 0;
    case 'R':
      if (IsDigit(key)) return key;
      return key == '.' && cell.find('.') == std::string_view::npos ? key : 0;
    case 'L':
      return IsDigit(key) ? key : 0;
    case 'S': {
      const auto code = static_cast<unsigned char>(key);
      return code >= 32 && code <= 126 && key != '"' && key != ',' ? key : 0;
    }
    case 'X':
      return 0;
    default:  // a tag the catalogue does not know
      return key;
  }
}

}  // namespace

char TypedCharacter(const FieldSpec& spec, char key, std::string_view cell) {
  if (cell.size() == size_t(spec.width)) return 0;  // the field is full
  return FilterByType(spec.type, UpperCase(key), cell);
}

}  // namespace trimora
