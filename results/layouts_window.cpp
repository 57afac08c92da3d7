#include "results/layouts_window.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <initializer_list>

#include "platform/print_text_file.h"
#include "platform/qt_painter_surface.h"
#include "results/label_sheet.h"
#include "results/layout_detail_text.h"
#include "results/layout_dxf.h"
#include "results/layout_picture.h"
#include "results/layout_settings.h"
#include "results/layout_settings_window.h"
#include "results/offcuts.h"
#include "results/report.h"
#include "storage/file_utils.h"
#include "storage/job_tables.h"
#include "storage/number_text.h"
#include "storage/saw_settings.h"

namespace trimora {

namespace {

QString Text(const std::string& text) { return QString::fromLatin1(text); }

constexpr float kZoomStep = 1.25f;

QPushButton* Button(const char* text, const char* name, QWidget* window,
                    std::function<void()> handler) {
  auto* button = new QPushButton(text, window);
  button->setObjectName(name);
  QObject::connect(button, &QPushButton::clicked, window, std::move(handler));
  return button;
}

// A zoom command on a tool button: the theme's icon, or iconText where the theme has none,
// and a key that works wherever the focus is in the window.
QToolButton* ZoomButton(const char* name, const char* icon, const char* iconText,
                        const QString& text, const QKeySequence& key, QWidget* window,
                        std::function<void()> handler) {
  auto* action = new QAction(QIcon::fromTheme(icon), text, window);
  action->setIconText(iconText);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  action->setToolTip(text + " (" + key.toString(QKeySequence::NativeText) + ")");
  QObject::connect(action, &QAction::triggered, window, std::move(handler));
  window->addAction(action);
  auto* button = new QToolButton(window);
  button->setObjectName(name);
  button->setDefaultAction(action);
  return button;
}

// A read-only box of fixed-pitch lines that are never wrapped.
QPlainTextEdit* FixedPitchText(const char* name, QWidget* window) {
  auto* box = new QPlainTextEdit(window);
  box->setObjectName(name);
  QFont font("Courier New", 9);
  font.setStyleHint(QFont::TypeWriter);
  box->setFont(font);
  box->setReadOnly(true);
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->installEventFilter(window);
  return box;
}

QCheckBox* CheckBox(const char* text, const char* name, bool checked, QWidget* window,
                    std::function<void()> handler) {
  auto* box = new QCheckBox(text, window);
  box->setObjectName(name);
  box->setChecked(checked);
  QObject::connect(box, &QCheckBox::toggled, window, std::move(handler));
  return box;
}

// Controls side by side at their natural widths, from the left.
QHBoxLayout* Row(std::initializer_list<QWidget*> controls) {
  auto* row = new QHBoxLayout;
  for (QWidget* control : controls) row->addWidget(control);
  row->addStretch();
  return row;
}

void ShowScrollBar(QScrollBar* bar, const ScrollBarState& state) {
  const QSignalBlocker blocker(bar);
  bar->setRange(state.min, std::max(state.min, state.max));
  bar->setSingleStep(state.smallChange);
  bar->setPageStep(state.largeChange);
  bar->setValue(state.value);
  bar->setEnabled(state.enabled);
}

// The widest line of the text with the box's frame, margins and vertical scroll bar.
int WholeLinesWidth(const QPlainTextEdit& box) {
  qreal widest = 0;
  const QFontMetricsF metrics(box.font());
  for (const QString& line : box.toPlainText().split('\n'))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  return int(std::ceil(widest + 2 * box.document()->documentMargin())) + 2 * box.frameWidth() +
         box.verticalScrollBar()->sizeHint().width();
}

}  // namespace

Dia::Dia(DialogService& dialogs, QPrinter& printer, const std::string& jobFileName, QWidget* parent)
    : QWidget(parent),
      picture_(new LayoutPicture(this)),
      verticalBar_(new QScrollBar(Qt::Vertical, this)),
      horizontalBar_(new QScrollBar(Qt::Horizontal, this)),
      detailText_(FixedPitchText("detailText", this)),
      sequenceText_(FixedPitchText("cutSequenceText", this)),
      texts_(new QTabWidget(this)),
      sawFigures_(new QLabel(this)),
      selector_(new QComboBox(this)),
      dialogs_(dialogs),
      printer_(printer),
      jobFileName_(jobFileName) {
  setWindowTitle("Layouts");
  picture_->setObjectName("picture");
  verticalBar_->setObjectName("verticalScrollBar");
  horizontalBar_->setObjectName("horizontalScrollBar");
  selector_->setObjectName("layoutSelector");
  texts_->setObjectName("layoutTexts");
  texts_->addTab(detailText_, "Details");
  texts_->addTab(sequenceText_, "Cut Sequence");
  sawFigures_->setObjectName("sawFigures");
  const SawSettings saw = ReadSawSettings();
  numberCuts_ = CheckBox("&Number Cuts", "numberCutsCheck", saw.numberCuts, this, [this] {
    SaveSawSettings();
    DrawCurrentLayout();
  });
  numberCuts_->setToolTip("Number the saw's through-cuts on the drawing");
  printCutSequence_ = CheckBox("Print Cut Se&quence", "printCutSequenceCheck", saw.printCutSequence,
                               this, [this] { SaveSawSettings(); });
  printCutSequence_->setToolTip(
      "Printed layouts number the cuts and list them under the detail text");
  selector_->setToolTip("Select Layout");
  setFocusProxy(selector_);
  PlaceControls();
  picture_->onClick = [this] {
    selector_->setFocus();
    DrawCurrentLayout();
  };
  picture_->onResize = [this] { DrawCurrentLayout(); };
  connect(selector_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenLayout(); });
  connect(verticalBar_, &QScrollBar::valueChanged, this, [this](int value) {
    view_.vertical.value = value;
    DrawCurrentLayout();
  });
  connect(horizontalBar_, &QScrollBar::valueChanged, this, [this](int value) {
    view_.horizontal.value = value;
    DrawCurrentLayout();
  });
}

