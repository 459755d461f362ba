#pragma once
// The window work the application's commands ask of the layer that owns
// the windows.

#include <string>

namespace ionvue {

class ApplicationWindows {
 public:
  virtual ~ApplicationWindows() = default;
  // File > Open: the open dialog, then every chosen file opened.
  virtual void FileOpen() = 0;
  // Opens one file into a new spectrum window, as File > Open does.
  virtual void OpenDocument(const std::string& path) = 0;
  // Closes every spectrum window at once without offering to save.
  virtual void CloseAllDocuments() = 0;
  // As File > Exit: modified spectra are offered for saving, then the
  // program ends (unless the user cancels).
  virtual void CloseMainWindow() = 0;
  // Activates the next spectrum window in the frame's window order.
  virtual void ActivateNextDocument() = 0;
};

}  // namespace ionvue
