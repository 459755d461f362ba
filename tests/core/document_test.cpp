#include "viewer/core/document.h"

#include <cstring>

#include "platform/file_dialog.h"
#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "tests/support/test_support.h"
#include "viewer/core/document_dialogs.h"
#include "viewer/core/load_parameters_dialog.h"
#include "viewer/core/spectrum_file.h"

namespace ionvue {
namespace {

// An importer that stores a fixed ramp and records how it was called.
struct FakeImporter {
  int code = 1;
  int samples = 5;
  double firstMass = 0, secondMass = 0;
  std::vector<ImportRequest> calls;
  int wordSize = 0, points = 0;
  char letter = 0;
  ImporterFunction Function() {
    return [this](const ImportRequest& r) {
      letter = r.letter;
      points = r.points;
      wordSize = r.wordSize;
      if (code == 1) {
        r.spectrum.Resize(samples);
        for (int i = 0; i < samples; ++i) r.spectrum.m_pData[i] = i - 1;
        r.spectrum.m_pcName = r.path;
      }
      return ImportResult{code, firstMass, secondMass};
    };
  }
};

class DocumentTest : public testing::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    for (char letter : std::string("02345678ABLQ@"))
      services.importers.Set(letter, fake.Function());
  }
  std::unique_ptr<CIonvueDoc> NewDoc() { return std::make_unique<CIonvueDoc>(host, services); }
  static bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }

  ScriptedHost host;
  DocumentServices services;
  FakeImporter fake;
};

TEST(TypeProbe, RulesInOrder) {
  unsigned char text[121] = "line one\nline two";
  unsigned char table[121] = "100.0 5\n";
  unsigned char binary[121] = {1, 2, 3, 4, 0, 0, 0, 0, 0, 0};
  unsigned char dcs[121] = "MSDCS 5 header\n";
  unsigned char finnigan[121] = {4, 8, 1, 1};
  unsigned char noTail[41] = {};
  unsigned char dateTail[41] = "12/3/98";
  struct Case {
    const char* path;
    const unsigned char* header;
    const unsigned char* tail;
    bool proc;
    char letter;
  } cases[] = {
      {"/d/a.roziro", dcs, noTail, false, '1'},  // content before name
      {"/d/A.ROZIRO", text, noTail, false, 'B'},
      {"/d/a.qst", text, noTail, false, 'q'},
      {"/d/a.qst", text, dateTail, false, 'Q'},
      {"/d/a.xyz", text, dateTail, false, 'Q'},
      {"/d/a.lin", text, noTail, false, 'L'},
      {"/d/a.mas", text, noTail, false, '5'},
      {"/d/a.ms", text, noTail, false, '6'},
      {"/d/a.txt", text, noTail, false, 'p'},
      {"/d/a.dat", binary, noTail, false, 'P'},
      {"/d/a.dat", reinterpret_cast<const unsigned char*>("1\n2\n3\n"), noTail, false,
       '3'},  // bytes 8, 9 not both zero
      {"/d/a.COR", table, noTail, false, '7'},
      {"/d/a.sci", text, noTail, false, '8'},
      {"/d/a.wiff", text, noTail, false, 'W'},
      {"/d/x_func001.dat", text, noTail, false, 'T'},
      {"/d/func001.dat", text, noTail, false, 'm'},
      {"/d/a.bin", text, noTail, false, 'A'},
      {"/d/a.raw", finnigan, noTail, false, 'F'},
      {"/d/a.dta", text, noTail, false, 'f'},
      {"/d/1r", text, noTail, true, '9'},
      {"/d/testdata/a.asc", table, noTail, false, '2'},
      {"/d/noext", binary, noTail, false, '2'},  // no line feed before the zero
      {"/d/a.asc", table, noTail, false, '4'},
      {"/d/a.asc", text, noTail, false, '4'},  // blank in "line one"
      {"/d/a.asc", reinterpret_cast<const unsigned char*>("1\n2\n3\n"), noTail, false, '3'},
      {"/d.ms/a.asc", table, noTail, false, '4'},  // folder names do not decide
  };
  for (const auto& c : cases) {
    unsigned char header[121] = {};
    std::memcpy(header, c.header, 120);
    EXPECT_EQ(CSpectrumFile::Classify(c.path, header, c.tail, c.proc), c.letter) << c.path;
  }
}