// The square picture with its scroll bars on the left takes the height, or less where the
// detail text needs the room for its widest line; below the texts the saw's figures and its
// check boxes, the zoom buttons, the preview buttons, and the selector with the other buttons.
void Dia::PlaceControls() {
  auto* column = new QVBoxLayout;
  column->addWidget(texts_, 1);
  column->addWidget(sawFigures_);
  column->addLayout(Row({numberCuts_, printCutSequence_}));
  column->addLayout(
      Row({ZoomButton("zoomInButton", "zoom-in", "+", "Zoom In", QKeySequence::ZoomIn, this,
                      [this] { ZoomTo(view_.zoom * kZoomStep); }),
           ZoomButton("zoomOutButton", "zoom-out", "\u2212", "Zoom Out", QKeySequence::ZoomOut,
                      this, [this] { ZoomTo(view_.zoom / kZoomStep); }),
           // Back to the whole width, as the window opens.
           ZoomButton("zoomFitButton", "zoom-fit-width", "Fit", "Fit Width", QKeySequence("Ctrl+0"),
                      this, [this] { ZoomTo(1); })}));
  column->addLayout(
      Row({Button("Preview Layouts", "previewLayoutsButton", this, [this] { PreviewLayouts(); }),
           Button("Preview Labels", "previewLabelsButton", this, [this] { PreviewLabels(); }),
           Button("Export DXF...", "exportDxfButton", this, [this] { ExportDxf(); })}));
  column->addLayout(Row(
      {selector_, Button("Print Layout(s)", "printLayoutsButton", this, [this] { PrintLayouts(); }),
       Button("Print Labels", "printLabelsButton", this, [this] { PrintLabels(); }),
       Button("Settings", "settingsButton", this, [this] { EditSettings(); })}));
  auto* layout = new QHBoxLayout(this);
  // The picture area takes what the column leaves, up to its square.
  layout->addWidget(new LayoutPictureArea(picture_, verticalBar_, horizontalBar_, this), 1);
  layout->addLayout(column);
}

bool Dia::Load(std::string* error) {
  if (BuildResultsModel(model_, error) != ResultsStatus::kReady) return false;
  {
    const QSignalBlocker blocker(selector_);
    selector_->clear();
    for (int i = 1; i <= model_.layouts; ++i)
      selector_->addItem(QString("%1 / %2").arg(i).arg(model_.layouts));
  }
  if (!WriteOffcutTable(model_, error) || !WriteReport(model_, error)) return false;
  {
    const QSignalBlocker blocker(selector_);
    selector_->setCurrentIndex(0);
  }
  ShowChosenLayout();
  ReadSettings();
  DrawCurrentLayout();
  return true;
}

