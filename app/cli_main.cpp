// trimora-cli: the job-file tools of Trimora on the command line.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>

#include "app/cli_check.h"
#include "app/cli_cuts.h"
#include "app/cli_draw.h"
#include "app/cli_export.h"
#include "app/cli_labels.h"
#include "app/cli_offcuts.h"
#include "app/cli_optimize.h"
#include "app/cli_report.h"
#include "trimora_version.h"

namespace trimora {
namespace {

constexpr int kUsageError = 64;  // EX_USAGE, as sysexits.h has it

constexpr const char* kExitStatuses =
    "Exit status: 0 done; 1 a file could not be read or written; 2 a start check refused the\n"
    "job (or it has no layout results); 3 the run found no plan; 4 some layout cannot be\n"
    "separated by straight through-cuts (cuts); 64 a usage error.\n";

// The wrong arguments, then the usage of the subcommand they were given to (or the program's).
int UsageError(const CLI::App& program, const CLI::Error& error) {
  const CLI::App* shown = &program;
  for (const CLI::App* subcommand : program.get_subcommands()) shown = subcommand;
  const std::string parent = shown == &program ? "" : program.get_name();
  std::cerr << "trimora-cli: " << error.what() << "\n\n" << shown->help(parent);
  return kUsageError;
}

CLI::Option* AddJob(CLI::App& command, std::string& job) {
  return command.add_option("JOB.trm", job, "the job file")->required();
}

CLI::Option* AddLayout(CLI::App& command, int& layout) {
  return command.add_option("--layout", layout, "only layout N")
      ->type_name("N")
      ->check(CLI::Range(1, 32767));
}

// The results commands' text goes to stdout unless -o names a file.
CLI::Option* AddOutput(CLI::App& command, std::string& output) {
  return command.add_option("-o,--output", output, "write to FILE, not to stdout")
      ->type_name("FILE");
}

int Run(int argc, char** argv) {
  CLI::App program("Trimora's job-file tools: check, optimize and export cutting plans.",
                   "trimora-cli");
  program.set_version_flag("--version", std::string("trimora-cli ") + kTrimoraVersion);
  program.require_subcommand(1);
  program.footer(kExitStatuses);

  std::string checkJob;
  CLI::App* check = program.add_subcommand(
      "check",
      "list the stock sizes and cut-pieces the engine will use and say whether an "
      "optimization can start");
  AddJob(*check, checkJob);

  OptimizeRequest optimizeRequest;
  CLI::App* optimize = program.add_subcommand(
      "optimize",
      "find the best cutting plan of each job and write the job with its layout "
      "results; Ctrl+C stops early and keeps the best plan found so far");
  optimize->add_option("JOB.trm", optimizeRequest.jobs, "the job files")->required();
  CLI::Option* output = optimize->add_option("-o,--output", optimizeRequest.output,
                                             "write the job here, not back over JOB.trm");
  output->type_name("OUT.trm");
  optimize
      ->add_option("--output-dir", optimizeRequest.outputDir,
                   "write every job into this folder under its own name")
      ->type_name("DIR")
      ->excludes(output);
  optimize->add_option("--jobs", optimizeRequest.parallelJobs, "optimize N jobs at once")
      ->type_name("N")
      ->check(CLI::Range(1, 64));
  optimize
      ->add_option("--threads", optimizeRequest.threads,
                   "the engine's threads per job (default: the cores shared out)")
      ->type_name("N")
      ->check(CLI::Range(1, 1024));

  std::string effort = SearchEffortName(SearchEffort::kStandard);
  optimize
      ->add_option("--effort", effort,
                   "how long to search: standard (the usual run), thorough (about 4 times as "
                   "long) or exhaustive (about 16 times); a longer search is never worse")
      ->type_name("LEVEL")
      ->check(CLI::IsMember({"standard", "thorough", "exhaustive"}));
  optimize->add_flag("--through-cuts-only", optimizeRequest.throughCutsOnly,
                     "only layouts that straight through-cuts, each from edge to edge, take "
                     "apart, for a shear or a panel saw that cannot stop mid-sheet");

  ResultsArgs report, offcuts, labels, cuts;
  CLI::App* reportCommand = program.add_subcommand(
      "report",
      "the report of an optimized job: stock used, pieces produced and a section per "
      "layout");
  AddJob(*reportCommand, report.job);
  AddOutput(*reportCommand, report.output);

  CLI::App* offcutsCommand = program.add_subcommand(
      "offcuts", "the off-cuts the plan leaves, scrap marked by scrap.dat beside the job");
  AddJob(*offcutsCommand, offcuts.job);
  AddOutput(*offcutsCommand, offcuts.output);

  CLI::App* labelsCommand = program.add_subcommand(
      "labels",
      "the label sheet of one layout or all, arranged as lbl.def beside the job (or "
      "--def FILE) says");
  AddJob(*labelsCommand, labels.job);
  AddLayout(*labelsCommand, labels.layout);
  labelsCommand->add_option("--def", labels.labelDef, "the label definition to use")
      ->type_name("FILE");
  CLI::Option* labelsOutput = AddOutput(*labelsCommand, labels.output);
  labelsCommand->add_option("--pdf", labels.pdf, "write the printed pages (A4) as a PDF")
      ->type_name("FILE")
      ->excludes(labelsOutput);

  CLI::App* cutsCommand = program.add_subcommand(
      "cuts",
      "the saw's cut sequence of each layout: straight through-cuts stage by stage, with the "
      "number of cuts, their length and the stages; exit status 4 when some layout cannot be "
      "separated by straight through-cuts");
  AddJob(*cutsCommand, cuts.job);
  AddLayout(*cutsCommand, cuts.layout);
  CLI::Option* cutsOutput = AddOutput(*cutsCommand, cuts.output);
  cutsCommand
      ->add_option("--csv", cuts.csv,
                   "write one row per cut instead: layout,step,axis,position,from,to (- is stdout)")
      ->type_name("FILE")
      ->excludes(cutsOutput);

  DrawRequest draw;
  std::string pdf, svg, png, dxf;
  CLI::App* drawCommand = program.add_subcommand(
      "draw",
      "the layouts drawn to scale: the printed pages as one PDF, or one picture per "
      "layout as the screen shows it, what is shown following dia.set beside the job; or "
      "one DXF drawing per layout at true size for cutting machines");
  AddJob(*drawCommand, draw.jobPath);
  CLI::Option_group* formats = drawCommand->add_option_group("output", "one of");
  formats->add_option("--pdf", pdf, "the printed pages")->type_name("FILE");
  formats->add_option("--svg", svg, "layout-N.svg in DIR")->type_name("DIR");
  formats->add_option("--png", png, "layout-N.png in DIR")->type_name("DIR");
  CLI::Option* dxfOption =
      formats->add_option("--dxf", dxf, "JOB-LN.dxf in DIR, in millimetres")->type_name("DIR");
  formats->require_option(1);
  AddLayout(*drawCommand, draw.layout);
  drawCommand->add_option("--settings", draw.settingsPath, "the drawing settings to use")
      ->type_name("dia.set")
      ->excludes(dxfOption);
  drawCommand
      ->add_flag("--cuts", draw.cuts,
                 "number the saw's through-cuts on the drawing; the PDF also lists them under "
                 "each layout's detail text")
      ->excludes(dxfOption);

  ExportRequest exportRequest;
  CLI::App* exportCommand = program.add_subcommand(
      "export",
      "the plan for other software: one record per placed piece and per off-cut, as "
      "CSV or as JSON with the job's stock, demand and totals (FILE - is stdout)");
  AddJob(*exportCommand, exportRequest.job);
  CLI::Option_group* exports = exportCommand->add_option_group("output", "one or both of");
  exports->add_option("--csv", exportRequest.csv, "write the CSV here")->type_name("FILE");
  exports->add_option("--json", exportRequest.json, "write the JSON here")->type_name("FILE");
  exports->require_option(1, 2);

  ImportCutsRequest importRequest;
  CLI::App* importCommand = program.add_subcommand(
      "import-cuts",
      "append a cut list saved from a spreadsheet as CSV (LENGTH, WIDTH, QTY and "
      "optional ORN, DESCRIPTION, PARTY, SITE) to the job's cut-pieces");
  AddJob(*importCommand, importRequest.job);
  importCommand->add_option("FILE.csv", importRequest.csv, "the cut list")->required();
  importCommand
      ->add_option("-o,--output", importRequest.output, "write the job here, not back over JOB.trm")
      ->type_name("OUT.trm");

  try {
    program.parse(argc, argv);
    if (optimizeRequest.jobs.size() > 1 && !optimizeRequest.output.empty()) {
      throw CLI::ValidationError("-o", "takes one job; --output-dir takes several");
    }
    if (!optimizeRequest.outputDir.empty()) {
      std::set<std::string> names;
      for (const std::string& job : optimizeRequest.jobs) {
        if (!names.insert(std::filesystem::path(job).filename().string()).second) {
          throw CLI::ValidationError(
              "--output-dir",
              "two jobs are named " + std::filesystem::path(job).filename().string());
        }
      }
    }
  } catch (const CLI::CallForHelp& e) {
    return program.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return program.exit(e);
  } catch (const CLI::Error& e) {
    return UsageError(program, e);
  }

  if (*check) return RunCheckCommand(checkJob);
  if (*optimize) {
    optimizeRequest.effort = *ParseSearchEffort(effort);
    return RunOptimizeCommand(optimizeRequest);
  }
  if (*exportCommand) return RunExportCommand(exportRequest);
  if (*importCommand) return RunImportCutsCommand(importRequest);
  for (auto [command, args] : {std::pair{reportCommand, &report},
                               {offcutsCommand, &offcuts},
                               {labelsCommand, &labels},
                               {cutsCommand, &cuts}}) {
    if (!*command) continue;
    args->MakePathsAbsolute();
    if (command == reportCommand) return RunReportCommand(*args);
    if (command == offcutsCommand) return RunOffcutsCommand(*args);
    if (command == cutsCommand) return RunCutsCommand(*args);
    return RunLabelsCommand(*args);
  }
  draw.format = !pdf.empty()   ? DrawRequest::Format::kPdf
                : !svg.empty() ? DrawRequest::Format::kSvg
                : !png.empty() ? DrawRequest::Format::kPng
                               : DrawRequest::Format::kDxf;
  draw.output = pdf + svg + png + dxf;
  return RunDrawCommand(draw);
}

}  // namespace
}  // namespace trimora

int main(int argc, char** argv) {
  const int status = trimora::Run(argc, argv);
  // Output that never arrived is a failure, whatever the command made of it.
  if (!std::cout.flush()) {
    std::cerr << "trimora-cli: standard output: cannot be written\n";
    return 1;
  }
  return status;
}