TEST_F(DocumentTest, MissingFileIsReportedAndNotOpened) {
  auto doc = NewDoc();
  std::string path = PathOf("gone.dat");
  EXPECT_EQ(doc->OnOpenDocument(path), 0);
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0], "The file m_pcName you entered:\n\n\t" + path +
                                    ",\n\ncould not be located.\n" + "If you typed in the file " +
                                    path + "\n\t- check for a typo.\n" +
                                    "If you clicked on the file " + path +
                                    ", either:\n\t- you don't have permission to read it.\n" +
                                    "\t- or there is something wrong with the file system.");
  EXPECT_EQ(host.events().front().kind, HostEvent::Kind::Beep);
  EXPECT_FALSE(doc->IsLoaded());
}

TEST_F(DocumentTest, RawBinaryGoesThroughTheParametersDialog) {
  std::string path = WriteFile("raw", std::string("\1\2\3\4\0\0\0\0", 8));
  auto doc = NewDoc();
  host.QueueDialog([](DialogModel& model) {
    auto& d = dynamic_cast<LoadParametersDialog&>(model);
    EXPECT_EQ(d.fileType, LoadParametersDialog::k16Bit);
    EXPECT_EQ(d.points, "all");
    d.fileType = LoadParametersDialog::k32Bit;
    d.timeBase = 0.5;
    d.shots = 20;
    d.points = "30000";
    d.doNotShow = true;
    return true;
  });
  EXPECT_EQ(doc->OnOpenDocument(path), 1);
  EXPECT_TRUE(doc->IsLoaded());
  EXPECT_EQ(fake.letter, '2');
  EXPECT_EQ(fake.wordSize, 4);
  EXPECT_EQ(fake.points, 30000);
  const CSpectrum& s = doc->GetSpectrum();
  EXPECT_DOUBLE_EQ(s.m_dTimeBase, 0.5);
  EXPECT_EQ(s.m_nShots, 20);
  EXPECT_EQ(s.m_pData[0], 1);  // raised to at least 1
  EXPECT_EQ(s.m_pRevert[4], 3);
  EXPECT_EQ(s.m_pProperties.Value("SPECTRUM_CHARGE"), "1");
  EXPECT_EQ(s.GetPropertyText(), "__SPECTRUM_CHARGE=1");
  EXPECT_EQ(s.m_bDeTOF, 1);  // TOF with the default a2 = 4
  EXPECT_EQ(Settings().GetInt("Defaults", "ShowAllDialogs", 1), 0);
  EXPECT_EQ(host.StatusTexts(0),
            (std::vector<std::string>{"Binary file loading...",
                                      "Calculating file authentication value  ..."}));
  EXPECT_EQ(doc->m_strTitle, path);
  EXPECT_EQ(host.wait_depth(), 0);

  // Switched off, the dialog is skipped and every point is asked for.
  auto second = NewDoc();
  EXPECT_EQ(second->OnOpenDocument(path), 1);
  EXPECT_EQ(fake.points, 2000000);
}

TEST_F(DocumentTest, CancelledParametersDialogOpensNothing) {
  std::string path = WriteFile("raw.asc", std::string("1\n2\n"));
  auto doc = NewDoc();
  host.QueueDialog([](DialogModel&) { return false; });
  EXPECT_EQ(doc->OnOpenDocument(path), 0);
  EXPECT_EQ(fake.letter, 0);
}

TEST_F(DocumentTest, FailuresLeaveAnEmptyDocument) {
  Settings().WriteInt("Defaults", "ShowAllDialogs", 0);
  struct Case {
    const char* name;
    int code;
    const char* firstMessage;
  } cases[] = {
      {"a.asc", 0, nullptr},
      {"a.wiff", 1, "This file format is not supported yet."},  // no importer here
  };
  for (const auto& c : cases) {
    host.ClearEvents();
    fake.code = c.code;
    std::string path = WriteFile(c.name, std::string("1 2\n3 4\n"));
    auto doc = NewDoc();
    EXPECT_EQ(doc->OnOpenDocument(path), 1) << c.name;
    EXPECT_FALSE(doc->IsLoaded());
    EXPECT_EQ(doc->GetSpectrum().m_nLength, 0);
    auto messages = host.Messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), CIonvueDoc::kLoadError);
    if (c.firstMessage) {
      EXPECT_EQ(messages.front(), c.firstMessage);
    }
    EXPECT_TRUE(Contains(host.StatusTexts(0), "File couldn't be loaded"));
  }
}

