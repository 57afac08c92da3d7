#include "shell/sheet_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "libraries/mlm_window.h"
#include "shell/entry_markers.h"
#include "shell/marker_label.h"
#include "shell/roll_import.h"
#include "storage/number_text.h"

namespace trimora {

namespace {

JobEntryDesign Design() {
  return {.table = RollSpecificationsTable(),
          .caption = "Sheet Specifications",
          .hiddenColumns = {4, 5, 6, 7},  // M(L), M(T), M(R), M(B)
          .serialShown = true,
          .singleRecord = false,
          .rules = kSheetSpecificationsRules};
}

}  // namespace

SHEET::SHEET(JobWindowHost& host, QWidget* parent) : JobEntryWindow(Design(), host, parent) {
  AddGridToolbar();
  QHBoxLayout* row = TopRow();
  const char* captions[] = {"ML", "MT", "MR", "MB"};
  for (size_t i = 0; i < marginMarkers_.size(); ++i) {
    marginMarkers_[i] = MarkerLabel(captions[i], QString("marginMarker%1").arg(i + 1), this);
    row->addWidget(marginMarkers_[i]);
  }
  row->addStretch();
  AddButton(row, "Import", "importButton", [this] { ImportRolls(); });
  ShowMarginMarkers();
}

void SHEET::ShowMarginMarkers() {
  const std::array<bool, 4> shown = MarginMarkers(grid());
  for (size_t i = 0; i < shown.size(); ++i) marginMarkers_[i]->setVisible(shown[i]);
}

// The imported rolls replace every earlier row; sheet.tlf is rewritten only when the library
// has stock of the material, so a failed import loses nothing.
void SHEET::ImportRolls() {
  const Grid& basic = Host().BasicDetails();
  const auto rolls =
      FindLibraryRolls(basic.Text(1, 1), basic.Text(1, 2), LeadingSingle(basic.Text(1, 3)));
  DialogService& dialogs = Host().Services().dialogs;
  if (rolls.empty()) {
    const MessageAnswer answer = dialogs.ShowMessage(
        {"Material specified was not found in MLM. Do you want to refer to MLM?", "Attention!",
         MessageButtons::YesNo, MessageIcon::Exclamation});
    if (answer == MessageAnswer::Yes) OpenMaterialLibrary();
    return;
  }
  Host().InvalidateResults();
  WriteImportedRolls(rolls);
  Reload();
  Host().SetImportedFromLibrary();
  dialogs.ShowMessage({std::to_string(rolls.size()) + " size(s) imported from MLM", "Attention!",
                       MessageButtons::Ok, MessageIcon::Information});
}

// Modal over the main window, without waiting here: the user consults the library and closes it.
void SHEET::OpenMaterialLibrary() {
  auto* library = new MLM(Host().Services(), window());
  library->setWindowFlag(Qt::Window);
  library->setWindowModality(Qt::ApplicationModal);
  library->setAttribute(Qt::WA_DeleteOnClose);
  library->show();
}

}  // namespace trimora
