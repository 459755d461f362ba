#include "viewer/app/dialog_forms.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "tests/app/qt_app.h"
#include "tests/support/test_support.h"
#include "viewer/core/document_dialogs.h"
#include "viewer/core/load_parameters_dialog.h"
#include "viewer/app/option_forms.h"
#include "viewer/view/mouse_dialogs.h"
#include <QListWidget>

namespace ionvue {
namespace {

class DialogFormsTest : public testing::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    testing::QtApp();
  }
  void Watch(ModelForm& form) {
    form.SetComplaint([this](QWidget*, const QString& text) { complaints.push_back(text); });
  }
  std::vector<QString> complaints;
};

TEST_F(DialogFormsTest, TrimSpectrumAcceptsOnlyEndpointsFromOneToTenMillion) {
  struct Case {
    const char* text;
    bool accepted;
    const char* complaint;
  } cases[] = {
      {"0", false, "Please enter a number between 1 and 10000000."},
      {"10000001", false, "Please enter a number between 1 and 10000000."},
      {"abc", false, "Please enter a number."},
      {"", false, "Please enter a number."},
      {"1", true, ""},
      {" 2500.5 ", true, ""},
      {"10000000", true, ""},
  };
  for (const Case& c : cases) {
    complaints.clear();
    TrimSpectrumDialog model(4999);
    TrimSpectrumForm form(model);
    Watch(form);
    EXPECT_EQ(form.endpoint()->text(), "4999");
    form.endpoint()->setText(c.text);
    form.accept();
    EXPECT_EQ(form.result() == QDialog::Accepted, c.accepted) << c.text;
    if (c.accepted) {
      EXPECT_TRUE(complaints.empty());
      EXPECT_EQ(model.endpoint, QString(c.text).toDouble()) << c.text;
    } else {
      ASSERT_EQ(complaints.size(), 1u) << c.text;
      EXPECT_EQ(complaints[0], c.complaint);
      EXPECT_EQ(model.endpoint, 4999) << "a refused field leaves the model as it was";
    }
  }
}

TEST_F(DialogFormsTest, TrimSpectrumShowsItsOwnCaptionFieldAndButtons) {
  TrimSpectrumDialog model(100);
  TrimSpectrumForm form(model);
  EXPECT_EQ(form.windowTitle(), "Trim spectrum");
  QStringList buttons;
  for (QPushButton* b : form.findChildren<QPushButton*>()) buttons << b->text();
  buttons.sort();
  EXPECT_EQ(buttons, QStringList({"Accept", "Reject"}));
}

TEST_F(DialogFormsTest, LoadParametersPresetsFromTheModel) {
  LoadParametersDialog binary('2', 0.007, 100, 0, 4, true);
  LoadParametersForm form(binary);
  EXPECT_EQ(form.windowTitle(), "Load parameters for the new file");
  EXPECT_EQ(form.timeBase()->text(), "0.007");
  EXPECT_EQ(form.shots()->text(), "100");
  EXPECT_EQ(form.points()->currentText(), "all");
  EXPECT_EQ(form.points()->count(), 10);
  EXPECT_EQ(form.points()->itemText(0), "10000");
  EXPECT_TRUE(form.fileType(LoadParametersDialog::k32Bit)->isChecked());
  EXPECT_TRUE(form.massTable()->isChecked());
  EXPECT_FALSE(form.doNotShow()->isChecked());

  LoadParametersDialog tofware('5', 0.007, 100, 0, 2, false);
  LoadParametersForm tofwareForm(tofware);
  EXPECT_EQ(tofwareForm.headerLength()->text(), "1024");
  EXPECT_TRUE(tofwareForm.fileType(LoadParametersDialog::k16Bit)->isChecked());

  LoadParametersDialog twoColumn('4', 0.007, 100, 0, 2, false);
  EXPECT_TRUE(LoadParametersForm(twoColumn).fileType(LoadParametersDialog::kTwoColumn)->isChecked());
}