// The three off-cut settings are always off here.
void Dia::ReadSettings() { ReadLayoutSettings(kLayoutSettingsFile, model_.settings); }

void Dia::ShowChosenLayout() {
  current_ = int(LeadingNumber(selector_->currentText().toStdString()));
  view_.horizontal.value = 0;
  view_.vertical.value = 0;
  ShowCutSequence();
  DrawCurrentLayout();
}

// The sequence as trimora-cli cuts gives it; its first line holds the layout's figures.
void Dia::ShowCutSequence() {
  cuts_ = LayoutCutSequence(model_, current_);
  const QString text = Text(CutSequenceText({{int16_t(current_), cuts_}}, false)).trimmed();
  sequenceText_->setPlainText(text);
  sawFigures_->setText(text.section('\n', 0, 0));
}

void Dia::SaveSawSettings() {
  SawSettings saw = ReadSawSettings();
  saw.numberCuts = numberCuts_->isChecked();
  saw.printCutSequence = printCutSequence_->isChecked();
  if (!WriteSawSettings(saw)) {
    dialogs_.ShowMessage({std::string(kSawSettingsFile) + " cannot be written.", "Attention!",
                          MessageButtons::Ok, MessageIcon::Exclamation});
  }
}

void Dia::ZoomTo(float zoom) {
  ZoomScreenView(view_, zoom);
  DrawCurrentLayout();
}

void Dia::EditSettings() {
  selector_->setFocus();
  DiaSet settings(this);
  settings.exec();
  ReadSettings();
  DrawCurrentLayout();
}

void Dia::DrawCurrentLayout() {
  if (current_ < 1) return;
  QPainter painter(&picture_->Canvas());
  QtPainterSurface surface(painter);
  const std::vector<std::string> lines = DrawLayoutOnScreen(
      model_, current_, surface, view_, numberCuts_->isChecked() ? &cuts_ : nullptr);
  painter.end();
  ShowScrollBar(verticalBar_, view_.vertical);
  ShowScrollBar(horizontalBar_, view_.horizontal);
  ShowDetailText(lines);
  picture_->update();
}

// The text box is never narrower than the widest line; the picture gives way.
void Dia::ShowDetailText(const std::vector<std::string>& lines) {
  QString text;
  for (const std::string& line : lines) text += Text(line) + "\n";
  detailText_->setPlainText(text);
  detailText_->setMinimumWidth(WholeLinesWidth(*detailText_));
}

// All layouts or the current one go into one print document; the screen is redrawn after.
// The dialog offers all layouts first, the plan as a whole being what is usually printed.
void Dia::PrintLayouts() {
  selector_->setFocus();
  const PrintDialogAnswer answer = dialogs_.PrintDialog(false);
  if (answer == PrintDialogAnswer::Cancelled) return;
  const bool all = answer == PrintDialogAnswer::AllPages;
  PrintLayoutPages(all ? 1 : current_, all ? model_.layouts : current_);
  DrawCurrentLayout();
}

// The whole plan, as Print Layout(s) prints it for all layouts.
void Dia::PreviewLayouts() {
  selector_->setFocus();
  dialogs_.PrintPreview([this] { PrintLayoutPages(1, model_.layouts); });
  DrawCurrentLayout();
}

void Dia::PrintLayoutPages(int first, int last) {
  printer_.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer_)) return;
  QtPainterSurface surface(painter);
  model_.jobFileName = jobFileName_;
  trimora::PrintLayouts(model_, first, last, surface, TodayDayMonthYear(),
                        printCutSequence_->isChecked());
  painter.end();
}

