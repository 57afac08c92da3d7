// trimora-binpack: plan quality on the classic two-dimensional bin-packing instances (.2bp files
// of classes 1-5), with rotation allowed, for each search effort: bins used per class, the
// instances where a longer effort uses fewer or more bins than the standard run, and time.
//
//   trimora-binpack [--efforts standard,thorough] [--instances N] [--threads N]
//                   [--through-cuts-only] FILE.2bp ...
//
// Each instance becomes a job: one stock size (the bin) with as many sheets as items, no
// margins, KERF 0, the bin's larger side as blade reach, Maximum Yield; equal items make one
// cut line with their count (lines in the order of their sizes, each as the file gives it,
// height first), ORN 0. Bins used = the sum of the layouts' repeat counts. Every instance whose
// bins differ from the first effort's is listed. --through-cuts-only runs every effort planning
// only layouts that straight through-cuts take apart.

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/search_effort.h"

namespace {

using namespace trimora;

struct Instance {
  int number = 0;
  float binHeight = 0, binWidth = 0;
  std::map<std::pair<float, float>, int> items;  // (height, width) -> count
};

// The instances of one file; a line's numbers come first, a comment may follow.
std::vector<Instance> ReadInstances(const std::string& path) {
  std::ifstream in(path);
  std::vector<Instance> instances;
  std::string line;
  // The numbers of the next line that holds any (instances are apart by blank lines).
  const auto numbers = [&](int wanted) {
    std::vector<float> values;
    while (std::getline(in, line) && line.find_first_of("0123456789") == std::string::npos) {
    }
    std::istringstream fields(line);
    float value;
    while (int(values.size()) < wanted && fields >> value) values.push_back(value);
    return values;
  };
  while (true) {
    if (numbers(1).empty()) break;  // the class
    const std::vector<float> n = numbers(1);
    const std::vector<float> number = numbers(2);  // relative, absolute
    const std::vector<float> bin = numbers(2);
    if (n.empty() || number.empty() || bin.size() < 2) break;
    Instance instance;
    instance.number = int(number.back());
    instance.binHeight = bin[0];
    instance.binWidth = bin[1];
    for (int i = 0; i < int(n[0]); ++i) {
      const std::vector<float> item = numbers(2);
      if (item.size() < 2) return instances;
      ++instance.items[{item[0], item[1]}];
    }
    instances.push_back(instance);
  }
  return instances;
}

bool MakeJob(const Instance& instance, EngineJob& job) {
  BasicDetails basic;
  basic.BLADE = std::max(instance.binHeight, instance.binWidth);
  RollList rolls(2);
  int itemCount = 0;
  for (const auto& [size, count] : instance.items) itemCount += count;
  rolls[1].LENGTH = std::max(instance.binHeight, instance.binWidth);
  rolls[1].WIDTH = std::min(instance.binHeight, instance.binWidth);
  rolls[1].QTY = float(itemCount);
  rolls[1].row = 1;
  CutList cuts(1);
  for (const auto& [size, count] : instance.items) {
    CutRecord cut;
    cut.row = int(cuts.size());
    cut.LENGTH = size.first;
    cut.WIDTH = size.second;
    cut.QTY = float(count);
    cuts.push_back(cut);
  }
  return PrepareEngineJob(basic, rolls, cuts, 1, job).empty();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  std::string effortList = "standard,thorough";
  int instancesPerFile = 0;
  int threads = 0;
  bool throughCutsOnly = false;
  CLI::App program("Bins used on the classic bin-packing instances, per search effort.",
                   "trimora-binpack");
  program.add_option("--efforts", effortList, "the efforts to measure, the first as reference");
  program.add_option("--instances", instancesPerFile, "only the first N instances of each file");
  program.add_option("--threads", threads, "threads of the engine; 0 uses every core");
  program.add_flag("--through-cuts-only", throughCutsOnly,
                   "only layouts straight through-cuts can take apart");
  program.add_option("FILE.2bp", files, "instance files")->required();
  CLI11_PARSE(program, argc, argv);
  std::vector<SearchEffort> efforts;
  std::istringstream names(effortList);
  for (std::string name; std::getline(names, name, ',');) {
    const auto effort = ParseSearchEffort(name);
    if (!effort) {
      std::fprintf(stderr, "trimora-binpack: no effort named %s\n", name.c_str());
      return 64;
    }
    efforts.push_back(*effort);
  }

  std::printf("%-14s %-11s %6s %7s %7s %9s\n", "file", "effort", "bins", "fewer", "more",
              "seconds");
  for (const std::string& file : files) {
    std::vector<Instance> instances = ReadInstances(file);
    if (instancesPerFile > 0 && int(instances.size()) > instancesPerFile) {
      instances.resize(size_t(instancesPerFile));
    }
    std::vector<std::vector<int>> bins(efforts.size());
    std::vector<double> seconds(efforts.size(), 0);
    for (const Instance& instance : instances) {
      EngineJob job;
      if (!MakeJob(instance, job)) {
        std::fprintf(stderr, "trimora-binpack: %s: instance %d cannot run\n", file.c_str(),
                     instance.number);
        return 1;
      }
      job.throughCutsOnly = throughCutsOnly;
      for (size_t e = 0; e < efforts.size(); ++e) {
        RunControl quiet;
        const auto start = std::chrono::steady_clock::now();
        const SearchOutcome outcome = OptimizeWithEffort(job, quiet, efforts[e], threads);
        seconds[e] +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        // An empty plan would count as no bins at all.
        if (outcome.best.Empty()) {
          std::fprintf(stderr, "trimora-binpack: %s: instance %d: no plan\n", file.c_str(),
                       instance.number);
          return 1;
        }
        bins[e].push_back(int(SheetsCut(outcome.best.records)));
      }
    }
    const std::string name = file.substr(file.find_last_of('/') + 1);
    for (size_t e = 0; e < efforts.size(); ++e) {
      int total = 0, fewer = 0, more = 0;
      for (size_t i = 0; i < bins[e].size(); ++i) {
        total += bins[e][i];
        fewer += bins[e][i] < bins[0][i];
        more += bins[e][i] > bins[0][i];
      }
      std::printf("%-14s %-11s %6d %7d %7d %9.1f\n", name.c_str(), SearchEffortName(efforts[e]),
                  total, fewer, more, seconds[e]);
    }
    for (size_t e = 1; e < efforts.size(); ++e) {
      for (size_t i = 0; i < bins[e].size(); ++i) {
        if (bins[e][i] == bins[0][i]) continue;
        std::printf("  %s instance %d: %d -> %d bins (%s)\n", name.c_str(), instances[i].number,
                    bins[0][i], bins[e][i], SearchEffortName(efforts[e]));
      }
    }
    std::fflush(stdout);
  }
  return 0;
}
