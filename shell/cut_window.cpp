#include "shell/cut_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/entry_markers.h"
#include "shell/marker_label.h"

namespace trimora {

namespace {

JobEntryDesign Design() {
  return {.table = CutPieceTable(),
          .caption = "Cut-Piece Measurement",
          .hiddenColumns = {},
          .serialShown = true,
          .singleRecord = false,
          .rules = kCutPieceRules};
}

}  // namespace

CUT::CUT(JobWindowHost& host, QWidget* parent) : JobEntryWindow(Design(), host, parent) {
  AddGridToolbar();
  QHBoxLayout* row = TopRow();
  orientationMarkers_ = {MarkerLabel("1", "orientationMarker1", this),
                         MarkerLabel("2", "orientationMarker2", this)};
  for (QLabel* marker : orientationMarkers_) row->addWidget(marker);
  row->addStretch();
  ShowOrientationMarkers();
}

void CUT::ShowOrientationMarkers() {
  const auto shown = OrientationMarkersFor(grid());
  if (!shown) return;
  orientationMarkers_[0]->setVisible(shown->one);
  orientationMarkers_[1]->setVisible(shown->two);
}

}  // namespace trimora
