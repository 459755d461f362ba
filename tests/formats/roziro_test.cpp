#include <cstring>

#include "platform/scripted_host.h"
#include "tests/support/test_support.h"
#include "viewer/core/spectrum.h"
#include "viewer/formats/compression.h"
#include "viewer/formats/roziro_reader.h"
#include "viewer/formats/roziro_text.h"
#include "viewer/formats/roziro_writer.h"

namespace ionvue {
namespace {

class RoziroTest : public testing::TempDirTest {
 protected:
  void Fill(CSpectrum& s, int n) {
    s.Resize(n);
    for (int i = 0; i < n; ++i) s.m_pData[i] = 100 + (i * 37) % 1000 + (i == n / 2 ? 500000 : 0);
  }
  int Read(const std::string& path, CSpectrum& s, const ImporterTable* table = nullptr) {
    CRoziroImporter importer(host, table);
    return importer.Load(path, s);
  }
  std::string Roziro(std::string_view body) {
    return WriteFile("f.roziro", "<ROZIRO>\r\n<EXPERIMENT>\r\n" + std::string(body));
  }
  ScriptedHost host;
};

TEST_F(RoziroTest, WriterLaysOutTheFileByteForByte) {
  CSpectrum s;
  s.Resize(2);
  s.m_pData[0] = 5;
  s.m_pData[1] = 7;
  s.m_bTOF = 1;
  s.m_pProperties.Set("SPECTRUM_DESCRIPTION", "x");
  CLabel label;
  label.text = "1234.5";
  label.mass = 1234.5;
  label.mz = 1235.5074;
  s.AddLabel(label);
  std::string text = RoziroText(s, &host);
  const std::string head =
      "<ROZIRO>\r\n<EXPERIMENT>\r\n\t<ENTRY KEY=\"SPECTRUM_DESCRIPTION\" VALUE=\"x\"/>\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_NE(text.find("\t<ENTRY KEY=\"SPECTRUM_TIMEBASE\" VALUE=\"0.007000000000000\"/>\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\t<ENTRY KEY=\"SPECTRUM_MODE\" VALUE=\"TOF\"/>\r\n"), std::string::npos);
  EXPECT_NE(text.find("\t<LABEL TEXT=\"1234.5\"\r\n\t\tMASS=\"1234.5000\" MZ=\"1235.5074\" "
                      "CHARGE=\"1\"\r\n\t\tTYPE=\"C\" POINT_X=\"0\"\r\n\t\tPOINT_Y=\"0\" "
                      "JUSTIFY=\"0\"\r\n\t\tSIZE_X=\"0\" SIZE_Y=\"0\"\r\n\t\tORIENT=\"0\" "
                      "SN=\"0.0\" INTENSITY=\"0\"/>\r\n"),
            std::string::npos);
  size_t data = text.find("\t<DATA TYPE=\"MSDCS7\">");
  ASSERT_NE(data, std::string::npos);
  int32_t count;
  std::memcpy(&count, text.data() + data + 21, 4);
  EXPECT_EQ(count, 2);
  const std::string tail = "</m_pData>\r\n</EXPERIMENT>\r\n</ROZIRO>\r\n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  EXPECT_EQ(s.GetPropertyText().find("__SPECTRUM_DESCRIPTION=x"), 0u);
}

