#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/scripted_host.h"
#include "tests/formats/msdcs_fixture.h"
#include "tests/support/spectrum_fixture.h"
#include "viewer/core/spectrum.h"
#include "viewer/formats/msdcs5_importer.h"
#include "viewer/formats/msdcs_importer.h"

namespace ionvue {
namespace {

using namespace dcs_fixture;
using Strings = std::vector<std::string>;

const char* const kStreamError = "There has been an error reading this file.\n";
const char* const kCannotRead = "File format cannot be read";
const char* const kCouldNotDecode = "Could not decode file";
const char* const kCorrupt =
    "Warning, this file may be corrupt.\nPress OK to continue, but Ionvue may crash!";

// The properties of a version 5 file, as the acquisition software wrote them.
std::string Msdcs5Properties(int length, std::string_view mode = "TOF",
                             std::string_view charge = "__SPECTRUM_CHARGE=-2") {
  return "__SPECTRUM_DESCRIPTION=BSA\xFA"
         "digest __SPECTRUM_TIMEBASE=0.0025 __SPECTRUM_NUMBEROFSHOTS=64 "
         "__SPECTRUM_OFFSET=300 __SPECTRUM_LENGTH=" +
         std::to_string(length) +
         " __SPECTRUM_A0=0.125 __SPECTRUM_A1=0.25 __SPECTRUM_A2=0.001 __SPECTRUM_A3=0.0001 "
         "__SPECTRUM_CM0=1046.54 __SPECTRUM_CM1=1296.68 __SPECTRUM_CM2=2465.2 "
         "__SPECTRUM_CM3=0 __SPECTRUM_MODE=" +
         std::string(mode) + " " + std::string(charge);
}

class MsdcsTest : public testing::SpectrumTest {
 protected:
  CSpectrum& s() { return spectrum(); }

  int LoadFile(const Bytes& file) {
    path_ = WriteFile("spectrum.dcs", file);
    CMsdcsImporter importer(host);
    return importer.Load(path_, s());
  }
  int LoadText(const Bytes& text, char version) {
    if (version == '5') return CMsdcs5Importer(host).LoadDecoded(text, "decoded", s());
    return CMsdcsImporter(host).LoadDecoded(text, version, "decoded", s());
  }
  std::vector<int32_t> Samples() const {
    const CSpectrum& sp = *spectrum_;
    if (!sp.m_pData || sp.m_nLength <= 0) return {};
    return std::vector<int32_t>(sp.m_pData.get(), sp.m_pData.get() + sp.m_nLength);
  }
  std::vector<std::string> ProgressTexts() const {
    std::vector<std::string> out;
    for (const HostEvent& e : host.events())
      if (e.kind == HostEvent::Kind::Progress) out.push_back(e.text);
    return out;
  }

