#include "results/layouts_window.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

#include "platform/print_text_file.h"
#include "platform/qt_painter_surface.h"
#include "results/label_sheet.h"
#include "results/layout_detail_text.h"
#include "results/layout_picture.h"
#include "results/layout_settings.h"
#include "results/layout_settings_window.h"
#include "results/offcuts.h"
#include "results/report.h"
#include "storage/number_text.h"

namespace trimora {

namespace {

// Twips at the screen's 96 dots per inch.
constexpr int Twips(int twips) { return twips / 15; }

QString Text(const std::string& text) { return QString::fromLatin1(text); }

constexpr float kZoomStep = 1.25f;

// The picture keeps at least this side however wide the detail text is.
constexpr int kLeastPicture = 240;

// A zoom command on a tool button: the theme's icon, or iconText where the theme has none,
// and a key that works wherever the focus is in the window.
QToolButton* ZoomButton(QWidget* window, const char* icon, const char* iconText,
                        const QString& text, const QKeySequence& key) {
  auto* action = new QAction(QIcon::fromTheme(icon), text, window);
  action->setIconText(iconText);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  action->setToolTip(text + " (" + key.toString(QKeySequence::NativeText) + ")");
  window->addAction(action);
  auto* button = new QToolButton(window);
  button->setObjectName(icon);
  button->setDefaultAction(action);
  return button;
}

void ShowScrollBar(QScrollBar* bar, const ScrollBarState& state) {
  const QSignalBlocker blocker(bar);
  bar->setRange(state.min, std::max(state.min, state.max));
  bar->setSingleStep(state.smallChange);
  bar->setPageStep(state.largeChange);
  bar->setValue(state.value);
  bar->setEnabled(state.enabled);
}

}  // namespace

Dia::Dia(DialogService& dialogs, QPrinter& printer, const std::string& jobFileName, QWidget* parent)
    : QWidget(parent),
      Pic(new LayoutPicture(this)),
      VS(new QScrollBar(Qt::Vertical, this)),
      HS(new QScrollBar(Qt::Horizontal, this)),
      txt(new QPlainTextEdit(this)),
      cmb(new QComboBox(this)),
      cmdPrintData(new QPushButton("Print Layout(s)", this)),
      cmdLbl(new QPushButton("Print Labels", this)),
      cmdPreviewLayouts(new QPushButton("Preview Layouts", this)),
      cmdPreviewLabels(new QPushButton("Preview Labels", this)),
      cmdSettings(new QPushButton("Settings", this)),
      cmdZoomIn(ZoomButton(this, "zoom-in", "+", "Zoom In", QKeySequence::ZoomIn)),
      cmdZoomOut(ZoomButton(this, "zoom-out", "\u2212", "Zoom Out", QKeySequence::ZoomOut)),
      cmdZoomFit(ZoomButton(this, "zoom-fit-width", "Fit", "Fit Width", QKeySequence("Ctrl+0"))),
      dialogs_(dialogs),
      printer_(printer),
      jobFileName_(jobFileName) {
  setWindowTitle("Layouts");
  QFont font("Courier New", 9);
  font.setStyleHint(QFont::TypeWriter);
  txt->setFont(font);
  txt->setReadOnly(true);
  txt->setLineWrapMode(QPlainTextEdit::NoWrap);
  txt->installEventFilter(this);
  cmb->setToolTip("Select Layout");
  Pic->onClick = [this] { Pic_Click(); };
  connect(cmb, &QComboBox::currentIndexChanged, this, [this] { cmb_Click(); });
  connect(VS, &QScrollBar::valueChanged, this, [this] { VS_Change(); });
  connect(HS, &QScrollBar::valueChanged, this, [this] { HS_Change(); });
  connect(cmdZoomIn->defaultAction(), &QAction::triggered, this, [this] { ZoomIn(); });
  connect(cmdZoomOut->defaultAction(), &QAction::triggered, this, [this] { ZoomOut(); });
  connect(cmdZoomFit->defaultAction(), &QAction::triggered, this, [this] { ZoomFit(); });
  connect(cmdPrintData, &QPushButton::clicked, this, [this] { cmdPrintData_Click(); });
  connect(cmdLbl, &QPushButton::clicked, this, [this] { cmdLbl_Click(); });
  connect(cmdPreviewLayouts, &QPushButton::clicked, this, [this] { cmdPreviewLayouts_Click(); });
  connect(cmdPreviewLabels, &QPushButton::clicked, this, [this] { cmdPreviewLabels_Click(); });
  connect(cmdSettings, &QPushButton::clicked, this, [this] { cmdSettings_Click(); });
}

bool Dia::Dia_Form_Load(std::string* error) {
  if (BuildResultsModel(model_, error) != ResultsStatus::kReady) return false;
  {
    const QSignalBlocker blocker(cmb);
    cmb->clear();
    for (int i = 1; i <= model_.layouts; ++i)
      cmb->addItem(QString("%1 / %2").arg(i).arg(model_.layouts));
  }
  if (!WriteOffcutTable(model_, error) || !WriteReport(model_, error)) return false;
  {
    const QSignalBlocker blocker(cmb);
    cmb->setCurrentIndex(0);
  }
  cmb_Click();
  ReadSettings();
  Form_Resize();
  return true;
}

// The three off-cut settings are always off here.
void Dia::ReadSettings() { ReadLayoutSettings(kLayoutSettingsFile, model_.settings); }

void Dia::cmb_Click() {
  current_ = int(LeadingNumber(cmb->currentText().toStdString()));
  view_.horizontal.value = 0;
  view_.vertical.value = 0;
  DrawCurrentLayout();
}

void Dia::VS_Change() {
  view_.vertical.value = VS->value();
  DrawCurrentLayout();
}

void Dia::HS_Change() {
  view_.horizontal.value = HS->value();
  DrawCurrentLayout();
}

void Dia::ZoomIn() {
  ZoomScreenView(view_, view_.zoom * kZoomStep);
  DrawCurrentLayout();
}

void Dia::ZoomOut() {
  ZoomScreenView(view_, view_.zoom / kZoomStep);
  DrawCurrentLayout();
}

void Dia::ZoomFit() {
  ZoomScreenView(view_, 1);
  DrawCurrentLayout();
}

void Dia::Pic_Click() {
  cmb->setFocus();
  DrawCurrentLayout();
}

void Dia::cmdSettings_Click() {
  cmb->setFocus();
  DiaSet settings(this);
  settings.exec();
  ReadSettings();
  DrawCurrentLayout();
}

void Dia::DrawCurrentLayout() {
  if (current_ < 1) return;
  QPainter painter(&Pic->Canvas());
  QtPainterSurface surface(painter);
  const std::vector<std::string> lines = DrawLayoutOnScreen(model_, current_, surface, view_);
  painter.end();
  ShowScrollBar(VS, view_.vertical);
  ShowScrollBar(HS, view_.horizontal);
  QString text;
  for (const std::string& line : lines) text += Text(line) + "\n";
  txt->setPlainText(text);
  Pic->update();
}

// All layouts or the current one go into one print document; the screen is redrawn after.
// The dialog offers all layouts first, the plan as a whole being what is usually printed.
void Dia::cmdPrintData_Click() {
  cmb->setFocus();
  const PrintDialogAnswer answer = dialogs_.PrintDialog(false);
  if (answer == PrintDialogAnswer::Cancelled) return;
  const bool all = answer == PrintDialogAnswer::AllPages;
  PrintLayoutPages(all ? 1 : current_, all ? model_.layouts : current_);
  DrawCurrentLayout();
}

// The whole plan, as Print Layout(s) prints it for all layouts.
void Dia::cmdPreviewLayouts_Click() {
  cmb->setFocus();
  dialogs_.PrintPreview([this] { PrintLayoutPages(1, model_.layouts); });
  DrawCurrentLayout();
}

void Dia::PrintLayoutPages(int first, int last) {
  printer_.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer_)) return;
  QtPainterSurface surface(painter);
  model_.jobFileName = jobFileName_;
  PrintLayouts(model_, first, last, surface, TodayDayMonthYear());
  painter.end();
}

