#pragma once
// The File menu's commands on the current job: New, Open..., Save, Save As..., Save As
// Defaults, the "save changes" question, and the main window's title that names the job file.

#include <string>

#include "platform/dialog_service.h"
#include "storage/job_file.h"
#include "storage/options_file.h"

namespace trimora {

inline constexpr const char* kBaseTitle = "Base Module";
inline constexpr const char* kJobFileFilter = "*.trm|*.trm";

// The job's flags and file, owned by the main window.
struct JobState {
  bool dataChanged = false;          // edits not yet saved
  bool importedFromLibrary = false;  // rolls came from the Material Library
  std::string fileName;              // "" for a job never saved
};

// What the commands need from the main window besides closing and reopening the job-entry
// windows around a save or a load.
class FileCommandHost : public JobWindows {
 public:
  virtual void SetTitle(const std::string& title) = 0;
  // The Optimize menu's check marks, saved and restored with the job.
  virtual OptimizeOptions Options() const = 0;
  virtual void SetOptions(const OptimizeOptions& options) = 0;
  // The View menu's Layouts command.
  virtual void ViewLayouts() = 0;
};

// The base title, " - " and the path as it is on disk.
std::string JobTitle(const std::string& path);

class FileCommands {
 public:
  FileCommands(JobState& state, DialogService& dialogs, FileCommandHost& host)
      : state_(state), dialogs_(dialogs), host_(host) {}

  // No when nothing changed; otherwise asks, and on Yes runs Save As... first.
  MessageAnswer AskSaveChanges();
  void New();
  void Open();
  // Opens the job at path as Open... does once a file is chosen.
  void OpenFile(const std::string& path);
  void Save();
  void SaveAs();
  void SaveAsDefaults();
  // Loads the Defaults job when there is one. Answers false when there is none or it cannot
  // be read (the user has been told).
  bool LoadDefaults();

 private:
  void SaveTo(const std::string& path);
  bool Load(const std::string& path);
  void Opened(const std::string& path);

  JobState& state_;
  DialogService& dialogs_;
  FileCommandHost& host_;
};

}  // namespace trimora
