#include "shell/optimize_command.h"

#include "storage/report_measure.h"

namespace trimora {

void CheckDensity(DialogService& dialogs, OptimizeHost& host) {
  if (ReadMeasureSetting() != "Weight") return;
  const std::string material = host.JobMaterial();
  while (DensityOf(material) == 0) {
    const MessageAnswer answer =
        dialogs.ShowMessage({kDensityMissingQuestion, "Attention!", MessageButtons::YesNo,
                             MessageIcon::Question, MessageDefault::Second});
    if (answer != MessageAnswer::Yes) return;
    host.EditDensityTable();
  }
}

void Optimize(DialogService& dialogs, OptimizeHost& host) {
  CheckDensity(dialogs, host);
  host.SaveSnapshot(kOptimizeSnapshotFile);
  host.CloseResultWindows();
  host.SetDataChanged();
  if (!host.RunProgressWindow()) return;
  host.SaveAs();
  host.ViewLayouts();
}

}  // namespace trimora
