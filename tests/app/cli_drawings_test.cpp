// What trimora-cli draws with Qt: labels --pdf, read back word by word with pdftotext
// (poppler-utils), and the layout drawings of draw.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <regex>
#include <string>
#include <vector>

#include "app/cli_run.h"
#include "results/label_sheet.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;
const auto RunCli = testing::RunCliKeepingStderrApart;

struct Word {
  size_t page;  // 0-based
  double left, top, right;
  std::string text;
};

// The words of the PDF with their boxes in points, page by page.
std::vector<Word> WordsOf(const std::string& pdf) {
  if (std::system(("pdftotext -bbox " + pdf + " words.html").c_str()) != 0) return {};
  const std::string html = ReadFile("words.html");
  const std::regex item(
      "<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" [^>]*>([^<]*)<");
  std::vector<Word> words;
  size_t pages = 0;
  for (std::sregex_iterator it(html.begin(), html.end(), item), end; it != end; ++it) {
    const std::smatch& m = *it;
    if (!m[1].matched) {
      ++pages;
      continue;
    }
    words.push_back({pages - 1, std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), m[4]});
  }
  return words;
}

// Layout 1 of a rack holds 40 LIDs (500 x 300, for P at S), layout 2 a single one.
class CliDrawings : public testing::InWorkDir {
 protected:
  void SetUp() override {
    std::string pieces;
    for (int i = 0; i < 40; ++i) pieces += "1,1,1,0,0,300,500,1,1\r\n";
    WriteFile("rack.trm",
              "[BASIC.TLF]\r\n\"MS\",\"A\",\"2\",\"1550\",\"10\",\"0\",\"TEST\"\r\n[END]\r\n"
              "[OPTIONS.TLF]\r\n-1,0\r\n[END]\r\n"
              "[SHEET.TLF]\r\n\"8000\",\"1000\",\"5\",\"0\",\"0\",\"0\",\"0\",\"RACK\"\r\n[END]\r\n"
              "[CUT.TLF]\r\n\"500\",\"300\",\"2\",\"0\",\"LID\",\"P\",\"S\"\r\n[END]\r\n"
              "[DIA.TLF]\r\n1,-1,1,0,0,1000,8000,1,0\r\n" +
                  pieces + "2,-1,1,0,0,1000,800,1,0\r\n2,1,1,0,0,300,500,1,1\r\n[END]\r\n");
  }
};

// The sample definition a new working folder gets: two labels a row and two empty lines after
// it, rows of 7 lines, on A4 pages with 822 points inside their margins.
TEST_F(CliDrawings, LabelsInElevenPointFillEachPageWithWholeRows) {
  const std::string sample = std::string(TRIMORA_EXAMPLES) + "/lbl.def";
  ASSERT_EQ(RunCli("labels rack.trm --layout 1 --def '" + sample + "' --pdf labels.pdf").status, 0);
  const std::vector<Word> words = WordsOf("labels.pdf");
  ASSERT_FALSE(words.empty()) << "is pdftotext installed?";
  for (const Word& w : words) {  // a fixed-pitch font advances 0.6 em a character
    EXPECT_NEAR((w.right - w.left) / (0.6 * double(w.text.size())), 11, 0.25) << w.text;
    EXPECT_LT(w.right, 595.0) << w.text;  // inside the A4 page's width
  }
  const auto second =
      std::find_if(words.begin(), words.end(), [](const Word& w) { return w.text == "500"; });
  ASSERT_NE(second, words.end());
  const double pitch = second->top - words[0].top;  // from a label's first line to its second
  std::vector<int> labels(words.back().page + 1), lastLines(labels.size());
  for (const Word& w : words) {
    labels[w.page] += w.text.starts_with("Mat=");
    lastLines[w.page] += w.text.starts_with("Site:");
  }
  EXPECT_EQ(lastLines, labels);  // no label split over two pages
  ASSERT_GE(labels.size(), 3u);
  for (size_t page = 0; page + 1 < labels.size(); ++page) {  // full: one more row would not fit
    EXPECT_LE(labels[page] / 2 * 7 * pitch, 822.01) << page;
    EXPECT_GT((labels[page] / 2 + 1) * 7 * pitch, 821.99) << page;
  }
  EXPECT_EQ(std::accumulate(labels.begin(), labels.end(), 0), 40);
}