// One label per placed piece of all layouts or of the current one, printed from lbl.tlf.
void Dia::cmdLbl_Click() {
  cmb->setFocus();
  // Said before the printer is chosen, not after.
  if (!ReadLabelDefinition()) {
    dialogs_.ShowMessage(
        {kLabelsNotDefinedMessage, "Attention!", MessageButtons::Ok, MessageIcon::Exclamation});
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
void Dia::cmdPreviewLabels_Click() {
  cmb->setFocus();
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

void Dia::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void Dia::Form_Resize() {
  if (current_ < 1) return;
  PlaceControls();
  DrawCurrentLayout();
}

// The square picture with its scroll bars fills the height, or less where the detail text to
// its right needs the room for its widest line; below the text the zoom buttons, the preview
// buttons, and the selector with the other buttons.
void Dia::PlaceControls() {
  const int bar = VS->sizeHint().width();
  const int textRoom = width() - bar - DetailTextWidth() - Twips(200);
  const int side =
      std::max(0, std::min(height() - HS->sizeHint().height(), std::max(kLeastPicture, textRoom)));
  Pic->setGeometry(0, 0, side, side);
  VS->setGeometry(side, 0, bar, side);
  HS->setGeometry(0, side, side, HS->sizeHint().height());
  const int left = side + bar;
  const int rowHeight = cmb->sizeHint().height();
  txt->setGeometry(left, 0, std::max(0, width() - left - Twips(200)),
                   std::max(0, height() - 3 * rowHeight - Twips(600)));
  PlaceRow(left, txt->height() + Twips(150), {cmdZoomIn, cmdZoomOut, cmdZoomFit});
  PlaceRow(left, height() - 2 * rowHeight - Twips(300), {cmdPreviewLayouts, cmdPreviewLabels});
  PlaceRow(left, height() - rowHeight - Twips(150), {cmb, cmdPrintData, cmdLbl, cmdSettings});
}

// The widest line of the detail text with the text box's frame and scroll bar.
int Dia::DetailTextWidth() const {
  int widest = 0;
  const QFontMetrics metrics(txt->font());
  const QStringList lines = txt->toPlainText().split('\n');
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest + 2 * txt->frameWidth() + txt->verticalScrollBar()->sizeHint().width() +
         2 * int(txt->document()->documentMargin());
}

// Controls side by side at their natural widths, as high as the selector.
void Dia::PlaceRow(int x, int top, std::initializer_list<QWidget*> controls) {
  for (QWidget* control : controls) {
    control->setGeometry(x, top, control->sizeHint().width(), cmb->sizeHint().height());
    x = control->geometry().right() + Twips(control == cmb ? 150 : 60);
  }
}

// The detail text never keeps the focus: it goes on to the selector.
bool Dia::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txt && event->type() == QEvent::FocusIn) cmb->setFocus();
  return QWidget::eventFilter(watched, event);
}

}  // namespace trimora