TEST_F(RoziroTest, SpectraRoundTripWithPropertiesAndLabels) {
  std::string path = PathOf("run.roziro");
  {
    CSpectrum s;
    Fill(s, 10000);
    s.m_dTimeBase = 0.0125;
    s.m_nShots = 250;
    s.m_nOffset = 17;
    s.m_nCharge = -1;
    s.m_bTOF = 1;
    s.m_bDeTOF = 1;
    s.m_dA[0] = 0.0123456789012345;
    s.m_dA[1] = 0.98765;
    s.m_dA[2] = 1e-5;
    s.m_dCalMass[0] = 1046.5418;
    s.m_bDisplayMz = 1;
    s.m_dRecentStart = 1000;
    s.m_dRecentEnd = 3000;
    s.m_pProperties.Set("SPECTRUM_NOTES", "quote \" amp & lt < gt > &other; under_score");
    CLabel label;
    label.SetText("<1046.54> \"x\" & y");
    label.mass = 1045.5344;
    label.mz = 1046.5418;
    label.type = 'A';
    label.charge = 2;
    label.x = -300;
    label.y = -4000;
    label.vertical = 1;
    label.sn = 12.5;
    label.intensity = 4321;
    s.AddLabel(label);
    ASSERT_EQ(WriteRoziro(host, s, path), 1);
    EXPECT_EQ(s.m_pcName, path);
  }
  CSpectrum back;
  ASSERT_EQ(Read(path, back), CRoziroImporter::kRoziro)
      << ::testing::PrintToString(host.Messages());
  CSpectrum expected;
  Fill(expected, 10000);
  ASSERT_EQ(back.m_nLength, 10000);
  EXPECT_EQ(std::memcmp(back.m_pData.get(), expected.m_pData.get(), 10000 * 4), 0);
  EXPECT_DOUBLE_EQ(back.m_dTimeBase, 0.0125);
  EXPECT_EQ(back.m_nShots, 250);
  EXPECT_EQ(back.m_nOffset, 17);
  EXPECT_EQ(back.m_nCharge, -1);
  EXPECT_EQ(back.m_bTOF, 1);
  EXPECT_EQ(back.m_bDeTOF, 1);
  EXPECT_DOUBLE_EQ(back.m_dA[0], 0.0123456789012345);
  EXPECT_DOUBLE_EQ(back.m_dA[2], 1e-5);
  EXPECT_DOUBLE_EQ(back.m_dCalMass[0], 1046.5418);
  EXPECT_EQ(back.m_bDisplayMz, 1);
  EXPECT_DOUBLE_EQ(back.m_dRecentEnd, 3000);
  EXPECT_EQ(back.m_pProperties.Value("SPECTRUM_NOTES"),
            "quote \" amp & lt < gt > &other; under_score");
  ASSERT_EQ(back.LabelCount(), 1);
  const CLabel& l = back.m_pLabels[0];
  EXPECT_EQ(l.text, "<1046.54> \"x\" & y");
  EXPECT_DOUBLE_EQ(l.mass, 1045.5344);
  EXPECT_EQ(l.type, 'A');
  EXPECT_EQ(l.charge, 2);
  EXPECT_EQ(l.x, -300);
  EXPECT_EQ(l.vertical, 1);
  EXPECT_DOUBLE_EQ(l.sn, 12.5);
  EXPECT_EQ(l.intensity, 4321);
  EXPECT_TRUE(host.Messages().empty());
}

TEST_F(RoziroTest, BinnedSavesHalveTheSpectrum) {
  std::string path = PathOf("binned.roziro");
  {
    CSpectrum s;
    Fill(s, 1001);
    s.m_bLossless = 0;
    s.m_nBinFactor = 2;
    s.m_nCompressionWindow = 0;  // no zero suppression: only binning
    s.m_nOffset = 9;
    s.m_dTimeBase = 0.5;
    ASSERT_EQ(WriteRoziro(host, s, path), 1);
    EXPECT_EQ(s.m_pProperties.Value("SPECTRUM_LENGTH"), "500");
    EXPECT_EQ(s.m_pProperties.Value("SPECTRUM_OFFSET"), "4");
  }
  CSpectrum back;
  ASSERT_EQ(Read(path, back), 1);
  EXPECT_EQ(back.m_nLength, 500);
  EXPECT_DOUBLE_EQ(back.m_dTimeBase, 1.0);
  EXPECT_EQ(back.m_nOffset, 4);
  CSpectrum raw;
  Fill(raw, 1001);
  EXPECT_EQ(back.m_pData[3], (raw.m_pData[6] + raw.m_pData[7]) / 2);
}

