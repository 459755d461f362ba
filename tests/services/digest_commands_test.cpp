#include "viewer/services/digest_commands.h"

#include <string>
#include <vector>

#include "platform/file_dialog.h"
#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "tests/support/test_support.h"
#include "viewer/core/command_ids.h"
#include "viewer/core/document.h"
#include "viewer/services/application_state.h"
#include "viewer/services/command_table.h"
#include "viewer/services/digest_files.h"
#include "viewer/services/digest_overlay.h"
#include "viewer/services/document_commands.h"

namespace ionvue {
namespace {

class DigestCommandTest : public testing::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    doc_ = std::make_unique<CIonvueDoc>(host_, services_);
    doc_->m_bLoaded = true;
    doc_->onRedraw = [this] { ++redraws_; };
  }
  void TearDown() override {
    doc_.reset();
    TempDirTest::TearDown();
  }
  // The next file dialog picks `path` and records where it started.
  void Choose(const std::string& path) {
    host_.QueueDialog([this, path](DialogModel& model) {
      auto& dialog = dynamic_cast<FileDialogModel&>(model);
      started_in_ = dialog.initialDirectory;
      title_ = dialog.title;
      filter_ = dialog.filter;
      dialog.paths = {path};
      return true;
    });
  }

  ScriptedHost host_;
  DocumentServices services_;
  std::unique_ptr<CIonvueDoc> doc_;
  int redraws_ = 0;
  std::string started_in_, title_, filter_;
};

TEST_F(DigestCommandTest, ImportReadsTheChosenFileAndASecondUseRemovesIt) {
  std::string path = WriteFile("cleavix/trypsin.clv", "E\n1 4 1000.0\n5 9 500.0\n");
  Choose(path);
  ToggleCleavageFile(host_, *doc_, 0);
  ASSERT_TRUE(DigestPresent(*doc_, 0));
  EXPECT_EQ(title_, "Load cleavage data from Cleavix");
  EXPECT_EQ(filter_, "Cleavix or data|*.clv;*.dat|All files|*.*||");
  EXPECT_EQ(DigestIn(*doc_, 0)->FragmentCount(), 2);
  EXPECT_EQ(DigestIn(*doc_, 0)->m_nOverlay, 1);
  EXPECT_EQ(Settings().GetString("Defaults", "CleavixInputDirectory", ""), PathOf("cleavix"));
  EXPECT_EQ(redraws_, 1);

  ToggleCleavageFile(host_, *doc_, 0);
  EXPECT_FALSE(DigestPresent(*doc_, 0));
  EXPECT_EQ(redraws_, 2);

  // The next import starts where the last one ended.
  Choose(path);
  ToggleCleavageFile(host_, *doc_, 1);
  EXPECT_EQ(started_in_, PathOf("cleavix"));
  EXPECT_TRUE(DigestPresent(*doc_, 1));
  EXPECT_EQ(DigestIn(*doc_, 1)->m_nOverlay, 0);
}

TEST_F(DigestCommandTest, CancelAndInvalidFilesLeaveTheSlotEmpty) {
  host_.QueueDialog([](DialogModel&) { return false; });
  ToggleCleavageFile(host_, *doc_, 0);
  EXPECT_FALSE(DigestPresent(*doc_, 0));
  EXPECT_TRUE(host_.Messages().empty());

  Choose(WriteFile("bad.clv", "0.5\n"));
  ToggleCleavageFile(host_, *doc_, 0);
  EXPECT_FALSE(DigestPresent(*doc_, 0));
  EXPECT_EQ(host_.Messages(), std::vector<std::string>{kInvalidCleavageFile});
  EXPECT_EQ(redraws_, 0);
}

TEST_F(DigestCommandTest, PastingTogglesTheSecondSlotAndNeverReplaces) {
  TogglePastedTemplate(host_, *doc_, std::string("m/z 1000.5, 2000"));
  ASSERT_TRUE(DigestPresent(*doc_, 1));
  EXPECT_EQ(DigestIn(*doc_, 1)->PlainMasses(), (std::vector<double>{1000.5, 2000}));

  TogglePastedTemplate(host_, *doc_, std::string("3000"));
  EXPECT_FALSE(DigestPresent(*doc_, 1));

  // A second digest in slot 2 is removed the same way.
  Choose(WriteFile("d.clv", "E\n1 2 800\n"));
  ToggleCleavageFile(host_, *doc_, 1);
  ASSERT_TRUE(DigestPresent(*doc_, 1));
  TogglePastedTemplate(host_, *doc_, std::string("3000"));
  EXPECT_FALSE(DigestPresent(*doc_, 1));

  TogglePastedTemplate(host_, *doc_, std::nullopt);
  EXPECT_FALSE(DigestPresent(*doc_, 1));
  EXPECT_EQ(
      host_.Messages(),
      std::vector<std::string>{"Error loading masses from the Clipboard\nTry reloading the data."});
}

TEST_F(DigestCommandTest, DocumentTargetEnablesAndChecksTheDigestCommands) {
  ApplicationState state;
  std::string clipboard = "1500 1600";
  bool holdsText = false;
  DocumentCommands target(*doc_, state, host_,
                          {[&] { return holdsText; }, [&] { return std::optional(clipboard); }});
  CommandRouter router = MakeCommandRouter(nullptr, &target, nullptr, nullptr);

  EXPECT_FALSE(router.Update(cmd::kPasteMassTemplate).enabled);
  EXPECT_FALSE(router.Update(cmd::kRemoveTemplate).enabled);
  holdsText = true;
  ASSERT_TRUE(router.Execute(cmd::kPasteMassTemplate));
  EXPECT_TRUE(DigestPresent(*doc_, 1));
  EXPECT_TRUE(router.Update(cmd::kRemoveTemplate).enabled);
  EXPECT_TRUE(router.Update(cmd::kImportDigest2).checked);
  EXPECT_FALSE(router.Update(cmd::kImportDigest1).checked);
  ASSERT_TRUE(router.Execute(cmd::kRemoveTemplate));
  EXPECT_FALSE(DigestPresent(*doc_, 1));

  doc_->m_bLoaded = false;
  EXPECT_FALSE(router.Update(cmd::kImportDigest1).enabled);
  EXPECT_FALSE(router.Update(cmd::kSetHighestMass).enabled);
  EXPECT_FALSE(router.Update(cmd::kFileSaveAs).enabled);
  EXPECT_TRUE(router.Update(cmd::kImportDigest1).checkable);
}

TEST_F(DigestCommandTest, OpeningAnotherSpectrumDropsBothOverlays) {
  TogglePastedTemplate(host_, *doc_, std::string("1000"));
  Choose(WriteFile("d.clv", "E\n1 2 800\n"));
  ToggleCleavageFile(host_, *doc_, 0);
  ASSERT_TRUE(DigestPresent(*doc_, 0) && DigestPresent(*doc_, 1));
  doc_->OnOpenDocument(PathOf("absent.dat"));
  EXPECT_FALSE(DigestPresent(*doc_, 0));
  EXPECT_FALSE(DigestPresent(*doc_, 1));
}

}  // namespace
}  // namespace ionvue
