#pragma once
// A grid editor host that records what the grid editing asked of the window and answers
// questions as told.

#include <string>
#include <vector>

#include "grid/grid_editor_host.h"

namespace trimora::testing {

class RecordingHost : public GridEditorHost {
 public:
  std::string clipboard;
  MessageAnswer answer = MessageAnswer::Yes;
  PrintDialogAnswer printRange = PrintDialogAnswer::AllPages;
  int pageRows = 1;

  std::vector<Message> messages;
  int beeps = 0;
  int dataChanged = 0;
  int guards = 0;
  int productChoices = 0;

  std::string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::string& text) override { clipboard = text; }
  MessageAnswer ShowMessage(const Message& message) override {
    messages.push_back(message);
    return answer;
  }
  void Beep() override { ++beeps; }
  void SetDataChanged() override { ++dataChanged; }
  void InvalidateResults() override { ++guards; }
  void ChooseProduct() override { ++productChoices; }
  PrintDialogAnswer AskPrintRange() override { return printRange; }
  int RowsPerPage() override { return pageRows; }
};

}  // namespace trimora::testing
