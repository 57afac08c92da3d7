#include "shell/basic_window.h"

#include <QHBoxLayout>
#include <QPushButton>

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

BASIC::BASIC(JobWindowHost& host, QWidget* parent)
    : JobEntryWindow(Design(), host, parent),
      cmdBladeKerf(new QPushButton("Blade and Kerf...", this)) {
  cmdBladeKerf->setObjectName("cmdBladeKerf");
  TopRow()->addStretch();
  TopRow()->addWidget(cmdBladeKerf);
  connect(cmdBladeKerf, &QPushButton::clicked, this, [this] { Host().EditBladeAndKerf(); });
}

}  // namespace trimora
