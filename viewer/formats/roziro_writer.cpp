#include "viewer/formats/roziro_writer.h"

#include <vector>

#include "platform/atomic_file.h"
#include "platform/host.h"
#include "platform/settings.h"
#include "viewer/core/spectrum.h"
#include "viewer/formats/compression.h"
#include "viewer/formats/roziro_text.h"

namespace ionvue {

namespace {

void RefreshHeaderEntries(CSpectrum& s, int q) {
  CPropertyTable& p = s.m_pProperties;
  p.Set("SPECTRUM_TIMEBASE", Format("%.15lf", q * s.m_dTimeBase));
  p.Set("SPECTRUM_NUMBEROFSHOTS", Format("%i", s.m_nShots));
  p.Set("SPECTRUM_OFFSET", Format("%i", s.m_nOffset / q));
  p.Set("SPECTRUM_LENGTH", Format("%i", s.m_nLength / q));
  for (int i = 0; i < 4; ++i) {
    p.Set("SPECTRUM_A" + std::to_string(i), Format("%.20lf", s.m_dA[i]));
    p.Set("SPECTRUM_CM" + std::to_string(i), Format("%.8lf", s.m_dCalMass[i]));
  }
  p.Set("SPECTRUM_CHARGE", Format("%i", s.m_nCharge));
  p.Set("SPECTRUM_RECENT_START", Format("%.0lf", s.m_dRecentStart));
  p.Set("SPECTRUM_RECENT_END", Format("%.0lf", s.m_dRecentEnd));
  p.Set("DISPLAY_MZ", s.m_bDisplayMz ? "YES" : "NO");
  p.Set("SPECTRUM_MODE", s.m_bTOF ? (s.m_bDeTOF ? "deTOF" : "TOF") : "non-TOF");
}

}  // namespace

std::string RoziroText(CSpectrum& s, Host* host) {
  const int q = StorageBinFactor(s.m_bLossless != 0, s.m_nBinFactor);
  std::string text = "<ROZIRO>\r\n<EXPERIMENT>\r\n";
  RefreshHeaderEntries(s, q);
  std::string key, value;
  for (bool more = s.m_pProperties.First(key, value); more; more = s.m_pProperties.Next(key, value))
    text +=
        "\t<ENTRY KEY=\"" + RoziroEscape(key) + "\" VALUE=\"" + RoziroEscape(value) + "\"/>\r\n";
  for (const CLabel& l : s.m_pLabels) {
    text += "\t<LABEL TEXT=\"" + RoziroEscape(l.text) + "\"\r\n";
    text += Format(
        "\t\tMASS=\"%.4f\" MZ=\"%.4f\" CHARGE=\"%i\"\r\n\t\tTYPE=\"%c\" POINT_X=\"%i\"\r\n"
        "\t\tPOINT_Y=\"%i\" JUSTIFY=\"%u\"\r\n\t\tSIZE_X=\"%i\" SIZE_Y=\"%i\"\r\n"
        "\t\tORIENT=\"%i\" SN=\"%.1lf\" INTENSITY=\"%i\"/>\r\n",
        l.mass, l.mz, l.charge, l.type, l.x, l.y, static_cast<unsigned>(l.justify), l.width,
        l.height, l.vertical, l.sn, l.intensity);
  }
  text += "\t<DATA TYPE=\"MSDCS7\">";
  s.SerialiseProperties();

  std::vector<uint8_t> stream;
  const size_t count = s.m_nLength > 0 && s.m_pData ? static_cast<size_t>(s.m_nLength) : 0;
  auto stored =
      AppendSampleStream(s.m_pData.get(), count, s.m_bLossless != 0, s.m_nCompressionWindow,
                         s.m_nLossyFactor, s.m_nBinFactor, GroupHeader::kOneByte, stream, host);
  if (!stored) return {};
  int32_t h = static_cast<int32_t>(*stored);
  for (int i = 0; i < 4; ++i)
    text += static_cast<char>((static_cast<uint32_t>(h) >> (8 * i)) & 0xFF);
  text.append(reinterpret_cast<const char*>(stream.data()), stream.size());
  text += "</m_pData>\r\n</EXPERIMENT>\r\n</ROZIRO>\r\n";
  return text;
}

int WriteRoziro(Host& host, CSpectrum& spectrum, const std::string& path) {
  spectrum.m_pcName = path;
  AtomicFile file(path);
  if (!file.Open()) {
    host.Message(path, MessageIcon::Stop);
    return 0;
  }
  std::string text = RoziroText(spectrum, &host);
  if (text.empty()) {
    host.Message(CSpectrum::kInsufficientMemory, MessageIcon::Stop);
    return 0;
  }
  if (!file.Write(text) || !file.Commit()) {
    host.Message("File written wrong\nDo not use.", MessageIcon::Stop);
    return 0;
  }
  return 1;
}

}  // namespace ionvue