TEST_F(CliDrawings, LabelsOfOneLayoutAndAFailedWriteKeepsTheOldFile) {
  WriteFile("lbl.def", "\"100\",\"1\",\"32767\",\"0\",\"0\"\r\n");  // rows gigabytes wide
  const testing::CliRun absurd = RunCli("labels rack.trm");
  EXPECT_EQ(absurd.status, 2);
  EXPECT_EQ(absurd.err, std::string(kLabelsOutOfRangeMessage) + "\n");
  WriteFile("lbl.def", "\"3\",\"1\",\"30\",\"2\",\"1\"\r\n");
  ASSERT_EQ(RunCli("labels rack.trm --layout 2 --pdf one.pdf").status, 0);
  const std::vector<Word> single = WordsOf("one.pdf");
  EXPECT_EQ(single.size(), 9u);  // one label of nine words on one page
  EXPECT_EQ(single.back().page, 0u);

  // A name so long that the temporary file beside it cannot be made: the write fails.
  const std::string old = std::string(250, 'x') + ".pdf";
  WriteFile(old, "old");
  const testing::CliRun run = RunCli("labels rack.trm --pdf " + old);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.ends_with("trimora-cli: " + old + ": File name too long\n")) << run.err;
  EXPECT_EQ(ReadFile(old), "old");
}

// --- draw ---------------------------------------------------------------------------------

TEST_F(CliDrawings, DrawGivesAPageOrAPicturePerLayoutFollowingTheSettings) {
  ASSERT_EQ(RunCli("draw rack.trm --pdf out.pdf").status, 0);
  EXPECT_EQ(testing::PdfPages("out.pdf"), 2);
  ASSERT_EQ(RunCli("draw rack.trm --pdf one.pdf --layout 1").status, 0);
  EXPECT_EQ(testing::PdfPages("one.pdf"), 1);
  ASSERT_EQ(RunCli("draw rack.trm --png pictures").status, 0);
  for (const char* name : {"pictures/layout-1.png", "pictures/layout-2.png"}) {
    EXPECT_TRUE(ReadFile(name).starts_with("\x89PNG")) << name;
  }
  // Sheet Dimensions on, printer scale 1.
  WriteFile("sheet.set", "0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n");
  const testing::CliRun run =
      RunCli("draw rack.trm --svg labelled --layout 2 --settings sheet.set");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(std::filesystem::exists("labelled/layout-1.svg"));
  const std::string svg = ReadFile("labelled/layout-2.svg");
  EXPECT_NE(svg.find(">1000</text>"), std::string::npos);  // the sheet's width under it
  EXPECT_NE(svg.find(">800</text>"), std::string::npos);   // its used length beside it
  EXPECT_EQ(svg.find("#d00000"), std::string::npos);
  ASSERT_EQ(RunCli("draw rack.trm --svg cuts --layout 2 --cuts").status, 0);
  EXPECT_NE(ReadFile("cuts/layout-2.svg").find("#d00000"), std::string::npos);  // the red cuts
}

// One drawing per layout for the cutting machine, named after the job; a job without results
// has none to draw.
TEST_F(CliDrawings, DxfGivesADrawingPerLayoutNamedAfterTheJob) {
  testing::CliRun run = RunCli("draw rack.trm --dxf cam");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "cam/rack-L1.dxf\ncam/rack-L2.dxf\n");
  const std::string first = ReadFile("cam/rack-L1.dxf");
  EXPECT_TRUE(first.starts_with("  0\r\nSECTION\r\n  2\r\nHEADER\r\n"));
  const std::regex piece("POLYLINE\r\n  8\r\nPIECES\r\n");
  EXPECT_EQ(std::distance(std::sregex_iterator(first.begin(), first.end(), piece),
                          std::sregex_iterator()),
            40);
  EXPECT_TRUE(ReadFile("cam/rack-L2.dxf").ends_with("  0\r\nEOF\r\n"));

  ASSERT_EQ(RunCli("draw rack.trm --dxf one --layout 2").status, 0);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator("one")) {
    names.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(names, std::vector<std::string>{"rack-L2.dxf"});

  run = RunCli("draw rack.trm --dxf rack.trm");  // a file where the folder would be
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "trimora-cli: rack.trm: cannot make the folder\n");
  const std::string job = ReadFile("rack.trm");
  WriteFile("bare.trm", job.substr(0, job.find("[DIA.TLF]")));
  EXPECT_EQ(RunCli("draw bare.trm --dxf bare").status, 2);
  EXPECT_FALSE(std::filesystem::exists("bare"));
}

// A drawing that cannot be put in place fails with the reason and leaves the old file whole.
TEST_F(CliDrawings, AFailedDrawIsAnErrorAndKeepsTheOldFile) {
  const std::string old = std::string(250, 'x') + ".pdf";  // no room for a temporary beside it
  WriteFile(old, "old");
  testing::CliRun run = RunCli("draw rack.trm --pdf " + old);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.ends_with(": File name too long\n")) << run.err;
  EXPECT_EQ(ReadFile(old), "old");
  for (const char* format : {"svg", "png"}) {
    const std::string taken = std::string("pictures/layout-1.") + format;
    std::filesystem::create_directories(taken);  // a folder where the picture would go
    run = RunCli(std::string("draw rack.trm --") + format + " pictures");
    EXPECT_EQ(run.status, 1) << format;
    EXPECT_NE(run.err.find(taken), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::is_directory(taken));
  }
}

}  // namespace
}  // namespace trimora
