#include "results/layouts_window.h"

#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
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

}  // namespace

Dia::Dia(DialogService& dialogs, QPrinter& printer, const std::string& jobFileName, QWidget* parent)
    : QWidget(parent),
      Pic(new LayoutPicture(this)),
      VS(new QScrollBar(Qt::Vertical, this)),
      txt(new QPlainTextEdit(this)),
      cmb(new QComboBox(this)),
      cmdPrintData(new QPushButton("Print Layout(s)", this)),
      cmdLbl(new QPushButton("Print Labels", this)),
      cmdSettings(new QPushButton("Settings", this)),
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
  connect(cmdPrintData, &QPushButton::clicked, this, [this] { cmdPrintData_Click(); });
  connect(cmdLbl, &QPushButton::clicked, this, [this] { cmdLbl_Click(); });
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
  scrollBar_.value = scrollBar_.min;
  DrawCurrentLayout();
}

void Dia::VS_Change() {
  scrollBar_.value = VS->value();
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
  const std::vector<std::string> lines = DrawLayoutOnScreen(model_, current_, surface, scrollBar_);
  painter.end();
  {
    const QSignalBlocker blocker(VS);
    VS->setRange(scrollBar_.min, std::max(scrollBar_.min, scrollBar_.max));
    VS->setSingleStep(scrollBar_.smallChange);
    VS->setPageStep(scrollBar_.largeChange);
    VS->setValue(scrollBar_.value);
    VS->setEnabled(scrollBar_.enabled);
  }
  QString text;
  for (const std::string& line : lines) text += Text(line) + "\n";
  txt->setPlainText(text);
  Pic->update();
}

// All layouts or the current one go into one print document; the screen is redrawn after.
void Dia::cmdPrintData_Click() {
  cmb->setFocus();
  const PrintDialogAnswer answer = dialogs_.PrintDialog(true);
  if (answer == PrintDialogAnswer::Cancelled) return;
  const int remembered = current_;
  printer_.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (painter.begin(&printer_)) {
    QtPainterSurface surface(painter);
    model_.jobFileName = jobFileName_;
    const bool all = answer == PrintDialogAnswer::AllPages;
    PrintLayouts(model_, all ? 1 : remembered, all ? model_.layouts : remembered, surface,
                 TodayDayMonthYear());
    painter.end();
  }
  current_ = remembered;
  DrawCurrentLayout();
}

// One label per placed piece of all layouts or of the current one, printed from lbl.tlf.
void Dia::cmdLbl_Click() {
  cmb->setFocus();
  const PrintDialogAnswer answer = dialogs_.PrintDialog(true);
  if (answer == PrintDialogAnswer::Cancelled) return;
  std::string error;
  const int layout = answer == PrintDialogAnswer::AllPages ? 0 : current_;
  if (!WriteLabelSheet(model_, layout, &error)) {
    dialogs_.ShowMessage({error, "Attention!", MessageButtons::Ok, MessageIcon::Exclamation});
    return;
  }
  PrintTextFile(printer_, kLabelSheetFile, "");
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

// The square picture fills the height; the scroll bar beside it; the detail text to the
// right, with the selector and the buttons below it.
void Dia::PlaceControls() {
  const int height = this->height();
  const int bar = VS->sizeHint().width();
  Pic->setGeometry(0, 0, height, height);
  VS->setGeometry(height, 0, bar, height);
  const int left = height + bar;
  const int selectorHeight = cmb->sizeHint().height();
  txt->setGeometry(left, 0, std::max(0, width() - height - bar - Twips(200)),
                   std::max(0, height - selectorHeight - Twips(300)));
  const int top = txt->height() + Twips(150);
  cmb->setGeometry(left, top, cmb->sizeHint().width(), selectorHeight);
  int x = cmb->geometry().right() + Twips(150);
  for (QPushButton* button : {cmdPrintData, cmdLbl, cmdSettings}) {
    button->setGeometry(x, top, button->sizeHint().width(), selectorHeight);
    x = button->geometry().right() + Twips(60);
  }
}

// The detail text never keeps the focus: it goes on to the selector.
bool Dia::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txt && event->type() == QEvent::FocusIn) cmb->setFocus();
  return QWidget::eventFilter(watched, event);
}

}  // namespace trimora
