#pragma once
// What the job-entry windows need from the main window that holds them.

#include <string>

#include "platform/shell_services.h"
#include "storage/grid.h"

namespace trimora {

class JobWindowHost {
 public:
  virtual ~JobWindowHost() = default;
  virtual ShellServices& Services() = 0;
  // The job has edits not yet saved.
  virtual void SetDataChanged() = 0;
  // Rolls were imported from the Material Library.
  virtual void SetImportedFromLibrary() = 0;
  // The change guard.
  virtual void InvalidateResults() = 0;
  // "" while the job has no file.
  virtual const std::string& JobFileName() const = 0;
  // The Basic Details grid, opening its window when it is not open.
  virtual const Grid& BasicDetails() = 0;
  // The Blade and Kerf dialog for the job.
  virtual void EditBladeAndKerf() = 0;
};

}  // namespace trimora
