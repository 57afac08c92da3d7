#include "shell/basic_window.h"

#include <QHBoxLayout>

namespace trimora {

namespace {

JobEntryDesign Design() {
  return {.table = BasicDetailsTable(),
          .caption = "Basic Details",
          .hiddenColumns = {4, 5, 6},  // BLADE, MINCUT, KERF
          .serialShown = false,
          .singleRecord = true,
          .rules = kBasicDetailsRules};
}

}  // namespace

BASIC::BASIC(JobWindowHost& host, QWidget* parent) : JobEntryWindow(Design(), host, parent) {
  TopRow()->addStretch();
  AddButton(TopRow(), "Blade and Kerf...", "bladeKerfButton",
            [this] { Host().EditBladeAndKerf(); });
}

}  // namespace trimora