// One layout goes where the save dialog says; all layouts go into a folder, each under its
// own name (JOB-LN.dxf), after asking before any drawing there is replaced.
void Dia::ExportDxf() {
  selector_->setFocus();
  if (current_ < 1) return;
  const MessageAnswer which = dialogs_.ShowMessage(
      {"Export all " + std::to_string(model_.layouts) +
           " layouts as DXF drawings, each to its own file?\n\nNo exports layout " +
           std::to_string(current_) + " only.",
       "Export Layout(s) to DXF", MessageButtons::YesNoCancel, MessageIcon::Question});
  if (which == MessageAnswer::Cancel) return;
  const bool all = which == MessageAnswer::Yes;
  // The dialogs start beside the job file, where the shop keeps what belongs to the job.
  std::filesystem::path jobFolder = std::filesystem::path(jobFileName_).parent_path();
  if (!std::filesystem::is_directory(jobFolder)) jobFolder.clear();
  std::vector<std::pair<int, std::string>> drawings;  // layout, path
  if (all) {
    const std::optional<std::string> folder =
        dialogs_.ChooseFolder("Export Layouts to DXF", jobFolder.string());
    if (!folder) return;
    bool replacing = false;
    for (int n = 1; n <= model_.layouts; ++n) {
      drawings.emplace_back(
          n, (std::filesystem::path(*folder) / LayoutDxfName(jobFileName_, n)).string());
      replacing = replacing || FileExists(drawings.back().second);
    }
    if (replacing &&
        dialogs_.ShowMessage({"Drawings of this job in " + *folder + " will be replaced.",
                              "Export Layouts to DXF", MessageButtons::YesNo,
                              MessageIcon::Question}) != MessageAnswer::Yes) {
      return;
    }
  } else {
    const std::optional<std::string> path =
        dialogs_.SaveFile({"DXF drawing (*.dxf)|*.dxf", "Export Layout to DXF",
                           (jobFolder / LayoutDxfName(jobFileName_, current_)).string()});
    if (!path) return;
    drawings.emplace_back(current_, *path);
  }
  const std::vector<OffcutRow> offcuts =
      DeriveOffcuts(model_.records, model_.basic.KERF, ReadScrapLimits());
  const Grid cutGrid = LoadTableGrid(CutPieceTable());
  for (const auto& [n, path] : drawings) {
    if (const std::string error = WriteLayoutDxf(model_, offcuts, cutGrid, n, path);
        !error.empty()) {
      dialogs_.ShowMessage({FileNameFromPath(path) + ": " + error, "Attention!", MessageButtons::Ok,
                            MessageIcon::Exclamation});
      return;
    }
  }
}

// One label per placed piece of all layouts or of the current one, printed from lbl.tlf.
void Dia::PrintLabels() {
  selector_->setFocus();
  // Said before the printer is chosen, not after.
  if (std::string problem; !ReadLabelDefinition(&problem)) {
    dialogs_.ShowMessage({problem, "Attention!", MessageButtons::Ok, MessageIcon::Exclamation});
    return;
  }
  const PrintDialogAnswer answer = dialogs_.PrintDialog(true);
  if (answer == PrintDialogAnswer::Cancelled) return;
  const int layout = answer == PrintDialogAnswer::AllPages ? 0 : current_;
  if (const std::optional<LabelDefinition> definition = WriteLabels(layout)) {
    PrintTextBlocks(printer_, LabelSheetRows(model_, *definition, layout));
  }
}

// The labels of all layouts, as Print Labels prints them.
void Dia::PreviewLabels() {
  selector_->setFocus();
  if (const std::optional<LabelDefinition> definition = WriteLabels(0)) {
    dialogs_.PrintPreview(
        [this, &definition] { PrintTextBlocks(printer_, LabelSheetRows(model_, *definition, 0)); });
  }
}

// Writes lbl.tlf and answers the label definition its rows are printed with (each row whole
// on a page: the document trimora-cli labels --pdf writes); nothing, after saying why, when
// the labels cannot be made.
std::optional<LabelDefinition> Dia::WriteLabels(int layout) {
  std::string error;
  if (!WriteLabelSheet(model_, layout, &error)) {
    dialogs_.ShowMessage({error, "Attention!", MessageButtons::Ok, MessageIcon::Exclamation});
    return std::nullopt;
  }
  return ReadLabelDefinition();
}

// The texts never keep the focus: it goes on to the selector.
bool Dia::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == detailText_ || watched == sequenceText_) && event->type() == QEvent::FocusIn) {
    selector_->setFocus();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace trimora
