#pragma once
// The status texts of the mouse work, as the user sees them in pane 0, and
// the cue file of a refused range.

namespace ionvue {

inline constexpr const char* kPromptZoom = "Zoom LMB, Replay RMB";
inline constexpr const char* kPromptSecondZoomPoint = "Select second point LMB, Cancel RMB";
inline constexpr const char* kPromptCentroids = "Select centroids LMB, Exit RMB";
inline constexpr const char* kPromptTimes = "Select times LMB, Exit RMB";
inline constexpr const char* kPromptDifferences = "Select points LMB, Exit RMB";
inline constexpr const char* kPromptBackground = "Select background point (LMB) or exit (RMB)";
// With the number of the next calibration point.
inline constexpr const char* kPromptCalibrationPoint = "Select peak # %i LMB, Exit RMB";
inline constexpr const char* kPromptFirstExpansionPoint = "Select first point LMB, Exit RMB";
inline constexpr const char* kPromptSecondExpansionPoint = "Now select the second point ...";
// Pending low and high while the range bar is dragged.
inline constexpr const char* kRangeBarStatus = "%.0f - %.0f";
// With the level minus one.
inline constexpr const char* kSliderStatus = "Missed cleavages = %i";
// The m/z under the pointer, in the display pane and the tooltip.
inline constexpr const char* kPointerMzFormat = "%.1lf";
inline constexpr const char* kPointerOutsidePlot = " ";

inline constexpr int kPromptPane = 0;
inline constexpr int kPointerPane = 3;

// Played from the installation folder (Defaults/IVRootDirectory).
inline constexpr const char* kRefusedRangeSound = "sf_beep.wav";

}  // namespace ionvue
