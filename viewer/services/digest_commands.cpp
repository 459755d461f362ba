#include "viewer/services/digest_commands.h"

#include <filesystem>
#include <memory>

#include "platform/file_dialog.h"
#include "platform/host.h"
#include "platform/settings.h"
#include "viewer/core/document.h"
#include "viewer/core/spectrum_file.h"
#include "viewer/services/digest_files.h"
#include "viewer/services/digest_overlay.h"
#include "viewer/services/home_folder.h"

namespace ionvue {

namespace {

bool ValidSlot(int slot) { return slot == 0 || slot == 1; }

void Redraw(CIonvueDoc& document) {
  if (document.onRedraw) document.onRedraw();
}

// Runs the file dialog from the overlay's input folder; the folder the user
// ended in becomes the next start. False when cancelled.
bool ChooseCleavageFile(Host& host, DigestOverlay& overlay) {
  FileDialogModel dialog;
  dialog.mode = FileDialogModel::Mode::Open;
  dialog.title = kCleavageDialogTitle;
  dialog.filter = kCleavageDialogFilter;
  std::error_code ec;
  dialog.initialDirectory = std::filesystem::is_directory(overlay.m_strInputDir, ec)
                                ? overlay.m_strInputDir
                                : HomeFolder();
  if (!host.RunDialog(dialog) || dialog.paths.empty() || dialog.paths.front().empty()) return false;
  overlay.m_strPath = dialog.paths.front();
  std::string folder = FolderOf(overlay.m_strPath);
  if (!folder.empty()) {
    overlay.m_strInputDir = folder;
    Settings().WriteString("Defaults", "CleavixInputDirectory", folder);
  }
  return true;
}

}  // namespace

bool DigestPresent(const CIonvueDoc& document, int slot) {
  return ValidSlot(slot) && document.m_pDigests[slot] != nullptr;
}

DigestOverlay* DigestIn(CIonvueDoc& document, int slot) {
  if (!ValidSlot(slot)) return nullptr;
  return dynamic_cast<DigestOverlay*>(document.m_pDigests[slot].get());
}

void ToggleCleavageFile(Host& host, CIonvueDoc& document, int slot) {
  if (!ValidSlot(slot)) return;
  if (document.m_pDigests[slot]) {
    document.m_pDigests[slot].reset();
    Redraw(document);
    return;
  }
  auto overlay = std::make_unique<DigestOverlay>();
  overlay->m_nOverlay = slot == 0 ? 1 : 0;
  if (!ChooseCleavageFile(host, *overlay)) return;
  if (!ReadCleavageFile(host, overlay->m_strPath, *overlay)) return;
  document.m_pDigests[slot] = std::move(overlay);
  Redraw(document);
}

void TogglePastedTemplate(Host& host, CIonvueDoc& document,
                          const std::optional<std::string>& clipboardText) {
  if (document.m_pDigests[1]) {
    document.m_pDigests[1].reset();
    Redraw(document);
    return;
  }
  if (!clipboardText) {
    host.Message(kClipboardUnavailable);
    return;
  }
  auto overlay = std::make_unique<DigestOverlay>();
  if (!ParseMassTemplate(host, *clipboardText, *overlay)) return;
  document.m_pDigests[1] = std::move(overlay);
  Redraw(document);
}

void RemoveTemplate(CIonvueDoc& document) {
  if (!document.m_pDigests[1]) return;
  document.m_pDigests[1].reset();
  Redraw(document);
}

}  // namespace ionvue
