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

}  // namespace trimora
