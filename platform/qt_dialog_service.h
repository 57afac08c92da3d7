#pragma once
// The dialog service with Qt's dialogs, modal over a parent window. The print dialog sets up
// the service's printer, on which the caller then prints.

#include <QPrinter>

#include "platform/dialog_service.h"

class QWidget;

namespace trimora {

class QtDialogService : public DialogService {
 public:
  // The parent may be nullptr (dialogs then centre on the screen); it must outlive the service
  // or be replaced first.
  explicit QtDialogService(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  MessageAnswer ShowMessage(const Message& message) override;
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFolder(const std::string& title,
                                          const std::string& startFolder) override;
  PrintDialogAnswer PrintDialog(bool selectionPreset) override;
  void PrintPreview(const std::function<void()>& printDocument) override;
  void Beep() override;

  // The printer as the last print dialog left it.
  QPrinter& Printer() { return printer_; }

 private:
  QWidget* parent_;
  // Pages laid out in the printer's own pixels, not in the screen's.
  QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace trimora