TEST_F(RoziroTest, LargeSamplesAreScaledToTwentyFourBits) {
  std::string path = PathOf("big.roziro");
  {
    CSpectrum s;
    s.Resize(3);
    s.m_pData[0] = 10;
    s.m_pData[1] = 33554432;  // 2^25
    s.m_pData[2] = 16777216;
    ASSERT_EQ(WriteRoziro(host, s, path), 1);
  }
  CSpectrum back;
  ASSERT_EQ(Read(path, back), 1);
  EXPECT_EQ(back.m_pData[0], 5);
  EXPECT_EQ(back.m_pData[1], 16777215);
  EXPECT_EQ(back.m_pData[2], 8388608);
}

TEST_F(RoziroTest, ReaderRulesForEntriesLabelsAndLengths) {
  std::vector<uint8_t> stream;
  int32_t samples[3] = {4, 5, 6};
  EncodeSamples(samples, 3, true, 0, 1, nullptr);
  PackGroups(AsCodes(samples), 3, GroupHeader::kOneByte, stream);
  std::string data = "\t<DATA TYPE=\"MSDCS7\">";
  data += std::string("\x03\0\0\0", 4);
  data.append(reinterpret_cast<const char*>(stream.data()), stream.size());
  std::string labels;
  for (int i = 0; i < 1005; ++i)
    labels += "<LABEL TEXT=\"" + std::string(i == 0 ? 400 : 3, 'L') + "\" MASS=\"" +
              std::to_string(1000 + i) + "\"/>";
  std::string path = Roziro(
      "<ENTRY KEY=\"SPECTRUM_LENGTH\" VALUE=\"999999\"/>"
      "<ENTRY KEY=\"SPECTRUM_NOTES\" VALUE=\"first\"/>"
      "<ENTRY KEY=\"SPECTRUM_NOTES\" VALUE=\"second\"/>"
      "<ENTRY KEY=\"SPECTRUM_MODE\" VALUE=\"TOF\"/>" +
      labels + data + "</m_pData></EXPERIMENT></ROZIRO>");
  CSpectrum s;
  ASSERT_EQ(Read(path, s), 1);
  EXPECT_EQ(s.m_pProperties.Value("SPECTRUM_NOTES"), "first");
  EXPECT_EQ(s.m_nLength, 3);  // never more than the data section held
  EXPECT_EQ(s.m_pData[2], 6);
  EXPECT_EQ(s.m_bTOF, 1);
  EXPECT_EQ(s.m_bDeTOF, 0);
  EXPECT_EQ(s.m_nCharge, 1);
  EXPECT_EQ(s.LabelCount(), 1000);
  EXPECT_EQ(s.m_pLabels[0].text.size(), 255u);
  EXPECT_DOUBLE_EQ(s.m_pLabels[1].mz, 1001 + 1.0074);
  EXPECT_EQ(s.m_pLabels[1].charge, 1);
}

