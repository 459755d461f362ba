// The bioml path of the ROZIRO reader: the document names a spectrum file of
// another format and lists peptide domains, which become labels.

#include <algorithm>
#include <cctype>
#include <fstream>

#include "markup/markup_node.h"
#include "platform/host.h"
#include "platform/settings.h"
#include "viewer/core/spectrum.h"
#include "viewer/core/spectrum_file.h"
#include "viewer/formats/roziro_reader.h"

namespace ionvue {

namespace {

// The URL as a local path: "file://" dropped, relative names taken beside
// the document.
std::string LocalPath(std::string url, const std::string& documentPath) {
  if (url.rfind("file://", 0) == 0) url = url.substr(7);
  std::replace(url.begin(), url.end(), '\\', '/');
  if (!url.empty() && url.front() != '/') {
    std::string folder = FolderOf(documentPath);
    if (!folder.empty()) url = folder + "/" + url;
  }
  return url;
}

}  // namespace

int CRoziroImporter::LoadBioml(std::span<const uint8_t> file, const std::string& path,
                               CSpectrum& s) {
  std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
  size_t start = text.find("<bioml");
  CMarkupNode root(MarkupProfile::Viewer, &m_host);
  int counter = 0;
  if (start == std::string_view::npos || !root.Parse(text.substr(start), counter)) return kFailed;

  const CMarkupNode* fileNode = nullptr;
  for (int i = 0; i < root.GetChildCount(); ++i)
    if (root.GetChild(i)->GetName() == "file") fileNode = root.GetChild(i);
  std::string url = fileNode ? fileNode->GetAttribute("URL") : "";
  if (url.empty()) return kFailed;
  std::string match = url;
  std::transform(match.begin(), match.end(), match.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  std::replace(match.begin(), match.end(), '/', '\\');
  if (match.find(".raw") != std::string::npos) return kFailed;

  struct Choice {
    const char* part;
    char letter;
    int code;
  } static constexpr kChoices[] = {{"_func001", 'T', kBiomlTofspec},
                                   {"\\1\\1r", '9', kBiomlBruker},
                                   {".ms", '6', kBiomlPerSeptive},
                                   {".dat", 'P', kBiomlPerSeptive},
                                   {".dta", 'f', kBiomlPeakList}};
  int code = kBiomlPerSeptive;
  for (const Choice& c : kChoices) {
    if (match.find(c.part) == std::string::npos) continue;
    const ImporterFunction* importer = m_importers ? m_importers->Find(c.letter) : nullptr;
    if (!importer) {
      m_host.Message("This file format is not supported yet.", MessageIcon::Stop);
      return kFailed;
    }
    std::string target = LocalPath(url, path);
    ImportRequest request{m_host, target, s, c.letter, 2000000, 2};
    if ((*importer)(request).code != 1) return kFailed;
    code = c.code;
    break;
  }

  std::vector<CLabel> labels;
  std::string first = "0", last = "0";
  for (int i = 0; i < root.GetChildCount(); ++i) {
    const CMarkupNode* peptide = root.GetChild(i);
    if (peptide->GetName() != "peptide") continue;
    first = peptide->GetAttribute("start");
    last = peptide->GetAttribute("end");
    if (first.empty()) first = "0";
    if (last.empty()) last = "0";
    for (int k = 0; k < peptide->GetChildCount(); ++k) {
      const CMarkupNode* domain = peptide->GetChild(k);
      if (domain->GetName() != "domain" || domain->GetAttribute("state") == "hide") continue;
      if (labels.size() >= CSpectrum::kMaxLabels) continue;
      CLabel label;
      label.SetText(domain->GetAttribute("label"));
      label.mass = LeadingReal(domain->GetAttribute("mass"));
      label.mz = label.mass + 1.0074;
      label.charge = 1;
      label.type = 'C';
      label.vertical = 1;
      label.sn = 0;
      label.intensity = 1;
      labels.push_back(label);
    }
  }
  s.m_pLabels = labels;

  if (first != "0" && last != "0") {
    // The document is shown in its own application from a copy beside it.
    std::string copy = path + ".bml";
    std::ofstream out(copy, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (out) {
      out.close();
      m_host.OpenInShell(copy);
    } else {
      m_host.Message("Could not find named file");
    }
  }
  return code;
}

}  // namespace ionvue
