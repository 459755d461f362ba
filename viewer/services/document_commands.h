#pragma once
// The command target of one spectrum document: the File commands that act
// on its spectrum, trimming, compression, the digest overlays and help.

#include <functional>
#include <optional>
#include <string>

#include "platform/command.h"
#include "platform/host.h"

namespace ionvue {

class ApplicationState;
class CIonvueDoc;

// The clipboard, as far as the overlays need it.
struct ClipboardAccess {
  std::function<bool()> holdsText;
  // The plain text; nothing when it cannot be obtained.
  std::function<std::optional<std::string>()> text;
};

class DocumentCommands : public CommandTarget {
 public:
  DocumentCommands(CIonvueDoc& document, ApplicationState& state, Host& host,
                   ClipboardAccess clipboard);

  bool UpdateCommand(int id, CommandState& state) override;
  bool ExecuteCommand(int id) override;

 private:
  CIonvueDoc& m_document;
  ApplicationState& m_state;
  Host& m_host;
  ClipboardAccess m_clipboard;
};

}  // namespace ionvue