TEST_F(DocumentTest, CorrelationFilesAreNeutralMassTablesWithLinearCalibration) {
  std::string path = WriteFile("auto.COR", std::string("100.0 5\n100.5 6\n"));
  fake.firstMass = 100.0;
  fake.secondMass = 100.5;
  auto doc = NewDoc();
  EXPECT_EQ(doc->OnOpenDocument(path), 1);
  EXPECT_EQ(fake.letter, '7');
  EXPECT_EQ(fake.points, 2000000);
  EXPECT_TRUE(doc->m_bNeutralMass);
  EXPECT_TRUE(doc->m_bMassTable);
  const CSpectrum& s = doc->GetSpectrum();
  EXPECT_EQ(s.m_bTOF, 0);
  EXPECT_DOUBLE_EQ(s.m_dA[0], 100.0);
  EXPECT_DOUBLE_EQ(s.m_dA[1], 0.5 / s.m_dTimeBase);
  EXPECT_DOUBLE_EQ(s.Forward(s.TimeOf(1)), 100.5 + 0.5 * 0);  // offset 0: sample 1 is m1 + step
  EXPECT_EQ(host.StatusTexts(0).front(), "Correlation file loading...");
}

TEST_F(DocumentTest, ZeroShotsAreResetWithAWarning) {
  std::string path = WriteFile("a.bin", std::string("\1\0\0\0\2\0\0\0", 8));
  services.importers.Set('A', [](const ImportRequest& r) {
    r.spectrum.Resize(2);
    r.spectrum.m_pData[0] = r.spectrum.m_pData[1] = 3;
    r.spectrum.m_nShots = 0;
    return ImportResult{1};
  });
  auto doc = NewDoc();
  EXPECT_EQ(doc->OnOpenDocument(path), 1);
  EXPECT_EQ(host.Messages(),
            std::vector<std::string>{"Number of shots equals zero: value not allowed\n"
                                     "Number of shots has been reset to the default value."});
  EXPECT_EQ(doc->GetSpectrum().m_nShots, 100);
}

TEST_F(DocumentTest, HashIsComputedOnOpenOnlyWhileSwitchedOn) {
  int hashed = 0;
  services.hashFile = [&](Host&, const std::string&, std::array<uint32_t, 4>& out) {
    ++hashed;
    out = {1, 2, 3, 4};
    return true;
  };
  std::string path = WriteFile("a.bin", std::string(8, '\1'));
  NewDoc()->OnOpenDocument(path);
  EXPECT_EQ(hashed, 0);
  Settings().WriteInt("Graph", "ShowHash", 1);
  auto doc = NewDoc();
  doc->OnOpenDocument(path);
  EXPECT_EQ(hashed, 1);
  EXPECT_EQ(doc->GetSpectrum().m_nHash[3], 4u);
}

TEST_F(DocumentTest, SaveAppendsToTheChangelogAndHashesTheNewFile) {
  std::string source = WriteFile("a.bin", std::string(8, '\1'));
  std::string written;
  services.writeRoziro = [&](Host&, CIonvueDoc& doc, const std::string& path) {
    written = path;
    EXPECT_NE(doc.GetSpectrum().GetPropertyText().find("__SPECTRUM_CHANGELOG="), std::string::npos);
    return 1;
  };
  services.hashFile = [](Host&, const std::string&, std::array<uint32_t, 4>& out) {
    out = {9, 9, 9, 9};
    return true;
  };
  auto doc = NewDoc();
  doc->OnOpenDocument(source);
  std::string target = PathOf("out.roziro");
  EXPECT_EQ(doc->OnSaveDocument(target), 1);
  EXPECT_EQ(written, target);
  const CSpectrum& s = doc->GetSpectrum();
  std::string log = s.m_pProperties.Value("SPECTRUM_CHANGELOG");
  EXPECT_EQ(log.substr(log.size() - source.size() - 3), source + "\r\n,");
  EXPECT_EQ(s.m_pcName, target);
  EXPECT_EQ(s.m_nHash[0], 9u);
  EXPECT_EQ(host.StatusTexts(0).back(), "Calculating file authentication value ...");

  services.editProperties = [](Host&, CIonvueDoc&) { return false; };
  EXPECT_EQ(doc->OnSaveDocument(target), 0);
  EXPECT_EQ(host.Messages().back(),
            "The mass bank information could not be saved.\nThe file was not saved.");
}