TEST_F(RoziroTest, DamagedFilesAreRefusedWithTheirMessage) {
  struct Case {
    const char* name;
    std::string body;
    int code;
    const char* message;
  } cases[] = {
      {"no-tag.roziro", "<ENTRY KEY=\"A\" VALUE=\"1\"/>", 0,
       "The data file was not exactly an ROZIRO file.\r\nIt was missing:\r\n1. An opening "
       "<ROZIRO> tag."},
      {"cut.roziro", "<ROZIRO><ENTRY KEY=\"A", 0,
       "The data file was not exactly an ROZIRO file.\r\nIt ends inside a tag."},
      {"no-count.roziro", "<ROZIRO><DATA TYPE=\"MSDCS7\">\x01", 1,
       "Could not read the field count"},
      {"huge-count.roziro",
       std::string("<ROZIRO><DATA TYPE=\"MSDCS7\">\xff\xff\xff\x7f\x02\x01", 34), 1,
       "There has been an error reading this file.\n"},
      {"short-groups.roziro",
       std::string("<ROZIRO><DATA TYPE=\"MSDCS7\">\x05\0\0\0\x06\x01\x08", 35), 1,
       "There has been an error reading this file.\n"},
      {"msdcs6-short.roziro", std::string("<ROZIRO><DATA TYPE=\"MSDCS6\">\x50\0\0\0abc", 35), 1,
       "Error in file format.\nNo end found in the MSDCS information string"},
  };
  for (const auto& c : cases) {
    host.ClearEvents();
    std::string path = WriteFile(c.name, c.body);
    CSpectrum s;
    EXPECT_EQ(Read(path, s), c.code) << c.name;
    ASSERT_FALSE(host.Messages().empty()) << c.name;
    EXPECT_EQ(host.Messages().front(), c.message) << c.name;
    EXPECT_LE(s.m_nLength, s.Capacity()) << c.name;
  }
  host.ClearEvents();
  CSpectrum s;
  EXPECT_EQ(Read(PathOf("absent.roziro"), s), 0);
  EXPECT_EQ(host.Messages(), std::vector<std::string>{"Couldn't open file"});
}

TEST_F(RoziroTest, OlderMsdcs6SectionsRead) {
  std::string info = "__SPECTRUM_LENGTH=3__SPECTRUM_TIMEBASE=0.25__SPECTRUM_MODE=non-TOF";
  std::vector<uint8_t> stream;
  int32_t samples[3] = {40, 50, 45};
  EncodeSamples(samples, 3, true, 0, 1, nullptr);
  PackGroups(AsCodes(samples), 3, GroupHeader::kOneByte, stream);
  std::string body = "<ROZIRO><DATA TYPE=\"MSDCS6\">";
  int32_t length = static_cast<int32_t>(info.size());
  body.append(reinterpret_cast<const char*>(&length), 4);
  body += info;
  body.append(reinterpret_cast<const char*>(stream.data()), stream.size());
  body += std::string("\x02\0\0\0", 4);
  body += "1045.5\n1045.5\n2\nC\n-10 -20\n2\n300 200\n1\r\n";
  body += "no line feed";  // the second label's text never ends
  std::string path = WriteFile("old.roziro", body);
  CSpectrum s;
  ASSERT_EQ(Read(path, s), 1);
  EXPECT_EQ(s.m_nLength, 3);
  EXPECT_EQ(s.m_pData[1], 50);
  EXPECT_DOUBLE_EQ(s.m_dTimeBase, 0.25);
  EXPECT_EQ(s.m_bTOF, 0);
  ASSERT_EQ(s.LabelCount(), 1);  // only the label that was created
  EXPECT_EQ(s.m_pLabels[0].charge, 2);
  EXPECT_EQ(s.m_pLabels[0].x, -10);
  EXPECT_EQ(s.m_pLabels[0].height, 200);
  EXPECT_EQ(host.Messages(), std::vector<std::string>{"Error"});
}

