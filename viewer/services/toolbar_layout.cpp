#include "viewer/services/toolbar_layout.h"

#include "viewer/core/command_ids.h"

namespace ionvue {

std::span<const ToolbarLayout> Toolbars() {
  constexpr int kSep = kToolbarSeparator;
  static const ToolbarLayout bars[] = {
      {"Display: ",
       {cmd::kFileOpen, cmd::kFileSaveAs, cmd::kFilePrint, kSep, cmd::kCopyMasses,
        cmd::kCopyGraphics, kSep, cmd::kZoomRegion, cmd::kZoomIn, cmd::kZoomOut, kSep,
        cmd::kDisplayFullSpectrum, cmd::kLockViews, cmd::kAddTrace, cmd::kDeleteTrace,
        cmd::kNextSpectrum, kSep, cmd::kLoadSnapticData},
       false},
      {"  Peaks: ",
       {cmd::kAverageMass, cmd::kDisplayMz, kSep, cmd::kLabelCentroid, cmd::kLabelMassDifferences,
        kSep, cmd::kAutolabelPeaks, cmd::kKadenzaWizard, cmd::kMassList, kSep,
        cmd::kDeleteLabelMode, cmd::kClearAllLabels, kSep, cmd::kAddPoint},
       true},
  };
  return bars;
}

std::span<const EntryBand> EntryBands() {
  static constexpr EntryBand bands[] = {
      {"Centroid: ", 30, 20},
      {"s/n: ", 40, 20},
      {"Resolution: ", 60, 20},
  };
  return bands;
}

}  // namespace ionvue
