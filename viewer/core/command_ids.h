#pragma once
// The numbers of the menu, toolbar and accelerator commands. Every layer
// that handles a command names it by these; the texts, menus and shortcuts
// are kept with them in the command table above the view.

namespace ionvue::cmd {

// File
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSaveAs = 32790;
inline constexpr int kExportScreenAscii = 32795;
inline constexpr int kExportBinary = 32807;
inline constexpr int kFileRevert = 32824;
inline constexpr int kLoadSnapticData = 32816;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kRecentFile1 = 57616;  // the four recent files follow in order
inline constexpr int kRecentFileCount = 4;
inline constexpr int kAppExit = 57665;

// Edit
inline constexpr int kCopyMasses = 32900;
inline constexpr int kCopyGraphics = 32901;
inline constexpr int kPasteMassTemplate = 32902;
inline constexpr int kRemoveTemplate = 32903;
inline constexpr int kSetHighestMass = 32806;
inline constexpr int kCompressionParameters = 32774;
inline constexpr int kProperties = 32904;
inline constexpr int kPropertiesCopy = 32905;
inline constexpr int kPropertiesPaste = 32906;
inline constexpr int kPropertiesUseDefault = 32907;
inline constexpr int kPropertiesSetDefault = 32908;

// Graph
inline constexpr int kDisplayFullSpectrum = 32910;
inline constexpr int kSetDisplayRange = 32911;
inline constexpr int kSetIntensityRange = 32912;
inline constexpr int kZoomRegion = 32913;
inline constexpr int kZoomIn = 32914;
inline constexpr int kZoomOut = 32915;
inline constexpr int kAddTrace = 32916;
inline constexpr int kDeleteTrace = 32917;
inline constexpr int kLockViews = 32839;
inline constexpr int kShowInformation = 32821;
inline constexpr int kLandscapePlot = 32918;
inline constexpr int kPortraitPlot = 32919;
inline constexpr int kCustomPlot = 32920;
inline constexpr int kSetCustomPlot = 32921;
inline constexpr int kFullFrame = 32922;
inline constexpr int kAxisLabels = 32923;
inline constexpr int kLineWidth = 32924;
inline constexpr int kPrinterInvert = 32925;
inline constexpr int kGraphFont = 32926;
inline constexpr int kHashValue = 32885;

// Calibrate
inline constexpr int kAddPoint = 32930;
inline constexpr int kRemoveAllPoints = 32931;
inline constexpr int kRecalibrate = 32932;
inline constexpr int kCalibrationLinear = 32933;
inline constexpr int kCalibrationTof = 32934;
inline constexpr int kCalibrationDeTof = 32935;
inline constexpr int kEditCalibrants = 32936;
inline constexpr int kSaveCalibrationDefault = 32937;
inline constexpr int kApplyCalibrationDefault = 32938;

// Label
inline constexpr int kLabelCentroid = 32940;
inline constexpr int kLabelMassDifferences = 32941;
inline constexpr int kLabelTime = 32942;
inline constexpr int kLabelIntegral = 32943;
inline constexpr int kLabelNormalizedIntegral = 32944;
inline constexpr int kChargeTolerance = 32945;
inline constexpr int kLabelIsMass = 32946;
inline constexpr int kDisplayMz = 32947;
inline constexpr int kAverageMass = 32948;
inline constexpr int kLabelFont = 32949;
inline constexpr int kLabelPrecision = 32950;
inline constexpr int kLabelVertical = 32951;
inline constexpr int kMassList = 32952;
inline constexpr int kIntegrationWidth = 32953;
inline constexpr int kNormalization = 32954;
inline constexpr int kAutolabelPeaks = 32955;
inline constexpr int kDeleteLabelMode = 32956;
inline constexpr int kClearAllLabels = 32957;

// Tools
inline constexpr int kSmooth = 32960;
inline constexpr int kAbc = 32961;
inline constexpr int kHighPassFilter = 32962;
inline constexpr int kMassCorrelation = 32963;
inline constexpr int kAutocorrelation = 32964;
inline constexpr int kToolsRevert = 32819;

// Digests
inline constexpr int kImportDigest1 = 32970;
inline constexpr int kImportDigest2 = 32971;
inline constexpr int kCrossColor = 32972;

// Network
inline constexpr int kKadenzaWizard = 32975;
inline constexpr int kMurmexWizard = 32976;
inline constexpr int kMsProtocols = 32855;
inline constexpr int kAminoAcidInfo = 32856;
inline constexpr int kVexlarIndex = 32857;
inline constexpr int kIonvueHomepage = 32860;
inline constexpr int kUpgradeWizard = 32881;
inline constexpr int kTallyx = 32837;

// Window
inline constexpr int kNextSpectrum = 32890;
inline constexpr int kCloseAll = 32888;
inline constexpr int kAllDialogBoxes = 32800;

// Help
inline constexpr int kCopyright = 57664;
inline constexpr int kLicense = 32891;
inline constexpr int kFeedback = 32896;
inline constexpr int kTutorial = 32897;
inline constexpr int kHowCompression = 32878;
inline constexpr int kHowSmoothing = 32879;
inline constexpr int kHelp = 57670;  // F1, served by the active spectrum document

}  // namespace ionvue::cmd
