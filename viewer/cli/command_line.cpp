#include "viewer/cli/command_line.h"

#include <cstdint>

#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "viewer/cli/json.h"
#include "viewer/core/document.h"

namespace ionvue {

namespace {

const char* ModelName(const CSpectrum& s) {
  if (!s.m_bTOF) return "linear";
  return s.m_bDeTOF ? "deTOF" : "TOF";
}

const char* IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return "information";
    case MessageIcon::Exclamation:
      return "exclamation";
    case MessageIcon::Question:
      return "question";
    case MessageIcon::Stop:
      return "stop";
    default:
      return "none";
  }
}

const char* AnswerName(Answer answer) {
  switch (answer) {
    case Answer::Yes:
      return "yes";
    case Answer::No:
      return "no";
    case Answer::Ok:
      return "ok";
    default:
      return "cancel";
  }
}

std::string Messages(const ScriptedHost& host) {
  std::string out = "[";
  bool first = true;
  for (const HostEvent& e : host.events()) {
    std::string item;
    switch (e.kind) {
      case HostEvent::Kind::Message:
        item = "{\"kind\":\"message\",\"icon\":" + JsonString(IconName(e.icon)) +
               ",\"text\":" + JsonString(e.text) + "}";
        break;
      case HostEvent::Kind::Question:
        item = "{\"kind\":\"question\",\"answer\":" + JsonString(AnswerName(e.answer)) +
               ",\"text\":" + JsonString(e.text) + "}";
        break;
      case HostEvent::Kind::Status:
        item = "{\"kind\":\"status\",\"pane\":" + std::to_string(e.pane) +
               ",\"text\":" + JsonString(e.text) + "}";
        break;
      default:
        continue;
    }
    out += (first ? "" : ",") + item;
    first = false;
  }
  return out + "]";
}

// A headless host answers as the file's own reading would: No to the
// word-size questions, Cancel to the "may crash" ones.
void MakeHeadless(ScriptedHost& host) {
  host.fallback_yes_no = Answer::No;
  host.fallback_ok_cancel = Answer::Cancel;
  host.fallback_dialog_accepts = true;
}

}  // namespace

std::string UsageText() {
  return "usage: ionvue [FILE]\n"
         "       ionvue --info FILE\n"
         "       ionvue --hash FILE\n"
         "       ionvue --convert OUT FILE\n";
}

int RunInfo(const std::string& path, const DocumentServices& services, std::ostream& out) {
  Settings().SetReadOnly(true);
  ScriptedHost host;
  MakeHeadless(host);
  std::string report;
  bool loaded;
  {
    CIonvueDoc doc(host, services);
    doc.m_bSkipOptionalDialogs = true;
    doc.OnNewDocument();
    doc.OnOpenDocument(path);
    loaded = doc.IsLoaded();
    const CSpectrum& s = doc.GetSpectrum();
    report = "{\"path\":" + JsonString(path);
    report += ",\"type\":" + JsonString(doc.m_cType ? std::string(1, doc.m_cType) : "");
    report += std::string(",\"loaded\":") + (loaded ? "true" : "false");
    report += ",\"length\":" + std::to_string(s.m_nLength);
    report += ",\"time_base\":" + JsonNumber(s.m_dTimeBase);
    report += ",\"offset\":" + std::to_string(s.m_nOffset);
    report += ",\"shots\":" + std::to_string(s.m_nShots);
    report += ",\"charge\":" + std::to_string(s.m_nCharge);
    report += ",\"model\":" + JsonString(ModelName(s));
    report += ",\"a\":[";
    for (int i = 0; i < 4; ++i) report += (i ? "," : "") + JsonNumber(s.m_dA[i]);
    report += "]";
    auto range = s.FullRange();
    report += ",\"mz_range\":[" + JsonNumber(range.first) + "," + JsonNumber(range.second) + "]";
    int64_t sum = 0;
    for (int i = 0; i < s.m_nLength; ++i) sum += s.m_pData[i];
    report += ",\"samples_sum\":" + std::to_string(sum);
    report += ",\"samples_head\":[";
    for (int i = 0; i < s.m_nLength && i < 8; ++i)
      report += (i ? "," : "") + std::to_string(s.m_pData[i]);
    report += "]";
    report += ",\"properties\":{";
    std::string key, value;
    bool first = true;
    for (bool more = s.m_pProperties.First(key, value); more;
         more = s.m_pProperties.Next(key, value)) {
      report += (first ? "" : ",") + JsonString(key) + ":" + JsonString(value);
      first = false;
    }
    report += "},\"labels\":[";
    for (int i = 0; i < s.LabelCount(); ++i) {
      const CLabel& l = s.m_pLabels[i];
      report += (i ? "," : "") + std::string("{\"text\":") + JsonString(l.text) +
                ",\"mass\":" + JsonNumber(l.mass) + ",\"mz\":" + JsonNumber(l.mz) +
                ",\"charge\":" + std::to_string(l.charge) +
                ",\"type\":" + JsonString(std::string(1, l.type)) + "}";
    }
    report += "]";
    if (s.m_nHash != std::array<uint32_t, 4>{0, 0, 0, 0}) {
      report += ",\"hash\":[";
      for (int i = 0; i < 4; ++i) report += (i ? "," : "") + std::to_string(s.m_nHash[i]);
      report += "]";
    }
  }
  report += ",\"messages\":" + Messages(host) + "}";
  out << report << "\n";
  return loaded ? 0 : 1;
}

int RunHash(const std::string& path, const DocumentServices& services, std::ostream& out,
            std::ostream& err) {
  ScriptedHost host;
  std::array<uint32_t, 4> hash = {0, 0, 0, 0};
  if (!services.hashFile || !services.hashFile(host, path, hash)) {
    for (const auto& message : host.Messages()) err << message << "\n";
    return 1;
  }
  out << Format("%X %X %X %X", hash[0], hash[1], hash[2], hash[3]) << "\n";
  return 0;
}

int RunConvert(const std::string& target, const std::string& path, const DocumentServices& services,
               std::ostream& out, std::ostream& err) {
  Settings().SetReadOnly(true);
  ScriptedHost host;
  MakeHeadless(host);
  CIonvueDoc doc(host, services);
  doc.m_bSkipOptionalDialogs = true;
  doc.OnNewDocument();
  doc.OnOpenDocument(path);
  if (!doc.IsLoaded() || doc.OnSaveDocument(target) != 1) {
    for (const auto& message : host.Messages()) err << message << "\n";
    return 1;
  }
  const auto& hash = doc.GetSpectrum().m_nHash;
  out << Format("%X %X %X %X", hash[0], hash[1], hash[2], hash[3]) << "\n";
  return 0;
}

int RunCommandLine(const std::vector<std::string>& args, const DocumentServices& services,
                   std::ostream& out, std::ostream& err, bool& handled) {
  handled = false;
  if (args.empty() || args[0].rfind("--", 0) != 0) return 0;
  handled = true;
  const std::string& option = args[0];
  if ((option == "--info" || option == "--hash") && args.size() == 2) {
    return option == "--info" ? RunInfo(args[1], services, out)
                              : RunHash(args[1], services, out, err);
  }
  if (option == "--convert" && args.size() == 3)
    return RunConvert(args[1], args[2], services, out, err);
  err << UsageText();
  return 2;
}

}  // namespace ionvue