TEST(Changelog, LinesAccumulateAndStayWithinOneValue) {
  EXPECT_EQ(CIonvueDoc::AppendChangelog("", "L1"), "L1\r\n,");
  EXPECT_EQ(CIonvueDoc::AppendChangelog("L1\r\n,", "L2"), "L1\r\nL2\r\n,");
  EXPECT_EQ(CIonvueDoc::AppendChangelog("no comma here", "L2"), "no comma hereL2\r\n,");
  // A comma inside a file name does not cut the history.
  EXPECT_EQ(CIonvueDoc::AppendChangelog("a,b\r\n,", "L2"), "a,b\r\nL2\r\n,");
  std::string log;
  for (int i = 0; i < 2000; ++i)
    log =
        CIonvueDoc::AppendChangelog(log, "12:00 01/01/2026 - /data/spectrum-" + std::to_string(i));
  EXPECT_LE(log.size(), 31999u);
  EXPECT_EQ(log.find("spectrum-0\r\n"), std::string::npos);
  EXPECT_NE(log.find("spectrum-1999\r\n,"), std::string::npos);
  EXPECT_EQ(log.compare(0, 5, "12:00"), 0);  // whole lines were dropped
}

TEST(SavePath, MasBecomesRoziro) {
  EXPECT_EQ(CIonvueDoc::SavePathFor("/d/run.mas"), "/d/run.roziro");
  EXPECT_EQ(CIonvueDoc::SavePathFor("/d/run.roziro"), "/d/run.roziro");
  EXPECT_EQ(CIonvueDoc::SavePathFor("/d/run.txt"), "/d/run.txt");
}

TEST_F(DocumentTest, ExportsWriteTheirLayouts) {
  std::string source = WriteFile("a.bin", std::string(8, '\1'));
  auto doc = NewDoc();
  doc->OnOpenDocument(source);
  CSpectrum& s = doc->GetSpectrum();
  s.m_bTOF = 0;
  s.m_dA[0] = 10;
  s.m_dA[1] = 2;
  s.m_dTimeBase = 0.5;
  s.m_nOffset = 1;

  std::string bin = PathOf("out.dat");
  ASSERT_TRUE(doc->WriteBinary(bin));
  std::string bytes = ReadFile(bin);
  ASSERT_EQ(bytes.size(), 4u + 5 * 12);
  int32_t length, first;
  double mz;
  std::memcpy(&length, bytes.data(), 4);
  std::memcpy(&first, bytes.data() + 4 + 12, 4);
  std::memcpy(&mz, bytes.data() + 4 + 12 + 4, 8);
  EXPECT_EQ(length, 5);
  EXPECT_EQ(first, 1);
  EXPECT_DOUBLE_EQ(mz, 10 + 2 * (1 + 1) * 0.5);

  std::string asc = PathOf("out.asc");
  ASSERT_TRUE(doc->WriteScreenAscii(asc, SaveAsciiDialog::kEntireFile));
  EXPECT_EQ(ReadFile(asc), "0\t1\r\n1\t1\r\n2\t1\r\n3\t2\r\n4\t3\r\n");
  doc->m_nScreenBins = 2;
  doc->m_dScreenMz[0] = 100.126;
  doc->m_nScreenIntensity[0] = 7;
  doc->m_dScreenMz[1] = 101;
  doc->m_nScreenIntensity[1] = 8;
  ASSERT_TRUE(doc->WriteScreenAscii(asc, SaveAsciiDialog::kScreen));
  EXPECT_EQ(ReadFile(asc), "100.13\t7\r\n101.00\t8\r\n");

  // A folder that does not exist cannot take the file; nothing is lost.
  EXPECT_FALSE(doc->WriteBinary(PathOf("missing/out.dat")));
}

