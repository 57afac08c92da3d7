#pragma once
// Basic Details: the job's one record of material, grade, thickness and note. The blade reach,
// minimum cut and kerf come from the job's defaults and are kept, not shown in the grid; the
// window's "Blade and Kerf..." button ("bladeKerfButton") shows and edits them.

#include "shell/job_entry_window.h"

namespace trimora {

class BASIC : public JobEntryWindow {
 public:
  explicit BASIC(JobWindowHost& host, QWidget* parent = nullptr);
};

}  // namespace trimora
