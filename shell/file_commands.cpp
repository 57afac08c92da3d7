#include "shell/file_commands.h"

#include "storage/file_utils.h"

namespace trimora {

namespace {

constexpr const char* kAttention = "Attention!";

Message Problem(const std::string& text) {
  return {text, kAttention, MessageButtons::Ok, MessageIcon::Exclamation};
}

}  // namespace

// The path as it is on disk: where names differ by case, another case is another file.
std::string JobTitle(const std::string& path) { return std::string(kBaseTitle) + " - " + path; }

MessageAnswer FileCommands::AskSaveChanges() {
  if (!state_.dataChanged) return MessageAnswer::No;
  const MessageAnswer answer =
      dialogs_.ShowMessage({"Save changes in current file?", kAttention,
                            MessageButtons::YesNoCancel, MessageIcon::Question});
  if (answer == MessageAnswer::Yes) SaveAs();
  return answer;
}

void FileCommands::New() {
  if (AskSaveChanges() == MessageAnswer::Cancel) return;
  LoadDefaults();
  state_.fileName.clear();
  state_.importedFromLibrary = false;
  state_.dataChanged = false;
  host_.SetTitle(kBaseTitle);
}

void FileCommands::Open() {
  if (AskSaveChanges() == MessageAnswer::Cancel) return;
  const std::string previous = state_.fileName;
  state_.fileName.clear();
  const auto path = dialogs_.OpenFile({kJobFileFilter, "Open File...", ""});
  if (!path) {
    state_.fileName = previous;
    state_.dataChanged = false;
    return;
  }
  if (!Load(*path)) {
    state_.fileName = previous;
    return;
  }
  Opened(*path);
}

void FileCommands::OpenFile(const std::string& path) {
  if (Load(path)) Opened(path);
}

void FileCommands::Opened(const std::string& path) {
  state_.fileName = path;
  state_.importedFromLibrary = false;
  host_.SetTitle(JobTitle(path));
  state_.dataChanged = false;
  host_.ViewLayouts();
}

void FileCommands::Save() {
  if (!state_.fileName.empty()) {
    SaveTo(state_.fileName);
    return;
  }
  if (const auto path = dialogs_.SaveFile({kJobFileFilter, "Save File...", ""})) SaveTo(*path);
}

void FileCommands::SaveAs() {
  const auto path = dialogs_.SaveFile({kJobFileFilter, "Save File...", state_.fileName});
  if (path) SaveTo(*path);
}

void FileCommands::SaveAsDefaults() {
  const MessageAnswer answer = dialogs_.ShowMessage(
      {"Current Data in Basic Details and Optimization Options will be saved as DEFAULTS. Do "
       "you want to continue?",
       kAttention, MessageButtons::YesNo, MessageIcon::Question, MessageDefault::Second});
  if (answer == MessageAnswer::No) return;
  if (const JobFileResult result = SaveJob(kDefaultsFile, host_.Options(), host_); !result) {
    dialogs_.ShowMessage(
        Problem("Could not save " + std::string(kDefaultsFile) + ": " + result.error));
  }
}

bool FileCommands::LoadDefaults() { return FileExists(kDefaultsFile) && Load(kDefaultsFile); }

// The job file is replaced only once the new one is complete, so a failed save leaves the old
// file, the title and the unsaved-changes flag as they were.
void FileCommands::SaveTo(const std::string& path) {
  const JobFileResult result = SaveJob(path, host_.Options(), host_);
  if (!result) {
    dialogs_.ShowMessage(Problem("Could not save " + path + ": " + result.error));
    return;
  }
  state_.fileName = path;
  host_.SetTitle(JobTitle(path));
  state_.dataChanged = false;
}

// A file that is not a job file is refused before any table changes.
bool FileCommands::Load(const std::string& path) {
  OptimizeOptions options = host_.Options();
  const JobFileResult result = LoadJob(path, host_, options);
  host_.SetOptions(options);
  if (!result) dialogs_.ShowMessage(Problem("Could not open " + path + ": " + result.error));
  return result.ok;
}

}  // namespace trimora
