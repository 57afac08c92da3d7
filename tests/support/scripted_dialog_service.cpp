#include "support/scripted_dialog_service.h"

namespace trimora {

namespace {

bool Offers(MessageButtons buttons, MessageAnswer answer) {
  switch (buttons) {
    case MessageButtons::Ok:
      return answer == MessageAnswer::Ok;
    case MessageButtons::YesNo:
      return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
    case MessageButtons::YesNoCancel:
      return answer != MessageAnswer::Ok;
  }
  return false;
}

}  // namespace

MessageAnswer ScriptedDialogService::ShowMessage(const Message& message) {
  messages_.push_back(message);
  if (answers_.empty()) throw UnexpectedDialog("unexpected message \"" + message.text + "\"");
  const MessageAnswer answer = answers_.front();
  answers_.pop_front();
  // A scripted answer the box cannot give means the test and the code disagree about the box.
  if (!Offers(message.buttons, answer)) {
    throw UnexpectedDialog("message \"" + message.text + "\" does not offer the scripted answer");
  }
  return answer;
}

std::optional<std::string> ScriptedDialogService::OpenFile(const FileDialogRequest& request) {
  if (files_.empty()) throw UnexpectedDialog("unexpected file dialog \"" + request.title + "\"");
  std::optional<std::string> path = std::move(files_.front());
  files_.pop_front();
  return path;
}

// Open and Save As dialogs take their answers from the same queue.
std::optional<std::string> ScriptedDialogService::SaveFile(const FileDialogRequest& request) {
  return OpenFile(request);
}

std::optional<std::string> ScriptedDialogService::ChooseFolder(const std::string& title,
                                                               const std::string&) {
  return OpenFile({"", title, ""});
}

PrintDialogAnswer ScriptedDialogService::PrintDialog(bool selectionPreset) {
  printDialogs_.push_back(selectionPreset);
  if (prints_.empty()) throw UnexpectedDialog("unexpected print dialog");
  const PrintDialogAnswer answer = prints_.front();
  prints_.pop_front();
  return answer;
}

void ScriptedDialogService::PrintPreview(const std::function<void()>& printDocument) {
  ++previews_;
  if (previewsQueued_ == 0) throw UnexpectedDialog("unexpected print preview");
  --previewsQueued_;
  printDocument();
}

bool ScriptedDialogService::AllAnswersUsed() const {
  return answers_.empty() && files_.empty() && prints_.empty() && previewsQueued_ == 0;
}

}  // namespace trimora
