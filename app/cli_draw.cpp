#include "app/cli_draw.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <filesystem>
#include <iostream>

#include "app/cli_job.h"
#include "app/cli_results.h"
#include "app/headless_qt.h"
#include "app/temp_workdir.h"
#include "platform/qt_painter_surface.h"
#include "results/layout_detail_text.h"
#include "results/layout_drawing.h"
#include "results/layout_dxf.h"
#include "results/layout_settings.h"
#include "results/offcuts.h"
#include "results/report.h"
#include "results/results_model.h"
#include "storage/file_utils.h"
#include "storage/job_tables.h"
#include "storage/settings_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

namespace fs = std::filesystem;

constexpr int kPictureSide = 800;  // pixels of the square screen picture
constexpr const char* kSettingsFile = "dia.set";

int Fail(const std::string& name, const std::string& reason) {
  std::cerr << "trimora-cli: " << name << ": " << reason << '\n';
  return 1;
}

// dia.set for the drawing: the one named, or the one beside the job file when there is one.
bool CopySettings(const std::string& named, const std::string& jobPath) {
  std::string source = named;
  if (source.empty()) {
    source = SettingsFileName((fs::path(jobPath).parent_path() / kSettingsFile).string());
    if (!fs::is_regular_file(source)) return true;
  }
  std::error_code ec;
  fs::copy_file(source, kSettingsFile, fs::copy_options::overwrite_existing, ec);
  return !ec;
}

// Every drawing is made in memory and replaces its file only once complete, so a failed or
// interrupted write leaves the old file whole.
int Replace(const QByteArray& data, const std::string& path, const std::string& shown) {
  std::string error = "cannot be drawn";
  if (!data.isEmpty() && ReplaceFileSafely(path, data.toStdString(), &error)) return 0;
  return Fail(shown, error);
}

int WritePdf(const ResultsModel& model, int first, int last, bool cuts, const std::string& path,
             const std::string& shown) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageOrientation(QPageLayout::Portrait);
  writer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
  writer.setCreator("Trimora");
  writer.setTitle(QString::fromStdString(FileNameFromPath(model.jobFileName)));
  QPainter painter;
  if (!painter.begin(&writer)) return Fail(shown, "cannot be drawn");
  QtPainterSurface surface(painter);
  PrintLayouts(model, first, last, surface, TodayDayMonthYear(), cuts);
  if (!painter.end()) return Fail(shown, "cannot be drawn");
  return Replace(buffer.data(), path, shown);
}

// Draws layout n as the screen first shows it: its whole width, from its top.
void DrawScreenPicture(const ResultsModel& model, int n, bool cuts, QPainter& painter) {
  QtPainterSurface surface(painter);
  ScreenView view;
  const CutSequence sequence = cuts ? LayoutCutSequence(model, n) : CutSequence{};
  DrawLayoutOnScreen(model, n, surface, view, cuts ? &sequence : nullptr);
}

QByteArray PngPicture(const ResultsModel& model, int n, bool cuts) {
  QImage image(kPictureSide, kPictureSide, QImage::Format_RGB32);
  QPainter painter(&image);
  DrawScreenPicture(model, n, cuts, painter);
  painter.end();
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, "PNG") ? buffer.data() : QByteArray();
}

QByteArray SvgPicture(const ResultsModel& model, int n, bool cuts) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(kPictureSide, kPictureSide));
  svg.setViewBox(QRect(0, 0, kPictureSide, kPictureSide));
  svg.setResolution(96);
  svg.setTitle(QString("Layout %1 / %2").arg(n).arg(model.layouts));
  QPainter painter;
  if (!painter.begin(&svg)) return {};
  DrawScreenPicture(model, n, cuts, painter);
  return painter.end() ? buffer.data() : QByteArray();
}

bool MakeFolder(const std::string& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  return fs::is_directory(folder);
}

int WritePictures(const ResultsModel& model, const DrawRequest& request, int first, int last,
                  const std::string& folder) {
  if (!MakeFolder(folder)) return Fail(request.output, "cannot make the folder");
  const bool png = request.format == DrawRequest::Format::kPng;
  for (int n = first; n <= last; ++n) {
    const std::string name = "layout-" + std::to_string(n) + (png ? ".png" : ".svg");
    const std::string path = (fs::path(folder) / name).string();
    const QByteArray picture =
        png ? PngPicture(model, n, request.cuts) : SvgPicture(model, n, request.cuts);
    if (const int status = Replace(picture, path, (fs::path(request.output) / name).string()))
      return status;
    std::cout << (fs::path(request.output) / name).string() << '\n';
  }
  return 0;
}

// The drawings need neither Qt nor dia.set; their off-cuts are those of the off-cut table,
// from the settings files beside the job like the other results commands.
int WriteDxfDrawings(const DrawRequest& request) {
  ResultsArgs args;
  args.job = request.jobPath;
  args.MakePathsAbsolute();
  const std::string folder = AbsolutePath(request.output);
  return WithResultsModel(args, [&](ResultsModel& model) {
    if (!IsLayoutOfPlan(request.layout, model.layouts)) return 1;
    if (!MakeFolder(folder)) return Fail(request.output, "cannot make the folder");
    const std::vector<OffcutRow> offcuts =
        DeriveOffcuts(model.records, model.basic.KERF, ReadScrapLimits());
    const Grid cuts = LoadTableGrid(CutPieceTable());
    const int first = request.layout == 0 ? 1 : request.layout;
    const int last = request.layout == 0 ? model.layouts : request.layout;
    for (int n = first; n <= last; ++n) {
      const std::string name = LayoutDxfName(model.jobFileName, n);
      const std::string shown = (fs::path(request.output) / name).string();
      const std::string error =
          WriteLayoutDxf(model, offcuts, cuts, n, (fs::path(folder) / name).string());
      if (!error.empty()) return Fail(shown, error);
      std::cout << shown << '\n';
    }
    return 0;
  });
}

}  // namespace

int RunDrawCommand(const DrawRequest& request) {
  if (request.format == DrawRequest::Format::kDxf) return WriteDxfDrawings(request);
  const std::string jobPath = AbsolutePath(request.jobPath);
  const std::string output = AbsolutePath(request.output);
  const std::string settings = AbsolutePath(request.settingsPath);
  TempWorkDir workDir;
  if (!workDir.ok()) return Fail("trimora-cli", workDir.error());
  OptimizeOptions options;
  if (!OpenJobForCli(jobPath, request.jobPath, options)) return 1;
  if (!CopySettings(settings, jobPath)) return Fail(request.settingsPath, "cannot be read");

  ResultsModel model;
  std::string error;
  const ResultsStatus status = BuildResultsModel(model, &error);
  if (status == ResultsStatus::kNotOptimized) {
    std::cout << kNotOptimizedMessage << '\n';
    return 2;
  }
  if (status == ResultsStatus::kMalformed) return Fail(request.jobPath, error);
  ReadLayoutSettings(kSettingsFile, model.settings);
  model.jobFileName = jobPath;
  if (!WriteReport(model, &error)) return Fail("trimora-cli", error);
  if (!IsLayoutOfPlan(request.layout, model.layouts)) return 1;
  const int first = request.layout == 0 ? 1 : request.layout;
  const int last = request.layout == 0 ? model.layouts : request.layout;

  HeadlessQt qt;
  if (request.format == DrawRequest::Format::kPdf) {
    return WritePdf(model, first, last, request.cuts, output, request.output);
  }
  return WritePictures(model, request, first, last, output);
}

}  // namespace trimora