  ScriptedHost host;
  std::string path_;
};

std::vector<Label> TwoLabels() {
  Label second;
  second.text = std::string(300, 'p');  // longer than the record holds
  second.mass = "2211.1";
  second.charge = "0";
  second.type = 'A';
  second.x = -5;
  second.y = 7;
  second.justify = 2;
  second.width = 33;
  second.height = 44;
  second.orient = 0;
  return {Label{}, second};
}

TEST_F(MsdcsTest, TofdcsFilesOfBothVersionsRoundTrip) {
  const std::vector<int32_t> samples = Peaks(700);
  struct Case {
    char version;
    const char* identification;
    int tof;
  } cases[] = {
      {'3', " TOFDCS v3.1", 1},
      {'4', " TOFDCS v4.0 (LMC)", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    host.ClearEvents();
    Parameters p;
    p.length = static_cast<int32_t>(samples.size());
    Bytes body = SampleGroups(samples);
    Append(body, LabelSection(TwoLabels(), false));
    const std::string information = Identification(c.version, c.identification) +
                                    "`__SPECTRUM_DESCRIPTION=BSA\xFA" "digest __SPECTRUM_NOTES=run 7";
    ASSERT_EQ(LoadFile(MakeTofdcs(c.version, information, p, body).File()), 1);
    EXPECT_EQ(host.Messages(), Strings{});
    EXPECT_EQ(ProgressTexts(), Strings{std::string("MSDCS v") + c.version + " file loading"});
    EXPECT_EQ(Samples(), samples);
    EXPECT_EQ(s().m_nLength, 700);
    EXPECT_DOUBLE_EQ(s().m_dTimeBase, 0.005);
    EXPECT_EQ(s().m_nShots, 50);
    EXPECT_EQ(s().m_nOffset, 120);
    EXPECT_DOUBLE_EQ(s().m_dA[0], 0.01);
    EXPECT_DOUBLE_EQ(s().m_dA[1], 0.5);
    EXPECT_EQ(s().m_dA[2], 0.0);
    EXPECT_EQ(s().m_dA[3], 0.0);
    EXPECT_EQ(s().m_bTOF, c.tof);
    EXPECT_EQ(s().m_nCharge, 1);
    EXPECT_EQ(s().m_bDisplayMz, 0);
    EXPECT_EQ(s().m_pcName, path_);
    EXPECT_EQ(s().m_pProperties.Value("SPECTRUM_DESCRIPTION"), "BSA_digest ");
    EXPECT_EQ(s().m_pProperties.Value("SPECTRUM_NOTES"), "run 7");
    EXPECT_DOUBLE_EQ(s().m_dRecentStart, 1200.5);
    EXPECT_DOUBLE_EQ(s().m_dRecentEnd, 2400.25);

    ASSERT_EQ(s().LabelCount(), 2);
    const CLabel& a = s().m_pLabels[0];
    EXPECT_EQ(a.text, "1479.80");
    EXPECT_DOUBLE_EQ(a.mass, 1479.7954);
    EXPECT_DOUBLE_EQ(a.mz, 1479.7954 + 1.0074);
    EXPECT_EQ(a.charge, 1);
    EXPECT_EQ(a.type, 'C');
    EXPECT_EQ(a.x, 120);
    EXPECT_EQ(a.y, 4400);
    EXPECT_EQ(a.justify, 1);
    EXPECT_EQ(a.width, 20);
    EXPECT_EQ(a.height, 10);
    EXPECT_EQ(a.vertical, 1);
    const CLabel& b = s().m_pLabels[1];
    EXPECT_EQ(b.text, std::string(CLabel::kMaxText, 'p'));
    EXPECT_EQ(b.type, 'A');
    EXPECT_EQ(b.x, -5);
    EXPECT_EQ(b.height, 44);
    EXPECT_EQ(b.charge, 1);  // TOFDCS labels carry no charge
  }
}

TEST_F(MsdcsTest, Msdcs5TakesTheHeaderFromItsPropertiesAndDelegatesFromTheTofdcsReader) {
  const std::vector<int32_t> samples = Peaks(1500);
  Bytes body = SampleGroups(samples);
  Append(body, LabelSection(TwoLabels(), true, "900\n3100.75\n"));
  ASSERT_EQ(LoadFile(MakeMsdcs5(Msdcs5Properties(1500), body).File()), 1);
  EXPECT_EQ(host.Messages(), Strings{});
  EXPECT_EQ(host.Questions(), Strings{});
  EXPECT_EQ(ProgressTexts(), Strings{"MSDCS v5 file loading"});
  EXPECT_EQ(Samples(), samples);
  EXPECT_DOUBLE_EQ(s().m_dTimeBase, 0.0025);
  EXPECT_EQ(s().m_nShots, 64);
  EXPECT_EQ(s().m_nOffset, 300);
  const double a[] = {0.125, 0.25, 0.001, 0.0001}, cm[] = {1046.54, 1296.68, 2465.2, 0};
  for (int i = 0; i < 4; ++i) {
    EXPECT_DOUBLE_EQ(s().m_dA[i], a[i]);
    EXPECT_DOUBLE_EQ(s().m_dCalMass[i], cm[i]);
  }
  EXPECT_EQ(s().m_nCharge, -2);
  EXPECT_EQ(s().m_bTOF, 1);
  EXPECT_EQ(s().m_bDeTOF, 0);
  EXPECT_EQ(s().m_pcName, path_);
  EXPECT_EQ(s().m_pProperties.Value("SPECTRUM_DESCRIPTION"), "BSA_digest ");
  // The stored text is the table serialised again.
  EXPECT_EQ(s().m_strProperties, s().m_pProperties.ToText());
  EXPECT_DOUBLE_EQ(s().m_dRecentStart, 900);
  EXPECT_DOUBLE_EQ(s().m_dRecentEnd, 3100.75);
  ASSERT_EQ(s().LabelCount(), 2);
  EXPECT_EQ(s().m_pLabels[0].charge, 2);
  EXPECT_EQ(s().m_pLabels[1].charge, 1);  // 0 becomes 1
  EXPECT_DOUBLE_EQ(s().m_pLabels[1].mz, 2211.1 + 1.0074);
}

TEST_F(MsdcsTest, Msdcs5ModeAndChargeChooseTheModel) {
  struct Case {
    const char* mode;
    const char* charge;
    int tof, deTof, expectedCharge;
  } cases[] = {
      {"non-TOF", "", 0, 0, 1},
      {"TOF deTOF", "__SPECTRUM_CHARGE=3", 1, 1, 3},
      {"TOF", "__SPECTRUM_CHARGE=1", 1, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    Bytes body = SampleGroups(Peaks(10));
    Append(body, LabelSection({}, true));
    ASSERT_EQ(LoadText(MakeMsdcs5(Msdcs5Properties(10, c.mode, c.charge), body).Decoded(), '5'),
              1);
    EXPECT_EQ(s().m_bTOF, c.tof);
    EXPECT_EQ(s().m_bDeTOF, c.deTof);
    EXPECT_EQ(s().m_nCharge, c.expectedCharge);
  }
}

TEST_F(MsdcsTest, Msdcs5WithAWrongTerminatorAsksAndLoadsOnlyAfterOk) {
  Bytes body = SampleGroups(Peaks(20));
  Append(body, LabelSection({Label{}}, true));
  const Bytes file = MakeMsdcs5(Msdcs5Properties(20), body, 'x').File();

  host.QueueAnswer(Answer::Ok);
  EXPECT_EQ(LoadFile(file), 1);
  EXPECT_EQ(host.Questions(), Strings{kCorrupt});
  EXPECT_EQ(Samples(), Peaks(20));
  EXPECT_EQ(s().LabelCount(), 1);

  host.ClearEvents();
  host.QueueAnswer(Answer::Cancel);
  EXPECT_EQ(LoadFile(file), 0);
  EXPECT_EQ(host.Questions(), Strings{kCorrupt});
  EXPECT_EQ(host.Messages(), Strings{});
}

TEST_F(MsdcsTest, LabelSectionEdgeCases) {
  const std::vector<int32_t> samples = Peaks(50);
  std::vector<Label> many(1005);
  for (size_t i = 0; i < many.size(); ++i) many[i].text = "L" + std::to_string(i);
  // What follows the samples, with or without the charge lines.
  using Section = std::function<Bytes(bool charge)>;
  auto counted = [](int32_t count, std::string_view rest) {
    Bytes out;
    Put32(out, static_cast<uint32_t>(count));
    Append(out, rest);
    return out;
  };
  auto label = [](bool charge) { return LabelLines(Label{}, charge); };
  const std::string recent = "1200.5\n2400.25\n";

  struct Case {
    const char* name;
    Section after;
    int labels;
    double recentStart;
    Strings messages3 = {}, messages5 = {};
  } cases[] = {
      {"no labels but a recent range", [](bool c) { return LabelSection({}, c); }, 0, 1200.5},
      {"more than the spectrum holds", [&](bool c) { return LabelSection(many, c); }, 1000,
       1200.5},
      {"count larger than the labels there",
       [&](bool c) { return counted(0x7FFFFFFF, label(c) + recent); }, 1, 0},
      {"negative count", [&](bool) { return counted(-4, recent); }, 0, 1200.5},
      {"no label count", [](bool) { return Bytes{}; }, 0, 0},
      {"cut label count", [](bool) { return Bytes{1, 0}; }, 0, 0},
      {"text without line feed", [&](bool) { return counted(1, "text without its line feed"); },
       0, 0, {}, {"Error"}},
      {"label cut after its text", [&](bool) { return counted(1, "a\n12"); }, 0, 0},
      {"label cut before its last byte",
       [&](bool c) {
         std::string l = label(c);
         return counted(1, l.substr(0, l.size() - 1));
       },
       0, 0},
      {"no recent range", [&](bool c) { return counted(1, label(c)); }, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (char version : {'3', '5'}) {
      SCOPED_TRACE(version);
      Bytes body = SampleGroups(samples);
      Append(body, c.after(version == '5'));
      Parameters p;
      p.length = 50;
      const Bytes text = version == '3'
                             ? MakeTofdcs('3', Identification('3') + "`", p, body).Decoded()
                             : MakeMsdcs5(Msdcs5Properties(50), body).Decoded();
      host.ClearEvents();
      ASSERT_EQ(LoadText(text, version), 1);
      EXPECT_EQ(host.Messages(), version == '3' ? c.messages3 : c.messages5);
      EXPECT_EQ(s().LabelCount(), c.labels);
      EXPECT_DOUBLE_EQ(s().m_dRecentStart, c.recentStart);
      EXPECT_EQ(Samples(), samples);
      if (c.labels == 1000) {
        EXPECT_EQ(s().m_pLabels.back().text, "L999");
      }
    }
  }
}

TEST_F(MsdcsTest, ALaterLoadReplacesTheLabelsAndRecentRange) {
  Parameters p;
  p.length = 5;
  Bytes first = SampleGroups(Peaks(5));
  Append(first, LabelSection(TwoLabels(), false));
  ASSERT_EQ(LoadText(MakeTofdcs('3', Identification('3') + "`", p, first).Decoded(), '3'), 1);
  ASSERT_EQ(s().LabelCount(), 2);
  ASSERT_EQ(LoadText(MakeTofdcs('3', Identification('3') + "`", p, SampleGroups(Peaks(5)))
                         .Decoded(),
                     '3'),
            1);
  EXPECT_EQ(s().LabelCount(), 0);
  EXPECT_EQ(s().m_dRecentStart, 0.0);
}

TEST_F(MsdcsTest, HandMadeGroupStreams) {
  // The groups, then a place for the label section of each version.
  auto stream = [](std::initializer_list<Bytes> groups) {
    Bytes out;
    for (const Bytes& g : groups) Append(out, g);
    return out;
  };
  struct Case {
    const char* name;
    int32_t length;
    Bytes groups;
    std::vector<int32_t> samples;
    Strings messages;
    int labels;
  } cases[] = {
      // 5, 5, 5, 7 as the codes 5, 0, 0, 2.
      {"worked example", 4,
       stream({Group(2, 1, {5}), Group(3, 0), Group(2, 1, {2})}), {5, 5, 5, 7}, {}, 1},
      // One zero-width group may state far more codes than wanted: the
      // excess is dropped and the labels after it are still found.
      {"wide zero group", 3, stream({Group(2, 1, {9}), Group(0x7FFFFFFF, 0)}), {9, 9, 9}, {}, 1},
      {"groups of every width", 4,
       stream({Group(2, 2, {0x02, 0x81}), Group(2, 3, {0x00, 0x00, 0x01}),
               Group(2, 4, {0x08, 0x00, 0x00, 0x80}), Group(2, 1, {0x81})}),
       {-129, -129 + 16384, -129 + 16384 - 1, -129 + 16384 - 2}, {}, 1},
      {"width above four", 4, stream({Group(2, 1, {5}), Group(3, 5, {1, 2, 3, 4, 5})}), {5},
       {kStreamError}, 0},
      {"header field of zero", 4, stream({Group(0, 1)}), {}, {kStreamError}, 0},
      {"group count larger than its bytes", 4, Group(0x7FFFFFFF, 1, {3, 1}), {3, 4},
       {kStreamError}, 0},
      {"first header cut in its count", 4, Bytes{5, 0}, {}, {"Could not read the field count"},
       0},
      {"first header cut before its width", 4, Bytes{5, 0, 0, 0},
       {}, {"Could not read the byte count"}, 0},
      {"later header cut", 4, Group(2, 1, {5}), {5}, {kStreamError}, 0},
      {"length beyond the samples there", 0x7FFFFFFF, Group(3, 1, {5, 2}), {5, 7},
       {kStreamError}, 0},
      {"no samples wanted", 0, {}, {}, {}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (char version : {'3', '5'}) {
      SCOPED_TRACE(version);
      host.ClearEvents();
      Parameters p;
      p.length = c.length;
      Bytes body = c.groups;
      // A damaged stream is the end of its file.
      if (c.messages.empty()) Append(body, LabelSection({Label{}}, version == '5'));
      const Bytes text =
          version == '3'
              ? MakeTofdcs('3', Identification('3') + "`", p, body).Decoded()
              : MakeMsdcs5(Msdcs5Properties(c.length), body).Decoded();
      ASSERT_EQ(LoadText(text, version), 1);
      EXPECT_EQ(host.Messages(), c.messages);
      EXPECT_EQ(Samples(), c.samples);
      EXPECT_EQ(s().m_nLength, static_cast<int>(c.samples.size()));
      EXPECT_LE(s().m_nLength, s().Capacity());
      EXPECT_EQ(s().LabelCount(), c.labels);
    }
  }
}

std::string Padded(std::string text, size_t size) {
  text.resize(size, 'x');
  return text;
}

TEST_F(MsdcsTest, TofdcsEdgeCasesOfIdentificationAndParameters) {
  Parameters p;
  p.length = 3;
  const Bytes body = SampleGroups({4, 5, 6});
  const std::string noEnd =
      "Error in file format, version 4\nNo end found in the file information string";
  struct Case {
    const char* name;
    Bytes text;
    char version;
    int result;
    Strings messages;
  } cases[] = {
      {"no back-quote: no properties", MakeTofdcs('4', Identification('4'), p, body).Decoded(),
       '4', 1, {}},
      {"longest information string",
       MakeTofdcs('3', Padded(Identification('3'), 64000), p, body).Decoded(), '3', 1, {}},
      {"information string too long",
       MakeTofdcs('3', Padded(Identification('3'), 64001), p, body).Decoded(), '3', 0, {noEnd}},
      {"no terminator at all", Bytes{'T', 'V', '3', 'T', 'O', 'F', 'D', 'C', 'S'}, '3', 0,
       {noEnd}},
      {"empty text", {}, '3', 0, {noEnd}},
      {"not TOFDCS", MakeTofdcs('3', "TV3 MSDCS", p, body).Decoded(), '3', 0, {kCannotRead}},
      {"version 3 parameters cut",
       [&] {
         Bytes t = MakeTofdcs('3', Identification('3'), p, {}).Decoded();
         t.resize(t.size() - 1);
         return t;
       }(),
       '3', 0, {kCannotRead}},
      {"negative length",
       [&] {
         Parameters q = p;
         q.length = -1;
         return MakeTofdcs('3', Identification('3'), q, body).Decoded();
       }(),
       '3', 0, {kCannotRead}},
      {"version 4 parameters without their terminator",
       [&] {
         Bytes t;
         Append(t, Identification('4') + "`");
         t.push_back(kTerminator);
         Append(t, TextParameters(p));
         return t;
       }(),
       '4', 0, {"Error in file format, version 4.\nCould not find the end of the parameter string."}},
      {"other version", MakeTofdcs('3', Identification('7'), p, body).Decoded(), '7', 0,
       {"Unsupported TOFDCS version!\n"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.ClearEvents();
    EXPECT_EQ(LoadText(c.text, c.version), c.result);
    EXPECT_EQ(host.Messages(), c.messages);
    if (c.result == 1) {
      EXPECT_EQ(Samples(), (std::vector<int32_t>{4, 5, 6}));
      EXPECT_EQ(s().m_strProperties, "__SPECTRUM_DESCRIPTION=none ");
    }
  }
}

TEST_F(MsdcsTest, VersionFourParametersAreReadAsDecimalText) {
  struct Case {
    const char* text;
    double timeBase;
    int shots, offset, length;
    double a1, a0;
  } cases[] = {
      {"0.0025 64 300 3 0.5 -0.125", 0.0025, 64, 300, 3, 0.5, -0.125},
      {"1e-3  010 -7 3\t2.5e1 0", 0.001, 10, -7, 3, 25, 0},
      {"0.004 100 0 3", 0.004, 100, 0, 3, 0, 0},  // missing numbers read as 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Bytes t;
    Append(t, Identification('4') + "`");
    t.push_back(kTerminator);
    Append(t, c.text);
    t.push_back(kTerminator);
    Append(t, SampleGroups({1, 2, 3}));
    ASSERT_EQ(LoadText(t, '4'), 1);
    EXPECT_DOUBLE_EQ(s().m_dTimeBase, c.timeBase);
    EXPECT_EQ(s().m_nShots, c.shots);
    EXPECT_EQ(s().m_nOffset, c.offset);
    EXPECT_EQ(s().m_nLength, c.length);
    EXPECT_DOUBLE_EQ(s().m_dA[1], c.a1);
    EXPECT_DOUBLE_EQ(s().m_dA[0], c.a0);
  }
}

TEST_F(MsdcsTest, Msdcs5HeaderAndInformationChecks) {
  const Bytes body = SampleGroups({4, 5, 6});
  const std::string noEnd =
      "Error in file format, MSDCS v. 5\nNo end found in the file information string";
  auto withLength = [&](int32_t length) {
    Bytes t;
    Append(t, "MS5MSDCS   ");
    Put32(t, static_cast<uint32_t>(length));
    Append(t, "__SPECTRUM_LENGTH=3");
    return t;
  };
  struct Case {
    const char* name;
    Bytes text;
    int result;
    Strings messages;
  } cases[] = {
      {"short header", Bytes{'M', 'S', '5', 'M', 'S', 'D', 'C', 'S'}, 0,
       {"Error in file format."}},
      {"not MSDCS", MakeMsdcs5(Msdcs5Properties(3), body, kTerminator, "MS5TOFDCS  ").Decoded(), 0,
       {kCannotRead}},
      {"no length", Bytes{'M', 'S', '5', 'M', 'S', 'D', 'C', 'S', ' ', ' ', ' ', 1}, 0, {noEnd}},
      {"length beyond the text", withLength(0x100), 0, {noEnd}},
      {"negative length", withLength(-1), 0, {noEnd}},
      {"negative sample count",
       MakeMsdcs5("__SPECTRUM_LENGTH=-3 __SPECTRUM_MODE=TOF", body).Decoded(), 0, {kCannotRead}},
      {"no properties text: a note", MakeMsdcs5("plain note", LabelSection({}, true)).Decoded(),
       1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.ClearEvents();
    EXPECT_EQ(LoadText(c.text, '5'), c.result);
    EXPECT_EQ(host.Messages(), c.messages);
    EXPECT_EQ(host.Questions(), Strings{});
  }
  EXPECT_EQ(s().m_pProperties.Value("SPECTRUM_NOTES"), "plain note");
  EXPECT_EQ(s().m_nLength, 0);
}

TEST_F(MsdcsTest, DamagedFilesFailWithTheirMessages) {
  Parameters p;
  p.length = 3;
  const Bytes body = SampleGroups({4, 5, 6});
  const Bytes v3 = MakeTofdcs('3', Identification('3') + "`", p, body).File();
  const long prefix = static_cast<long>(Identification('3').size()) + 2;
  const std::string premature = "Premature end of file found.\nDecoding stopped";

  // The reader of the size field sees a version byte of 0 in an empty
  // prefix: the size is taken from the start of the file.
  Bytes unsupported;
  Append(unsupported, Identification('0') + "`");
  unsupported.push_back(kTerminator);
  Append(unsupported, BinaryParameters(p));
  Append(unsupported, body);

  struct Case {
    const char* name;
    Bytes file;
    Strings messages;
  } cases[] = {
      {"empty file", {},
       {"A key parameter for decoding this file could not be read.\nCheck your file for damage.",
        kCouldNotDecode}},
      {"version 3 cut inside its prefix", Bytes(v3.begin(), v3.begin() + 10),
       {premature, kCouldNotDecode}},
      {"version 3 without its size", Bytes(v3.begin(), v3.begin() + prefix + 3),
       {"A key parameter for decoding this file could not be read.\nCheck your file for damage.",
        kCouldNotDecode}},
      {"text size 0",
       [&] {
         Bytes f(v3.begin(), v3.begin() + prefix);
         Put32(f, 0);
         return f;
       }(),
       {"Text size invalid", kCouldNotDecode}},
      {"version 4 with one terminator",
       [&] {
         Bytes prefix;
         Append(prefix, Identification('4') + "`");
         prefix.push_back(kTerminator);
         Append(prefix, TextParameters(p));
         Bytes f = prefix;
         Append(f, "no more terminators");
         return f;
       }(),
       {premature, kCouldNotDecode}},
      {"version 5 cut inside its prefix",
       [] {
         Bytes f = MakeMsdcs5(Msdcs5Properties(3), SampleGroups({4, 5, 6})).File();
         f.resize(30);
         return f;
       }(),
       {premature, kCouldNotDecode}},
      {"other version", BuildCodedText({}, unsupported), {"Unsupported TOFDCS version!\n"}},
      {"information string beyond 64000 bytes",
       MakeTofdcs('3', Identification('3') + std::string(70000, 'x'), p, body).File(),
       {"Error in file format, version 4\nNo end found in the file information string"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.ClearEvents();
    EXPECT_EQ(LoadFile(c.file), 0);
    EXPECT_EQ(host.Messages(), c.messages);
  }
}

TEST_F(MsdcsTest, MissingAndUnreadableFiles) {
  CMsdcsImporter importer(host);
  EXPECT_EQ(importer.Load(PathOf("none.dcs"), s()), 0);
  EXPECT_EQ(importer.Load(dir_.string(), s()), 0);  // a folder opens but cannot be read
  EXPECT_EQ(host.Messages(), (Strings{"Couldn't open file", "Could not find named file"}));
}

// Cuts a decoded text at every byte after the parameters: each load ends
// with the right message and never reads past the text.
TEST_F(MsdcsTest, TruncatedAtEveryPointOfTheBody) {
  const std::vector<int32_t> samples = {100, 90, 40000, 40001, 3000000, 0, 0, 0, 7};
  for (char version : {'3', '5'}) {
    SCOPED_TRACE(version);
    Bytes groups = SampleGroups(samples);
    Bytes body = groups;
    Append(body, LabelSection({Label{}}, version == '5'));
    Parameters p;
    p.length = static_cast<int32_t>(samples.size());
    const Bytes whole = version == '3'
                            ? MakeTofdcs('3', Identification('3') + "`", p, body).Decoded()
                            : MakeMsdcs5(Msdcs5Properties(p.length), body).Decoded();
    const size_t bodyStart = whole.size() - body.size();
    const size_t labelEnd = groups.size() + 4 + LabelLines(Label{}, version == '5').size();
    for (size_t cut = bodyStart; cut <= whole.size(); ++cut) {
      SCOPED_TRACE(cut - bodyStart);
      host.ClearEvents();
      // Only the copy of the bytes before the cut is given to the reader,
      // so the sanitisers see any read past it.
      auto text = std::make_unique<uint8_t[]>(cut + 1);
      std::copy(whole.begin(), whole.begin() + static_cast<long>(cut), text.get());
      ASSERT_EQ(LoadText(Bytes(text.get(), text.get() + cut), version), 1);
      const size_t inBody = cut - bodyStart;
      Strings expected;
      if (inBody < 4)
        expected = {"Could not read the field count"};
      else if (inBody < 5)
        expected = {"Could not read the byte count"};
      else if (inBody < groups.size())
        expected = {kStreamError};
      else if (version == '5' && inBody >= groups.size() + 4 && inBody < groups.size() + 4 + 8)
        expected = {"Error"};  // the label text lacks its line feed
      EXPECT_EQ(host.Messages(), expected);
      EXPECT_LE(s().m_nLength, p.length);
      const std::vector<int32_t> head(samples.begin(), samples.begin() + s().m_nLength);
      EXPECT_EQ(Samples(), head);
      if (inBody >= groups.size()) {
        EXPECT_EQ(s().m_nLength, p.length);
      }
      EXPECT_EQ(s().LabelCount(), inBody >= labelEnd ? 1 : 0);
      EXPECT_EQ(s().m_dRecentEnd, cut >= whole.size() - 1 ? 2400.25 : 0.0);
    }
  }
}

TEST_F(MsdcsTest, LoadingWindowAdvancesWithTheDecoderAndTheSamples) {
  struct CountingBar : ProgressWindow {
    explicit CountingBar(int& steps) : steps(steps) {}
    void SetText(std::string_view) override {}
    void SetPos(int) override {}
    void StepIt() override { ++steps; }
    int& steps;
  };
  struct CountingHost : ScriptedHost {
    std::unique_ptr<ProgressWindow> OpenProgress(std::string_view text) override {
      ScriptedHost::OpenProgress(text);
      return std::make_unique<CountingBar>(steps);
    }
    int steps = 0;
  };
  const std::vector<int32_t> samples = Peaks(60000);
  Parameters p;
  p.length = static_cast<int32_t>(samples.size());
  Bytes body = SampleGroups(samples);
  Append(body, LabelSection({}, false));
  const Tofdcs file = MakeTofdcs('3', Identification('3') + "`", p, body);

  int sampleSteps = 0;
  CountingBar bar(sampleSteps);
  ASSERT_EQ(CMsdcsImporter(host).LoadDecoded(file.Decoded(), '3', "x", s(), &bar), 1);
  EXPECT_GE(sampleSteps, 45);
  EXPECT_LE(sampleSteps, 51);

  CountingHost counting;
  CMsdcsImporter importer(counting);
  ASSERT_EQ(importer.Load(WriteFile("big.dcs", file.File()), s()), 1);
  EXPECT_EQ(Samples(), samples);
  // The decoder steps once per fiftieth of its symbols, the samples once
  // per fiftieth of the samples.
  EXPECT_GT(counting.steps, sampleSteps) << sampleSteps;
  EXPECT_LE(counting.steps, 102);
  EXPECT_GE(counting.dispatches(), counting.steps);
}

}  // namespace
}  // namespace ionvue
