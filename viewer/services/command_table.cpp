#include "viewer/services/command_table.h"

#include <algorithm>

namespace ionvue {

namespace {

using O = CommandOwner;
using F = Feature;
constexpr unsigned kBoth = kBothMenus;
constexpr unsigned kFull = kFullMenu;
constexpr bool kCheck = true;
constexpr bool kPlain = false;
constexpr bool kGroup = true;
constexpr bool kNext = false;

// clang-format off
constexpr CommandInfo kCommands[] = {
  // File
  {cmd::kFileOpen, O::Application, kBoth, "&File", "&Open ...", "",
   "Open an existing spectrum data file\nOpen", "Ctrl+O", kPlain, kNext, F::Ready},
  {cmd::kFileSaveAs, O::Document, kFull, "&File", "Save &as ...", "",
   "Save the spectrum as a ROZIRO file\nSave as", "", kPlain, kNext, F::Ready},
  {cmd::kExportScreenAscii, O::Document, kFull, "&File>&Export", "&Screen -> ASCII file", "",
   "Save the displayed graph or the whole spectrum as ASCII text", "", kPlain, kNext, F::Ready},
  {cmd::kExportBinary, O::Document, kFull, "&File>&Export", "Save as &binary", "",
   "Save the samples as 32-bit integers with their m/z values", "", kPlain, kNext, F::Ready},
  {cmd::kFileRevert, O::Document, kFull, "&File", "&Revert", "",
   "Reload the spectrum from its file", "", kPlain, kNext, F::Ready},
  {cmd::kLoadSnapticData, O::Application, kBoth, "&File", "&Load Snaptic'd data", "",
   "Load the spectrum the acquisition program saved last\nSnaptic data", "", kPlain, kGroup,
   F::Ready},
  {cmd::kFilePrint, O::View, kFull, "&File", "&Print ...", "",
   "Print the active spectrum\nPrint", "Ctrl+P", kPlain, kGroup, F::Output},
  {cmd::kFilePrintPreview, O::View, kFull, "&File", "Print pre&view", "",
   "Display the printed page\nPrint Preview", "", kPlain, kNext, F::Output},
  {cmd::kFilePrintSetup, O::Application, kBoth, "&File", "... se&tup...", "",
   "Change the printer and printing options\nPrint Setup", "", kPlain, kNext, F::Ready},
  {cmd::kRecentFile1 + 0, O::Application, kBoth, "&File", "Recent File", "",
   "Open this spectrum", "", kPlain, kGroup, F::Ready},
  {cmd::kRecentFile1 + 1, O::Application, kBoth, "&File", "Recent File", "",
   "Open this spectrum", "", kPlain, kNext, F::Ready},
  {cmd::kRecentFile1 + 2, O::Application, kBoth, "&File", "Recent File", "",
   "Open this spectrum", "", kPlain, kNext, F::Ready},
  {cmd::kRecentFile1 + 3, O::Application, kBoth, "&File", "Recent File", "",
   "Open this spectrum", "", kPlain, kNext, F::Ready},
  {cmd::kAppExit, O::Application, kBoth, "&File", "E&xit", "",
   "Quit the application; prompts to save spectra\nExit", "", kPlain, kGroup, F::Ready},

  // Edit
  {cmd::kCopyMasses, O::View, kFull, "&Edit", "&Copy masses", "",
   "Copy labels masses to the clipboard\nCopy label masses to clipboard", "", kPlain, kNext,
   F::Output},
  {cmd::kCopyGraphics, O::View, kFull, "&Edit", "... &graphics", "",
   "Copies the current graph drawing onto the clipboard\nCopy graphics", "", kPlain, kNext,
   F::Output},
  // Served by the document target: the view library sits below the overlays.
  {cmd::kPasteMassTemplate, O::Document, kFull, "&Edit", "Paste &mass template", "",
   "Paste a template of masses onto the spectrum", "", kPlain, kGroup, F::Ready},
  {cmd::kRemoveTemplate, O::Document, kFull, "&Edit", "Remove &template", "",
   "Remove the current mass template", "", kPlain, kNext, F::Ready},
  {cmd::kSetHighestMass, O::Document, kFull, "&Edit", "Set &highest mass", "",
   "Change the end point of the data file (data will be saved in this form)", "", kPlain, kGroup,
   F::Ready},
  {cmd::kCompressionParameters, O::Document, kFull, "&Edit", "Co&mpression parameters", "",
   "Set compression parameters", "", kPlain, kNext, F::Ready},
  {cmd::kProperties, O::Document, kFull, "&Edit", "&Properties", "",
   "Alter the current file's information properties", "", kPlain, kGroup, F::Properties},
  {cmd::kPropertiesCopy, O::View, kFull, "&Edit", "Properties c&opy", "",
   "Copy file information to the clipboard", "", kPlain, kNext, F::Properties},
  {cmd::kPropertiesPaste, O::View, kFull, "&Edit", "... &paste", "",
   "Replace the current file information with the information on the clipboard", "", kPlain,
   kNext, F::Properties},
  {cmd::kPropertiesUseDefault, O::Document, kFull, "&Edit", "... &use default", "",
   "Enter the current default properties for this spectrum.", "", kPlain, kNext, F::Properties},
  {cmd::kPropertiesSetDefault, O::Document, kFull, "&Edit", "... &set default", "",
   "Use the current file properties as default values.", "", kPlain, kNext, F::Properties},

  // Graph
  {cmd::kDisplayFullSpectrum, O::View, kFull, "&Graph", "&Display full spectrum", "",
   "Return to the full spectrum display\nDisplay full spectrum", "", kPlain, kNext, F::Ready},
  {cmd::kSetDisplayRange, O::View, kFull, "&Graph", "&Set display range", "",
   "Enter display range from keyboard\nDisplay range", "", kPlain, kNext, F::Ready},
  {cmd::kSetIntensityRange, O::View, kFull, "&Graph", "Se&t intensity range", "",
   "Set the maximum intensity for the displayed graph.", "", kCheck, kNext, F::Ready},
  {cmd::kZoomRegion, O::View, kFull, "&Graph", "&Zoom a region", "",
   "Select a region to increase the intensity range\nExpand a region vertically", "", kCheck,
   kGroup, F::Ready},
  {cmd::kZoomIn, O::View, kFull, "&Graph", "Zoom &in", "",
   "Zoom in \nZoom in", "Alt+Up", kPlain, kNext, F::Ready},
  {cmd::kZoomOut, O::View, kFull, "&Graph", "Zoom &out", "",
   "Zoom out \nZoom out", "Alt+Down", kPlain, kNext, F::Ready},
  {cmd::kAddTrace, O::View, kFull, "&Graph", "&Add trace", "",
   "&Add a trace to the current view\nAdd trace", "", kPlain, kGroup, F::Ready},
  {cmd::kDeleteTrace, O::View, kFull, "&Graph", "&Delete trace", "",
   "Delete a trace from the current view\nDelete trace", "", kPlain, kNext, F::Ready},
  {cmd::kLockViews, O::Application, kFull, "&Graph", "&Lock views", "",
   "Set all displays to the same display width\nLocked views", "", kCheck, kGroup, F::Ready},
  {cmd::kShowInformation, O::Application, kFull, "&Graph", "Show &information", "",
   "Shows file description and notes below the spectrum when checked", "", kCheck, kNext,
   F::Ready},
  {cmd::kLandscapePlot, O::View, kFull, "&Graph>&Dimensions", "&Landscape plot", "",
   "Reset the dimensions to a full-page, \"landscape\" graph", "", kCheck, kGroup, F::Ready},
  {cmd::kPortraitPlot, O::View, kFull, "&Graph>&Dimensions", "&Portrait plot", "",
   "Change the default dimensions to a \"portrait\" plot", "", kCheck, kNext, F::Ready},
  {cmd::kCustomPlot, O::View, kFull, "&Graph>&Dimensions", "&Custom plot", "",
   "Use custom dimensions for plotting the graph/nCustom plot", "", kCheck, kNext, F::Ready},
  {cmd::kSetCustomPlot, O::View, kFull, "&Graph>&Dimensions", "&Set custom ...", "",
   "Enter new custom dimensions for the displayed graph...", "", kPlain, kNext, F::Ready},
  {cmd::kFullFrame, O::View, kFull, "&Graph>&Options", "F&ull frame", "",
   "Use a full box to surround the graph frame (otherwise x,y axes only)", "", kCheck, kNext,
   F::Ready},
  {cmd::kAxisLabels, O::View, kFull, "&Graph>&Options", "&Axis labels", "",
   "Change the default axis labels", "", kPlain, kNext, F::Ready},
  {cmd::kLineWidth, O::View, kFull, "&Graph>&Options", "&Line width", "",
   "Change the current setting for the spectrum line width", "", kPlain, kNext, F::Ready},
  {cmd::kPrinterInvert, O::View, kFull, "&Graph>&Options", "Printer i&nvert", "",
   "Change this entry if the vertical text prints upside down.", "", kCheck, kNext, F::Ready},
  {cmd::kGraphFont, O::View, kFull, "&Graph>&Options", "&Font", "",
   "Set font used to label the graph", "", kPlain, kNext, F::Labels},
  {cmd::kHashValue, O::Application, kFull, "&Graph>&Options", "&Hash value", "",
   "Compute the authentication value of every file opened and print it with the spectrum", "",
   kCheck, kGroup, F::Ready},

  // Calibrate
  {cmd::kAddPoint, O::View, kFull, "&Calibrate", "&Add point", "",
   "Enter a new calibration point to the calibration stack\nAdd calibration point", "", kCheck,
   kNext, F::Calibration},
  {cmd::kRemoveAllPoints, O::View, kFull, "&Calibrate", "&Remove all points", "",
   "Remove the current set of points from the calibration point stack\nClear points", "", kPlain,
   kNext, F::Calibration},
  {cmd::kRecalibrate, O::View, kFull, "&Calibrate", "Recalibrate &spectrum", "",
   "Calibrate spectrum with the current calibration points\nCalibrate", "", kPlain, kNext,
   F::Calibration},
  {cmd::kCalibrationLinear, O::Document, kFull, "&Calibrate", "&Linear", "",
   "Use linear calibration (at + b = m/z)", "", kCheck, kGroup, F::Calibration},
  {cmd::kCalibrationTof, O::Document, kFull, "&Calibrate", "&TOF", "",
   "Use the simple TOF calibration m/z = a + bt + ct^2\nSimple TOF calibration", "", kCheck, kNext,
   F::Calibration},
  {cmd::kCalibrationDeTof, O::Document, kFull, "&Calibrate", "&deTOF", "",
   "Use the cubic equation m/z=a + bt + ct^2 + dt^3\nCubic calibration", "", kCheck, kNext,
   F::Calibration},
  {cmd::kEditCalibrants, O::Application, kFull, "&Calibrate", "&Edit calibrants", "",
   "Add or remove a calibrant from the calibrants list", "", kPlain, kGroup, F::Calibration},
  {cmd::kSaveCalibrationDefault, O::Document, kFull, "&Calibrate", "&Save as default", "",
   "Save the current calibration into vevor.ini as the default calibration", "", kPlain, kNext,
   F::Calibration},
  {cmd::kApplyCalibrationDefault, O::Document, kFull, "&Calibrate", "A&pply default", "",
   "Reset the calibration of the current data to the default calibration\nUse default "
   "calibration", "", kPlain, kNext, F::Calibration},

  // Label
  {cmd::kLabelCentroid, O::View, kFull, "&Label>Label &type", "&Centroid", "",
   "Find and label centroids\nSelect & label peaks with their centroid  masses", "", kCheck, kNext,
   F::Labels},
  {cmd::kLabelMassDifferences, O::View, kFull, "&Label>Label &type", "Mass &differences", "",
   "Calculate the mass difference between two selected peaks\nFind mass differences between two "
   "points", "", kCheck, kNext, F::Labels},
  {cmd::kLabelTime, O::View, kFull, "&Label>Label &type", "&Time", "",
   "Find the time corresponding to the selected point (microseconds)\nSelect &label points with "
   "their TOF", "", kCheck, kNext, F::Labels},
  {cmd::kLabelIntegral, O::View, kFull, "&Label>Label &type", "&Integral", "",
   "Integrate peaks with background subtraction\nIntegrate", "", kCheck, kNext, F::Labels},
  {cmd::kLabelNormalizedIntegral, O::View, kFull, "&Label>Label &type", "&Normalized integral", "",
   "Normalize integrals to a single peak\nNormalize", "", kCheck, kNext, F::Labels},
  {cmd::kChargeTolerance, O::View, kFull, "&Label>... &options", "&Charge tolerance", "",
   "Set the searching tolerance for assigning charge state.", "", kPlain, kNext, F::Labels},
  {cmd::kLabelIsMass, O::View, kFull, "&Label>... &options", "&Label = m", "",
   "When checked, labels are masses (not m/z)", "", kCheck, kNext, F::Labels},
  {cmd::kDisplayMz, O::View, kFull, "&Label>... &options", "(m+&zH)/z", "",
   "Display peak labels as (m+zH)/z)\n(m+zH)/z", "", kCheck, kNext, F::Labels},
  {cmd::kAverageMass, O::View, kFull, "&Label>... &options", "&Average mass", "",
   "Automatically set the centroid width to calculate isotopic average masses\nMass (average)", "",
   kCheck, kNext, F::Centroid},
  {cmd::kLabelFont, O::View, kFull, "&Label>... &options", "&Font", "",
   "Set font used for peak labels/nLabel font", "", kPlain, kNext, F::Labels},
  {cmd::kLabelPrecision, O::View, kFull, "&Label", "... &precision", "",
   "Select the precision of the labels on the screen\nLabel precision", "", kPlain, kNext,
   F::Labels},
  {cmd::kLabelVertical, O::View, kFull, "&Label", "... &vertical", "",
   "Change the label orientation to be vertical", "", kCheck, kNext, F::Labels},
  {cmd::kMassList, O::View, kFull, "&Label", "... &list", "",
   "View a list of masses, intensities and s/n ratios\nView mass list", "", kPlain, kNext,
   F::Output},
  {cmd::kIntegrationWidth, O::View, kFull, "&Label>&Integration options", "&Integration width", "",
   "Set integration width\nSet integration width", "", kPlain, kNext, F::Labels},
  {cmd::kNormalization, O::View, kFull, "&Label>&Integration options", "&Normalization", "",
   "Select peak to use for integral normalization\nSet normal peak", "", kCheck, kNext, F::Labels},
  {cmd::kAutolabelPeaks, O::View, kFull, "&Label", "&Autolabel peaks", "",
   "Autolabel peaks in spectrum\nAutolabel peaks", "Ctrl+A", kPlain, kGroup, F::Autolabel},
  {cmd::kDeleteLabelMode, O::View, kFull, "&Label", "&Delete label mode", "",
   "Delete individual labels when clicked\nDelete label mode", "", kCheck, kNext, F::Ready},
  {cmd::kClearAllLabels, O::View, kFull, "&Label", "&Clear all labels", "",
   "Clear all displayed mass labels\nClear all labels from the spectrum", "", kPlain, kNext,
   F::Labels},

  // Tools
  {cmd::kSmooth, O::Document, kFull, "&Tools", "&Smooth", "",
   "Smooth a spectrum", "", kPlain, kNext, F::Filters},
  {cmd::kAbc, O::Document, kFull, "&Tools", "&ABC", "",
   "Use adaptive background compensation to remove background signal", "", kPlain, kNext,
   F::Filters},
  {cmd::kHighPassFilter, O::Document, kFull, "&Tools", "&High pass filter", "",
   "Apply a high pass filter to the data", "", kPlain, kNext, F::Filters},
  {cmd::kMassCorrelation, O::Document, kFull, "&Tools", "&Mass correlation", "",
   "Mass correlate data to find peaks separated by a given mass", "", kCheck, kGroup,
   F::Correlation},
  {cmd::kAutocorrelation, O::Document, kFull, "&Tools", "&Autocorrelation", "",
   "Calculate the autocorrelation function for a particular mass range", "", kPlain, kNext,
   F::Correlation},
  {cmd::kToolsRevert, O::Document, kFull, "&Tools", "&Revert", "",
   "Revert to the original file copy of the spectrum", "", kPlain, kGroup, F::Ready},

  // Digests
  {cmd::kImportDigest1, O::Document, kFull, "&Digests", "Import &1st", "",
   "Get a cleavage file that was generated using Cleavix", "", kCheck, kNext, F::Ready},
  {cmd::kImportDigest2, O::Document, kFull, "&Digests", "... &2nd", "",
   "Import cleavage information about a second protein (e.g. a protease)", "", kCheck, kNext,
   F::Ready},
  {cmd::kCrossColor, O::View, kFull, "&Digests", "&Cross color", "",
   "Sets the default color for digest marker crosses", "", kPlain, kGroup, F::Ready},

  // Network
  {cmd::kKadenzaWizard, O::View, kFull, "&Network", "Kadenza &Wizard", "",
   "Use a wizard to setup your Kadenza search", "Ctrl+I", kPlain, kNext, F::Kadenza},
  {cmd::kMurmexWizard, O::View, kFull, "&Network", "&Murmex Wizard", "",
   "Perform peptide identification with Murmex ms/ms", "", kPlain, kNext, F::Murmex},
  {cmd::kMsProtocols, O::Application, kBoth, "&Network", "Get &MS protocols", "",
   "Obtain current protocols page from Kestrova\nMS protocols", "", kPlain, kGroup, F::Ready},
  {cmd::kAminoAcidInfo, O::Application, kBoth, "&Network", "... &amino acid info", "",
   "Get amino acid information for Vexlar\nAmino acid information", "", kPlain, kNext, F::Ready},
  {cmd::kVexlarIndex, O::Application, kBoth, "&Network", "... &Vexlar", "",
   "Connect to the Vexlar index page\nVexlar index", "", kPlain, kNext, F::Ready},
  {cmd::kIonvueHomepage, O::Application, kBoth, "&Network", "... &homepage",
   "... Ionvue homepage", "Load the Ionvue homepage\nIonvue homepage", "", kPlain, kNext,
   F::Ready},
  {cmd::kUpgradeWizard, O::Application, kBoth, "&Network", "Ionvue &upgrade wizard",
   "Upgrade wizard", "Check the Kestrova site for an upgrade version of Ionvue\nUpgrade", "",
   kPlain, kGroup, F::Ready},
  {cmd::kTallyx, O::Application, kFull, "&Network", "&Tallyx", "",
   "Search a collection of spectra using Tallyx\nTallyx", "", kPlain, kGroup, F::Ready},

  // Window
  {cmd::kNextSpectrum, O::Frame, kFull, "&Window", "&Next spectrum", "",
   "Activate the next spectrum open/nNext spectrum", "Alt+Right", kPlain, kNext, F::Ready},
  {cmd::kCloseAll, O::Application, kFull, "&Window", "&Close all", "",
   "Close all open spectra\nClose all", "", kPlain, kNext, F::Ready},
  {cmd::kAllDialogBoxes, O::Application, kBoth, "&Window", "... &all dialog boxes", "",
   "Check entry if you want to see all possible dialog boxes during proceedures", "", kCheck,
   kGroup, F::Ready},

  // Help
  {cmd::kCopyright, O::Application, kBoth, "&Help", "&Copyright", "",
   "Copyright information about Ionvue", "", kPlain, kNext, F::Ready},
  {cmd::kLicense, O::Application, kBoth, "&Help", "&License", "",
   "Read this license agreement.\nLicense agreement.", "", kPlain, kNext, F::Ready},
  {cmd::kFeedback, O::Application, kBoth, "&Help", "&Feedback", "",
   "Write us and let us know about problems\nFeedback", "", kPlain, kNext, F::Ready},
  {cmd::kTutorial, O::Application, kBoth, "&Help", "&Tutorial", "",
   "A tutorial for Ionvue\nTutorial", "", kPlain, kNext, F::Ready},
  {cmd::kHowCompression, O::Application, kBoth, "&Help>How does it work ...", "Data compression?",
   "", "", "", kPlain, kGroup, F::Ready},
  {cmd::kHowSmoothing, O::Application, kBoth, "&Help>How does it work ...", "ABC and smoothing?",
   "", "", "", kPlain, kNext, F::Ready},
  {cmd::kHelp, O::Document, kNoMenu, "", "", "",
   "Load help file for Ionvue for Windows", "F1", kPlain, kNext, F::Ready},
};
// clang-format on

}  // namespace

std::span<const CommandInfo> CommandTable() { return kCommands; }

const CommandInfo* FindCommand(int id) {
  auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                         [id](const CommandInfo& c) { return c.id == id; });
  return it == std::end(kCommands) ? nullptr : &*it;
}

