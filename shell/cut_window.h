#pragma once
// Cut-Piece Measurement: the pieces to cut, with markers 1 and 2 ("orientationMarker1",
// "orientationMarker2") showing which orientations the current row allows.

#include <array>

#include "shell/job_entry_window.h"

class QLabel;

namespace trimora {

class CUT : public JobEntryWindow {
 public:
  explicit CUT(JobWindowHost& host, QWidget* parent = nullptr);

 protected:
  void ShowCurrentRow() override { ShowOrientationMarkers(); }

 private:
  void ShowOrientationMarkers();

  std::array<QLabel*, 2> orientationMarkers_{};
};

}  // namespace trimora
