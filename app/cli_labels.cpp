#include "app/cli_labels.h"

#include <QBuffer>
#include <QPdfWriter>
#include <iostream>

#include "app/cli_job.h"
#include "app/headless_qt.h"
#include "platform/print_text_file.h"
#include "results/label_sheet.h"
#include "storage/file_utils.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

// The pages Print Labels prints, drawn on A4 into memory. Empty when they cannot be drawn.
QByteArray LabelsPdf(const ResultsModel& model, const LabelDefinition& definition, int layout) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setCreator("Trimora");
  writer.setTitle(QString::fromStdString("Labels " + FileNameFromPath(model.jobFileName)));
  if (!PrintTextBlocks(writer, LabelSheetRows(model, definition, layout))) return {};
  return buffer.data();
}

// The PDF replaces the file only once it is complete, so a failed write leaves the old one.
int WriteLabelsPdf(const ResultsModel& model, const LabelDefinition& definition,
                   const ResultsArgs& args) {
  HeadlessQt qt;
  const QByteArray pdf = LabelsPdf(model, definition, args.layout);
  std::string error = "cannot be drawn";
  if (!pdf.isEmpty() && ReplaceFileSafely(args.pdfPath, pdf.toStdString(), &error)) return 0;
  std::cerr << "trimora-cli: " << args.pdf << ": " << error << '\n';
  return 1;
}

int EmitLabels(const ResultsArgs& args, const ResultsModel& model) {
  if (!IsLayoutOfPlan(args.layout, model.layouts)) return 1;
  std::string problem;
  const std::optional<LabelDefinition> definition = ReadLabelDefinition(&problem);
  if (!definition) {
    std::cerr << problem << '\n';
    return 2;
  }
  if (!args.pdf.empty()) return WriteLabelsPdf(model, *definition, args);
  return EmitResultsText(LabelSheetText(model, *definition, args.layout), args);
}

}  // namespace

int RunLabelsCommand(const ResultsArgs& args) {
  return WithResultsModel(args, [&](ResultsModel& model) { return EmitLabels(args, model); });
}

}  // namespace trimora
