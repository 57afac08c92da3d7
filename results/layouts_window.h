#pragma once
// The Layouts window: loads dia.tlf and the job tables once when it opens (deriving the
// off-cut table and writing the report), then shows one layout at a time: the drawing to
// scale in a square picture with a scroll bar for long layouts, and its detail text beside
// it. The selector picks the layout; buttons print layouts or labels and open the Layout
// Settings window.

#include <QPrinter>
#include <QWidget>
#include <string>

#include "platform/dialog_service.h"
#include "results/layout_drawing.h"
#include "results/results_model.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace trimora {

class LayoutPicture;

class Dia : public QWidget {
 public:
  // jobFileName is the main window's current job file name, read when printing; it must
  // outlive the window.
  Dia(DialogService& dialogs, QPrinter& printer, const std::string& jobFileName,
      QWidget* parent = nullptr);

  // The opening sequence: reads dia.tlf and the job tables, writes offcut.tlf and report.tlf,
  // fills the selector, draws layout 1 and reads the layout settings. False, with error, when
  // the results cannot be read or written.
  bool Dia_Form_Load(std::string* error = nullptr);

  LayoutPicture* Pic;
  QScrollBar* VS;
  QPlainTextEdit* txt;
  QComboBox* cmb;
  QPushButton* cmdPrintData;
  QPushButton* cmdLbl;
  QPushButton* cmdSettings;

  void cmb_Click();
  void VS_Change();
  void Pic_Click();
  void cmdPrintData_Click();
  void cmdLbl_Click();
  void cmdSettings_Click();

  // 0 until a layout is chosen.
  int CurrentLayout() const { return current_; }
  const ResultsModel& Model() const { return model_; }
  const ScrollBarState& ScrollBar() const { return scrollBar_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Lays out the controls for the window's size and redraws the current layout.
  void Form_Resize();
  void ReadSettings();
  void DrawCurrentLayout();
  void PlaceControls();

  DialogService& dialogs_;
  QPrinter& printer_;
  const std::string& jobFileName_;
  ResultsModel model_;
  ScrollBarState scrollBar_;
  int current_ = 0;
};

}  // namespace trimora