TEST_F(DialogFormsTest, LoadParametersRefusesTheFirstFieldOutOfRange) {
  struct Case {
    const char* timeBase;
    const char* shots;
    const char* points;
    const char* header;
    const char* complaint;  // "" when accepted
  } cases[] = {
      {"0", "100", "all", "0", "Please enter a number between 0.00001 and 1000."},
      {"1000.5", "100", "all", "0", "Please enter a number between 0.00001 and 1000."},
      {"fast", "100", "all", "0", "Please enter a number."},
      {"0.5", "0", "all", "0", "Please enter an integer between 1 and 1000000."},
      {"0.5", "2.5", "all", "0", "Please enter an integer."},
      {"0.5", "10", "lots", "0", "Please enter the number of points to load, or \"all\"."},
      {"0.5", "10", "0", "0", "Please enter the number of points to load, or \"all\"."},
      {"0.5", "10", "all", "32001", "Please enter an integer between 0 and 32000."},
      {"0.5", "10", "all", "-1", "Please enter an integer between 0 and 32000."},
      {"0.00001", "1000000", "30000", "32000", ""},
      {"1000", "1", "all", "0", ""},
  };
  for (const Case& c : cases) {
    complaints.clear();
    LoadParametersDialog model('2', 0.007, 100, 0, 2, false);
    LoadParametersForm form(model);
    Watch(form);
    form.timeBase()->setText(c.timeBase);
    form.shots()->setText(c.shots);
    form.points()->setCurrentText(c.points);
    form.headerLength()->setText(c.header);
    form.fileType(LoadParametersDialog::kOneColumn)->setChecked(true);
    form.doNotShow()->setChecked(true);
    form.accept();
    const bool accepted = std::string(c.complaint).empty();
    EXPECT_EQ(form.result() == QDialog::Accepted, accepted) << c.timeBase << " " << c.shots;
    if (!accepted) {
      ASSERT_EQ(complaints.size(), 1u);
      EXPECT_EQ(complaints[0], c.complaint);
      EXPECT_EQ(model.timeBase, 0.007);
      EXPECT_FALSE(model.doNotShow);
      continue;
    }
    EXPECT_EQ(model.timeBase, QString(c.timeBase).toDouble());
    EXPECT_EQ(model.shots, QString(c.shots).toInt());
    EXPECT_EQ(model.points, c.points);
    EXPECT_EQ(model.headerBytes, QString(c.header).toInt());
    EXPECT_EQ(model.fileType, LoadParametersDialog::kOneColumn);
    EXPECT_TRUE(model.doNotShow);
    // What the document then decides from the accepted form.
    auto outcome = model.Accept('2', 2);
    EXPECT_EQ(outcome.letter, '3');
    EXPECT_EQ(outcome.points, std::string(c.points) == "all" ? LoadParametersDialog::kAllPoints
                                                             : 30000);
  }
}

TEST_F(DialogFormsTest, SaveAsciiOffersTheTwoLayoutsAndKeepsTheChoice) {
  SaveAsciiDialog model(1);
  SaveAsciiForm form(model);
  EXPECT_EQ(form.windowTitle(), "Save ASCII information");
  EXPECT_EQ(form.choice(0)->text(), "Save the graph shown on the screen");
  EXPECT_EQ(form.choice(1)->text(), "Save the entire data file in ASCII");
  EXPECT_TRUE(form.choice(1)->isChecked());
  form.choice(0)->setChecked(true);
  form.accept();
  EXPECT_EQ(model.choice, SaveAsciiDialog::kScreen);
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(DialogFormsTest, FieldFormsStoreNothingUntilEveryFieldPasses) {
  GraphDimensionsDialog model(10.0, 15.0);
  FieldForm form(QString::fromStdString(model.Title()), nullptr);
  QLineEdit* height = form.AddReal(GraphDimensionsDialog::kHeightLabel, model.heightCm, 0.1, 200);
  QLineEdit* width = form.AddReal(GraphDimensionsDialog::kWidthLabel, model.widthCm, 0.1, 200);
  form.AddButtons();
  Watch(form);
  EXPECT_EQ(height->text(), "10");
  height->setText("12.5");
  width->setText("0");
  form.accept();
  ASSERT_EQ(complaints.size(), 1u);
  EXPECT_EQ(complaints[0], "Please enter a number between 0.1 and 200.");
  EXPECT_EQ(model.heightCm, 10.0) << "the good field waits for the bad one";
  width->setText("20");
  form.accept();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(model.heightCm, 12.5);
  EXPECT_EQ(model.widthCm, 20.0);
}

TEST_F(DialogFormsTest, TraceChoiceReturnsTheSelectedSpectrum) {
  TraceChoiceDialog model({"/data/a.roziro", "/data/b.roziro"});
  TraceChoiceForm form(model);
  EXPECT_EQ(form.windowTitle(), "Select a trace");
  ASSERT_EQ(form.list()->count(), 2);
  form.list()->setCurrentRow(1);
  form.accept();
  EXPECT_TRUE(model.HasChoice());
  EXPECT_EQ(model.selected, 1);
}

}  // namespace
}  // namespace ionvue