TEST_F(RoziroTest, BiomlDocumentsOpenTheirSpectrumAndBecomeLabels) {
  ImporterTable table;
  std::string opened;
  table.Set('f', [&](const ImportRequest& r) {
    opened = r.path;
    r.spectrum.Resize(2);
    r.spectrum.m_pData[0] = r.spectrum.m_pData[1] = 9;
    CLabel old;
    r.spectrum.AddLabel(old);
    return ImportResult{1};
  });
  WriteFile("peaks.dta", "x");
  std::string path = WriteFile(
      "doc.roziro",
      "<bioml>\n<file URL=\"other.raw\"/>\n<file URL=\"peaks.dta\"/>\n"
      "<peptide start=\"0\" end=\"0\">\n<domain label=\"DAFLGSFLYEYSR\" mass=\"1566.73\"/>\n"
      "<domain label=\"hidden\" mass=\"1.0\" state=\"hide\"/>\n</peptide>\n</bioml>\n");
  CSpectrum s;
  EXPECT_EQ(Read(path, s, &table), CRoziroImporter::kBiomlPeakList);
  EXPECT_EQ(opened, PathOf("peaks.dta"));
  ASSERT_EQ(s.LabelCount(), 1);
  EXPECT_EQ(s.m_pLabels[0].text, "DAFLGSFLYEYSR");
  EXPECT_DOUBLE_EQ(s.m_pLabels[0].mz, 1566.73 + 1.0074);
  EXPECT_EQ(s.m_pLabels[0].vertical, 1);
  EXPECT_EQ(s.m_pLabels[0].intensity, 1);

  std::string raw = WriteFile("raw.roziro", "<bioml><file URL=\"C:/data/run.RAW\"/></bioml>");
  EXPECT_EQ(Read(raw, s, &table), 0);
  std::string none = WriteFile("none.roziro", "<bioml><peptide/></bioml>");
  EXPECT_EQ(Read(none, s, &table), 0);
}

TEST_F(RoziroTest, BlockReaderFillsTheBrowserBlock) {
  std::string path = PathOf("b.roziro");
  {
    CSpectrum s;
    Fill(s, 50);
    s.m_dTimeBase = 0.5;
    s.m_nOffset = 3;
    s.m_pProperties.Set("SPECTRUM_DESCRIPTION", "BSA digest");
    ASSERT_EQ(WriteRoziro(host, s, path), 1);
  }
  SpectrumBlock block;
  std::vector<int32_t> storage;
  EXPECT_EQ(ReadRoziroBlock(path, block, storage), 50);
  EXPECT_DOUBLE_EQ(block.timeBase, 0.5);
  EXPECT_EQ(block.offset, 3);
  EXPECT_EQ(block.description, "BSA digest");
  EXPECT_EQ(block.samples[1], 137);
  SpectrumBlock other;
  EXPECT_EQ(ReadRoziroBlock(PathOf("none"), other, storage), -2);
  EXPECT_EQ(ReadRoziroBlock(WriteFile("plain.roziro", "<X>"), other, storage), -2);
  EXPECT_EQ(ReadRoziroBlock(WriteFile("cut.roziro", "<ROZIRO><ENT"), other, storage), -3);
}

TEST_F(RoziroTest, FailedSavesKeepThePreviousFile) {
  CSpectrum s;
  Fill(s, 10);
  EXPECT_EQ(WriteRoziro(host, s, PathOf("missing/folder/x.roziro")), 0);
  EXPECT_EQ(host.Messages().back(), PathOf("missing/folder/x.roziro"));
  // A target that cannot be replaced stays as it was, and no scratch file
  // is left beside it.
  std::filesystem::create_directories(PathOf("taken.roziro"));
  WriteFile("taken.roziro/inside", "keep");
  EXPECT_EQ(WriteRoziro(host, s, PathOf("taken.roziro")), 0);
  EXPECT_EQ(host.Messages().back(), "File written wrong\nDo not use.");
  EXPECT_EQ(ReadFile(PathOf("taken.roziro/inside")), "keep");
  int entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir_))
    entries += e.path().filename() != "config";
  EXPECT_EQ(entries, 1);
}

TEST(RoziroText, EscapesRoundTrip) {
  EXPECT_EQ(RoziroEscape("a\"b&c<d>e"), "a&quote;b&amp;c&lt;d&gt;e");
  EXPECT_EQ(RoziroUnescape("a&quote;b&amp;c&lt;d&gt;e&nbsp;"), "a\"b&c<d>e&nbsp;");
  std::string value;
  EXPECT_TRUE(RoziroAttribute("<LABEL POINT_X=\"5\" X=\"7\"/>", "X", value));
  EXPECT_EQ(value, "7");
  EXPECT_FALSE(RoziroAttribute("<LABEL MASS=\"5\"/>", "SN", value));
}

}  // namespace
}  // namespace ionvue
