#include "viewer/services/document_commands.h"

#include "viewer/core/command_ids.h"
#include "viewer/core/document.h"
#include "viewer/formats/compression_dialog.h"
#include "viewer/services/application_state.h"
#include "viewer/services/command_table.h"
#include "viewer/services/digest_commands.h"
#include "viewer/services/shell_actions.h"

namespace ionvue {

DocumentCommands::DocumentCommands(CIonvueDoc& document, ApplicationState& state, Host& host,
                                   ClipboardAccess clipboard)
    : m_document(document), m_state(state), m_host(host), m_clipboard(std::move(clipboard)) {}

bool DocumentCommands::UpdateCommand(int id, CommandState& state) {
  state = TableState(id);
  const bool loaded = m_document.IsLoaded();
  switch (id) {
    case cmd::kFileSaveAs:
    case cmd::kExportScreenAscii:
    case cmd::kExportBinary:
    case cmd::kFileRevert:
    case cmd::kToolsRevert:
    case cmd::kSetHighestMass:
      state.enabled = loaded;
      return true;
    case cmd::kCompressionParameters:
    case cmd::kHelp:
      state.enabled = true;
      return true;
    case cmd::kImportDigest1:
    case cmd::kImportDigest2: {
      int slot = id == cmd::kImportDigest1 ? 0 : 1;
      state.enabled = loaded;
      state.checked = DigestPresent(m_document, slot);
      return true;
    }
    case cmd::kPasteMassTemplate:
      state.enabled = m_clipboard.holdsText && m_clipboard.holdsText();
      return true;
    case cmd::kRemoveTemplate:
      state.enabled = DigestPresent(m_document, 1);
      return true;
    default:
      return false;
  }
}

bool DocumentCommands::ExecuteCommand(int id) {
  switch (id) {
    case cmd::kFileSaveAs:
      m_document.FileSaveAs();
      return true;
    case cmd::kExportScreenAscii:
      m_document.ExportScreenAscii();
      return true;
    case cmd::kExportBinary:
      m_document.ExportBinary();
      return true;
    case cmd::kFileRevert:
      m_document.FileRevert();
      return true;
    case cmd::kToolsRevert:
      // Locked views revert together.
      if (m_state.ViewsLocked()) {
        for (CIonvueDoc* document : m_state.Documents())
          if (document->IsLoaded()) document->ToolsRevert();
      } else {
        m_document.ToolsRevert();
      }
      return true;
    case cmd::kSetHighestMass:
      m_document.SetHighestMass();
      return true;
    case cmd::kCompressionParameters:
      EditCompressionParameters(m_host, m_document.GetSpectrum());
      return true;
    case cmd::kHelp:
      RunHelp(m_host, m_state);
      return true;
    case cmd::kImportDigest1:
      ToggleCleavageFile(m_host, m_document, 0);
      return true;
    case cmd::kImportDigest2:
      ToggleCleavageFile(m_host, m_document, 1);
      return true;
    case cmd::kPasteMassTemplate:
      TogglePastedTemplate(m_host, m_document,
                           m_clipboard.text ? m_clipboard.text() : std::nullopt);
      return true;
    case cmd::kRemoveTemplate:
      RemoveTemplate(m_document);
      return true;
    default:
      return false;
  }
}

}  // namespace ionvue
