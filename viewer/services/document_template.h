#pragma once
// How the one document type presents itself to the window framework.

namespace ionvue {

inline constexpr const char* kApplicationTitle = "Ionvue";
// Window title (none), document name, new-file name, filter, extension,
// file-type identifier and name, in the framework's "\n"-separated form.
inline constexpr const char* kDocumentString =
    "\nIonvue\nIonvue\nIonvue Files (*.roziro)\n.roziro\nIonvue.Document\nIonvue Document\nIONV\n"
    "IONV Files";
inline constexpr const char* kDocumentFilter = "Ionvue Files (*.roziro)";
inline constexpr const char* kDocumentExtension = ".roziro";
inline constexpr const char* kDocumentTypeId = "Ionvue.Document";
inline constexpr const char* kDocumentTypeName = "Ionvue Document";
inline constexpr const char* kContentType = "application/roziro";
// Dialog backgrounds: red, green and blue each this value.
inline constexpr int kDialogGrey = 192;

}  // namespace ionvue
