#pragma once
// The Layouts window: loads dia.tlf and the job tables once when it opens (deriving the
// off-cut table and writing the report), then shows one layout at a time: the drawing to
// scale in a square picture, as wide as the layout at first, with scroll bars for what a zoom
// or a long layout leaves out of view, and beside it its detail text and, on a second tab, the
// saw's cut sequence, with the saw's figures under both. The selector picks the layout;
// buttons zoom, print layouts or labels, export them as DXF drawings and open the Layout
// Settings window; two check boxes,
// kept in saw.set, number the cuts on the drawing and add the sequence to printed layouts.

#include <QPrinter>
#include <QWidget>
#include <optional>
#include <string>

#include "platform/dialog_service.h"
#include "results/label_sheet.h"
#include "results/layout_drawing.h"
#include "results/results_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QScrollBar;
class QTabWidget;

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
  bool Load(std::string* error = nullptr);

  // Writes the current layout or all layouts as DXF drawings for cutting machines, asking
  // which and where.
  void ExportDxf();

  // 0 until a layout is chosen.
  int CurrentLayout() const { return current_; }
  const ResultsModel& Model() const { return model_; }
  const ScreenView& View() const { return view_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceControls();
  void ShowChosenLayout();
  void ZoomTo(float zoom);
  void EditSettings();
  void ReadSettings();
  void DrawCurrentLayout();
  void ShowDetailText(const std::vector<std::string>& lines);
  void ShowCutSequence();
  // Keeps both check boxes in saw.set; says so when it cannot be written.
  void SaveSawSettings();
  // Asks for all layouts or the current one and prints them.
  void PrintLayouts();
  void PreviewLayouts();
  // Prints layouts first .. last as one document on the printer.
  void PrintLayoutPages(int first, int last);
  // Asks for the labels of all layouts or of the current one and prints them.
  void PrintLabels();
  void PreviewLabels();
  std::optional<LabelDefinition> WriteLabels(int layout);

  LayoutPicture* picture_;
  QScrollBar* verticalBar_;
  QScrollBar* horizontalBar_;
  QPlainTextEdit* detailText_;
  QPlainTextEdit* sequenceText_;
  QTabWidget* texts_;
  QLabel* sawFigures_;
  QCheckBox* numberCuts_;
  QCheckBox* printCutSequence_;
  QComboBox* selector_;

  DialogService& dialogs_;
  QPrinter& printer_;
  const std::string& jobFileName_;
  ResultsModel model_;
  CutSequence cuts_;  // of the layout on display, derived once when it is chosen
  ScreenView view_;
  int current_ = 0;
};

}  // namespace trimora
