#pragma once
// A dialog service for tests: every dialog is answered from a queue filled beforehand, and
// what it showed is recorded. A dialog without a queued answer throws UnexpectedDialog, so
// that a test never waits for a user who is not there.

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/dialog_service.h"

namespace trimora {

class UnexpectedDialog : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class ScriptedDialogService : public DialogService {
 public:
  // Answers, taken in the order they were queued.
  void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  // A path the user chooses, or nullopt for a cancelled dialog.
  void QueueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void QueuePrint(PrintDialogAnswer answer) { prints_.push_back(answer); }
  // A print preview to show; it prints its document once, as the preview would.
  void QueuePreview() { ++previewsQueued_; }

  MessageAnswer ShowMessage(const Message& message) override;
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFolder(const std::string& title,
                                          const std::string& startFolder) override;
  PrintDialogAnswer PrintDialog(bool selectionPreset) override;
  void PrintPreview(const std::function<void()>& printDocument) override;
  void Beep() override { ++beeps_; }

  const std::vector<Message>& Messages() const { return messages_; }
  // The selection preset of every print dialog shown.
  const std::vector<bool>& PrintDialogs() const { return printDialogs_; }
  int Previews() const { return previews_; }
  int Beeps() const { return beeps_; }
  // True when every queued answer has been used.
  bool AllAnswersUsed() const;

 private:
  std::deque<MessageAnswer> answers_;
  std::deque<std::optional<std::string>> files_;
  std::deque<PrintDialogAnswer> prints_;
  std::vector<Message> messages_;
  std::vector<bool> printDialogs_;
  int previewsQueued_ = 0;
  int previews_ = 0;
  int beeps_ = 0;
};

}  // namespace trimora
