#pragma once
// The modal dialogs the program asks the user through: message boxes, the open and save file
// dialogs, the folder dialog, the print dialog and print preview, and the system beep. The core
// calls this interface; the window side answers with real dialogs and the tests with scripted
// answers.

#include <functional>
#include <optional>
#include <string>

#include "platform/message.h"

namespace trimora {

// What a file dialog starts from. The filter is a list of description|pattern pairs joined
// by "|", such as "*.trm|*.trm".
struct FileDialogRequest {
  std::string filter;
  std::string title;
  std::string fileName;
  friend bool operator==(const FileDialogRequest&, const FileDialogRequest&) = default;
};

// The print dialog distinguishes only the choice of all pages from any narrower choice.
enum class PrintDialogAnswer { Cancelled, AllPages, Selection };

class DialogService {
 public:
  virtual ~DialogService() = default;

  virtual MessageAnswer ShowMessage(const Message& message) = 0;

  // The chosen full path, or nullopt when the user cancelled. Opening accepts only an
  // existing file; saving asks before replacing one.
  virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
  // An existing folder, starting from startFolder (the working folder when empty); nullopt when
  // the user cancelled.
  virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                  const std::string& startFolder) = 0;

  // With selectionPreset the dialog opens with its selection choice made, otherwise with all
  // pages.
  virtual PrintDialogAnswer PrintDialog(bool selectionPreset) = 0;

  // Shows the pages that printDocument prints on the program's printer, and prints them again
  // when the user chooses to print from the preview.
  virtual void PrintPreview(const std::function<void()>& printDocument) = 0;

  virtual void Beep() = 0;
};

}  // namespace trimora