TEST_F(DocumentTest, ExportScreenDialogsRememberTheChoice) {
  std::string source = WriteFile("a.bin", std::string(8, '\1'));
  auto doc = NewDoc();
  doc->OnOpenDocument(source);
  std::string target = PathOf("x.asc");
  host.QueueDialog([&](DialogModel& m) {
    auto& d = dynamic_cast<FileDialogModel&>(m);
    EXPECT_EQ(d.title, "Save screen as ASCII file");
    d.paths = {target};
    return true;
  });
  host.QueueDialog([](DialogModel& m) {
    dynamic_cast<SaveAsciiDialog&>(m).choice = SaveAsciiDialog::kEntireFile;
    return true;
  });
  EXPECT_TRUE(doc->ExportScreenAscii());
  EXPECT_EQ(Settings().GetInt("Defaults", "AsciiFileStorageType", 0), 1);
  EXPECT_EQ(host.StatusTexts(0).back(), "Zoom with LMB, replay with RMB");
  EXPECT_EQ(ReadFile(target).substr(0, 5), "0\t1\r\n");
}

TEST_F(DocumentTest, SetHighestMassTrims) {
  std::string source = WriteFile("a.bin", std::string(8, '\1'));
  fake.samples = 100;
  auto doc = NewDoc();
  doc->OnOpenDocument(source);
  CSpectrum& s = doc->GetSpectrum();
  s.m_bTOF = 0;
  s.m_dA[0] = 0;
  s.m_dA[1] = 1;
  s.m_dTimeBase = 1;
  host.QueueDialog([](DialogModel& m) {
    auto& d = dynamic_cast<TrimSpectrumDialog&>(m);
    EXPECT_DOUBLE_EQ(d.endpoint, 99);  // trunc(m/z of the end) - 1
    d.endpoint = 500;                  // beyond the end: nothing changes
    return true;
  });
  EXPECT_TRUE(doc->SetHighestMass());
  EXPECT_EQ(s.m_nLength, 100);
  doc->TrimTo(40.5);
  EXPECT_EQ(s.m_nLength, 40);
  doc->TrimTo(-3);
  EXPECT_EQ(s.m_nLength, 0);
}

TEST_F(DocumentTest, RevertsRestoreSamplesOrReload) {
  std::string source = WriteFile("a.bin", std::string(8, '\1'));
  auto doc = NewDoc();
  doc->OnOpenDocument(source);
  CSpectrum& s = doc->GetSpectrum();
  s.m_pData[2] = 777;
  doc->ToolsRevert();
  EXPECT_EQ(s.m_pData[2], 1);
  s.m_pData[2] = 777;
  fake.letter = 0;
  doc->FileRevert();
  EXPECT_EQ(fake.letter, 'A');
  EXPECT_EQ(s.m_pData[2], 1);
}

TEST_F(DocumentTest, QuickLoadReadsTheAcquisitionFile) {
  std::string acq = WriteFile("acqtemp.dat", std::string(16, '\1'));
  Settings().WriteString("Defaults", "QuickLoadFile", acq);
  Settings().WriteInt("Defaults", "SnapticFileHeader", 8);
  Settings().WriteInt("Defaults", "QuickLoadWordSize", 0);
  auto doc = NewDoc();
  EXPECT_EQ(doc->OnOpenDocument("#0.acq"), 1);
  EXPECT_EQ(fake.letter, ImporterTable::kQuickLoad);
  EXPECT_EQ(fake.wordSize, 4);
  EXPECT_EQ(fake.points, 2000000);
  EXPECT_TRUE(doc->IsLoaded());
  EXPECT_TRUE(doc->m_bQuickLoaded);
  EXPECT_EQ(doc->GetSpectrum().m_nOffset, 2);
  EXPECT_EQ(host.StatusTexts(0).back(), "5 data points loaded");
  EXPECT_EQ(host.StatusTexts(0).front(), acq + " (binary)");
}

TEST_F(DocumentTest, DestructionWritesDocumentSettings) {
  {
    auto doc = NewDoc();
    doc->GetSpectrum().m_dTimeBase = 0.0123456789;
    doc->m_nWordSize = 4;
  }
  EXPECT_EQ(Settings().GetString("Defaults", "TimeBase", ""), "0.01234568");
  EXPECT_EQ(Settings().GetInt("Defaults", "WordSize", 0), 4);
  EXPECT_EQ(Settings().GetString("MassFilter", "FilterMass", ""), "0.0000");
  EXPECT_EQ(Settings().GetString("Correlation", "Delta", ""), "1.0000");
}

}  // namespace
}  // namespace ionvue
