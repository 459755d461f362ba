#include "platform/qt/qt_host.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>

#include "platform/qt/file_filter.h"
#include "platform/qt/progress_popup.h"
#include "tests/app/qt_app.h"

namespace ionvue {
namespace {

TEST(QtNameFiltersTest, MenuFiltersBecomeQtFilters) {
  const QStringList open = QtNameFilters(
      "Kestrova (roziro,dcs)|*.roziro;*.dcs|TofSpec (dat)|*.-|Sciex (sci,qst)|*.*;*.qst;*.sci|"
      "All files (*.*)|*.*||");
  EXPECT_EQ(open, QStringList({"Kestrova (roziro,dcs) (*.roziro *.dcs)", "TofSpec (dat) (*.-)",
                               "Sciex (sci,qst) (* *.qst *.sci)", "All files (*.*) (*)"}));
  EXPECT_EQ(QtNameFilters("ASCII data |*.asc|All files |*.*||"),
            QStringList({"ASCII data (*.asc)", "All files (*)"}));
  EXPECT_EQ(QtNameFilters(""), QStringList({"All files (*)"}));
  EXPECT_EQ(QtNameFilters("Broken|"), QStringList({"Broken (*)"}));
}

struct StubModel : DialogModel {
  std::string Title() const override { return "Stub"; }
  int value = 0;
};

TEST(QtHostTest, StatusPanesReachTheSinkInOrder) {
  testing::QtApp();
  QtHost host;
  std::vector<std::pair<int, QString>> seen;
  host.SetStatusSink([&](int pane, const QString& text) { seen.emplace_back(pane, text); });
  host.SetStatus(0, "Zoom LMB, Replay RMB");
  host.SetStatus(3, "1234.5");
  host.SetStatus(4, "ignored");
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], std::make_pair(0, QString("Zoom LMB, Replay RMB")));
  EXPECT_EQ(host.status(3), "1234.5");
}

TEST(QtHostTest, WaitCursorNestsAndIsRemovedWithTheLastScope) {
  testing::QtApp();
  QtHost host;
  {
    WaitCursor outer(host);
    {
      WaitCursor inner(host);
      EXPECT_EQ(host.wait_depth(), 2);
    }
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  EXPECT_EQ(host.wait_depth(), 0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtHostTest, AStopRequestEndsTheNextDispatchOnce) {
  testing::QtApp();
  QtHost host;
  EXPECT_TRUE(host.DispatchPendingMessages());
  auto progress = host.OpenProgress("Autocorrelation");
  auto* popup = dynamic_cast<ProgressPopup*>(progress.get());
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->text(), "Autocorrelation");
  progress->SetPos(99);
  progress->StepIt();
  EXPECT_EQ(popup->pos(), 100);
  progress->StepIt();
  EXPECT_EQ(popup->pos(), 0);
  popup->close();  // the user's stop
  EXPECT_FALSE(host.DispatchPendingMessages());
  EXPECT_TRUE(host.DispatchPendingMessages());
}

TEST(QtHostTest, DialogsGoToTheBinder) {
  testing::QtApp();
  QtHost host;
  host.SetDialogBinder([](DialogModel& model, QWidget*) -> std::optional<bool> {
    auto* stub = dynamic_cast<StubModel*>(&model);
    if (!stub) return std::nullopt;
    stub->value = 7;
    return true;
  });
  StubModel model;
  EXPECT_TRUE(host.RunDialog(model));
  EXPECT_EQ(model.value, 7);
}

}  // namespace
}  // namespace ionvue