std::string_view StatusPrompt(const CommandInfo& command) {
  return command.prompt.substr(0, command.prompt.find('\n'));
}

std::string_view Tooltip(const CommandInfo& command) {
  size_t cut = command.prompt.find('\n');
  return cut == std::string_view::npos ? std::string_view() : command.prompt.substr(cut + 1);
}

std::string_view MenuText(const CommandInfo& command, MenuSet menu) {
  if (menu == kShortMenu && !command.shortText.empty()) return command.shortText;
  return command.text;
}

bool IsPending(int id) {
  const CommandInfo* command = FindCommand(id);
  return command && !FeatureAvailable(command->feature);
}

CommandState TableState(int id) {
  CommandState state;
  if (const CommandInfo* command = FindCommand(id)) state.checkable = command->checkable;
  return state;
}

bool PendingCommandGate::UpdateCommand(int id, CommandState& state) {
  if (!IsPending(id)) return false;
  state = TableState(id);
  return true;
}

bool PendingCommandGate::ExecuteCommand(int) { return false; }

CommandRouter MakeCommandRouter(CommandTarget* view, CommandTarget* document, CommandTarget* frame,
                                CommandTarget* application) {
  static PendingCommandGate gate;
  return CommandRouter({&gate, view, document, frame, application});
}

}  // namespace ionvue
