// The settings and library files beside a job: the label definition with the label sheet it
// gives, the densities, the drawing settings and the material library.

#include "fuzz_workdir.h"
#include "libraries/library_file.h"
#include "libraries/material_library.h"
#include "results/label_sheet.h"
#include "results/layout_settings.h"
#include "storage/report_measure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace trimora;
  fuzz::EnterPrivateFolder();
  for (const char* name : {"lbl.def", "density.dat", "dia.set", "mlm.dat"}) {
    fuzz::WriteInput(name, data, size);
  }
  ResultsModel model;  // two placed pieces of one cut-piece
  model.records.assign(3, AreaRecord{});
  model.records[1] = model.records[2] = MakeArea(1, 1, 0, 0, 10, 10);
  model.records[1].layout = model.records[2].layout = 1;
  model.cuts.assign(2, CutRecord{});
  model.layouts = 1;
  if (const auto definition = ReadLabelDefinition()) LabelSheetText(model, *definition, 0);
  MeasureValueFor("Weight", "MS", 2, 100, 50, 3);
  LayoutSettings settings;
  ReadLayoutSettings("dia.set", settings);
  std::vector<LibraryRecord> library = ReadLibraryRecords(kMaterialLibraryFile, 7);
  MergeLibraryRecords(library);
  return 0;
}
