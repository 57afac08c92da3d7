#include "platform/qt_dialog_service.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <algorithm>
#include <vector>

#include "platform/file_filter.h"

namespace trimora {

namespace {

// The program's texts are 8-bit, one byte per character.
QString Text(const std::string& text) { return QString::fromLatin1(text); }

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// The buttons in the order the box shows them; the default button counts in this order.
std::vector<QMessageBox::StandardButton> ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo:
      return {QMessageBox::Yes, QMessageBox::No};
    case MessageButtons::YesNoCancel:
      return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case MessageButtons::Ok:
      break;
  }
  return {QMessageBox::Ok};
}

// A box closed without a button (Escape, the close box) answers as its last button would.
MessageAnswer AnswerOf(int button, MessageButtons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
  }
  if (buttons == MessageButtons::YesNoCancel) return MessageAnswer::Cancel;
  return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

QStringList NameFiltersOf(const std::string& filter) {
  QStringList filters;
  for (const FileFilterEntry& entry : ParseFileFilter(filter)) {
    QString patterns = Text(entry.pattern);
    patterns.replace(';', ' ');
    filters << Text(entry.description) + " (" + patterns + ")";
  }
  return filters;
}

// Starts in the working directory, which the dialog never changes, at the given file name.
// Qt's dialogs have no read-only check box to hide.
void SetUp(QFileDialog& dialog, const FileDialogRequest& request) {
  dialog.setWindowTitle(Text(request.title));
  dialog.setNameFilters(NameFiltersOf(request.filter));
  dialog.setDirectory(QDir::current());
  if (!request.fileName.empty()) dialog.selectFile(Text(request.fileName));
}

std::string ChosenPath(const QFileDialog& dialog) {
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return "";
  return QDir::toNativeSeparators(files.front()).toLatin1().toStdString();
}

// The dialog's answer: nothing when it was cancelled or nothing was chosen.
std::optional<std::string> Chosen(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  std::string path = ChosenPath(dialog);
  if (path.empty()) return std::nullopt;
  return path;
}

}  // namespace

MessageAnswer QtDialogService::ShowMessage(const Message& message) {
  const std::vector<QMessageBox::StandardButton> buttons = ButtonsOf(message.buttons);
  QMessageBox box(IconOf(message.icon), Text(message.title), Text(message.text),
                  QMessageBox::NoButton, parent_);
  for (const QMessageBox::StandardButton button : buttons) box.addButton(button);
  const size_t first = std::min(size_t(message.default_button), buttons.size() - 1);
  box.setDefaultButton(buttons[first]);
  return AnswerOf(box.exec(), message.buttons);
}

// Opening accepts only an existing file in an existing folder.
std::optional<std::string> QtDialogService::OpenFile(const FileDialogRequest& request) {
  QFileDialog dialog(parent_);
  SetUp(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Chosen(dialog);
}

// Saving asks before replacing a file and insists on an existing folder; a name typed
// without an extension gets the filter's.
std::optional<std::string> QtDialogService::SaveFile(const FileDialogRequest& request) {
  QFileDialog dialog(parent_);
  SetUp(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const std::string extension = DefaultExtension(request.filter);
  dialog.setDefaultSuffix(Text(extension));
  while (dialog.exec() == QDialog::Accepted) {
    // Some platform dialogs ignore the default suffix: add it here as well.
    const std::string path = WithDefaultExtension(ChosenPath(dialog), extension);
    if (!path.empty() && QFileInfo(Text(path)).absoluteDir().exists()) return path;
    QMessageBox::warning(&dialog, dialog.windowTitle(),
                         "The folder does not exist.\nCheck the path and try again.");
  }
  return std::nullopt;
}

std::optional<std::string> QtDialogService::ChooseFolder(const std::string& title,
                                                         const std::string& startFolder) {
  QFileDialog dialog(parent_);
  dialog.setWindowTitle(Text(title));
  dialog.setDirectory(startFolder.empty() ? QDir::current() : QDir(Text(startFolder)));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  return Chosen(dialog);
}

PrintDialogAnswer QtDialogService::PrintDialog(bool selectionPreset) {
  printer_.setPrintRange(selectionPreset ? QPrinter::Selection : QPrinter::AllPages);
  QPrintDialog dialog(&printer_, parent_);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
  if (dialog.exec() != QDialog::Accepted) return PrintDialogAnswer::Cancelled;
  return printer_.printRange() == QPrinter::AllPages ? PrintDialogAnswer::AllPages
                                                     : PrintDialogAnswer::Selection;
}

// The preview paints on the service's printer, which is the printer the windows print on.
void QtDialogService::PrintPreview(const std::function<void()>& printDocument) {
  QPrintPreviewDialog dialog(&printer_, parent_);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&printDocument] { printDocument(); });
  dialog.exec();
}

void QtDialogService::Beep() { QApplication::beep(); }

}  // namespace trimora
