#include "viewer/app/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "platform/settings.h"
#include "tests/app/viewer_fixture.h"
#include "viewer/app/command_actions.h"
#include "viewer/app/viewer_session.h"
#include "viewer/core/command_ids.h"
#include "viewer/core/document.h"
#include "viewer/view/ionvue_view.h"
#include "viewer/view/mouse_modes.h"
#include "viewer/services/recent_files.h"

namespace ionvue {
namespace {

class MainWindowTest : public testing::ViewerTest {
 protected:
  SpectrumWindow* Open(const std::string& path) {
    window->OpenDocument(path);
    Settle();
    auto windows = window->SpectrumWindows();
    return windows.empty() ? nullptr : windows.back();
  }
  QString Pane(int index) const { return window->pane(index)->text(); }
  // The pixel of the page that shows a point of the plot.
  static QPoint PixelOf(SpectrumWindow& w, Point at) { return w.page().ToPixels(at).toPoint(); }
  static QPoint PlotPixel(SpectrumWindow& w, double mz) {
    const PlotRect r = w.view().state().rect;
    return PixelOf(w, Point{w.view().MassToX(mz), (r.top + r.bottom) / 2});
  }
};

TEST_F(MainWindowTest, AnOpenedFileGetsAWindowAndTheFullMenu) {
  EXPECT_EQ(window->shownMenu(), kShortMenu);
  const std::string path = WriteSpectrum("run.dat");
  SpectrumWindow* spectrum = Open(path);
  ASSERT_NE(spectrum, nullptr);
  EXPECT_TRUE(spectrum->document().IsLoaded());
  EXPECT_EQ(spectrum->windowTitle().toStdString(), path);
  EXPECT_EQ(window->shownMenu(), kFullMenu);
  EXPECT_EQ(session->state.DocumentCount(), 1);
  ASSERT_EQ(session->state.m_recentFiles.Count(), 1);
  EXPECT_EQ(session->state.m_recentFiles.At(0), path);
  EXPECT_EQ(Pane(0), "Zoom LMB, Replay RMB");
  EXPECT_TRUE(boxes->texts.empty());

  window->CloseAllDocuments();
  EXPECT_TRUE(window->SpectrumWindows().empty());
  EXPECT_EQ(session->state.DocumentCount(), 0);
  EXPECT_EQ(window->shownMenu(), kShortMenu);
}

TEST_F(MainWindowTest, AMissingFileOpensNoWindowAndSaysWhy) {
  window->OpenDocument(PathOf("nowhere.roziro"));
  EXPECT_TRUE(window->SpectrumWindows().empty());
  ASSERT_EQ(boxes->texts.size(), 1u);
  EXPECT_TRUE(boxes->texts[0].contains("could not be located")) << boxes->texts[0].toStdString();
  EXPECT_EQ(session->state.m_recentFiles.Count(), 0);
}

TEST_F(MainWindowTest, CommandStatesFollowTheOpenSpectra) {
  auto state = [&](int id) { return window->actions().StateOf(id); };
  EXPECT_TRUE(state(cmd::kFileOpen).enabled);
  EXPECT_FALSE(state(cmd::kFileSaveAs).enabled);
  Open(WriteSpectrum("one.dat"));
  EXPECT_TRUE(state(cmd::kFileSaveAs).enabled);
  EXPECT_TRUE(state(cmd::kDisplayFullSpectrum).enabled);
  EXPECT_FALSE(state(cmd::kLockViews).enabled);
  EXPECT_FALSE(state(cmd::kNextSpectrum).enabled);
  EXPECT_FALSE(state(cmd::kTallyx).enabled);
  EXPECT_FALSE(state(cmd::kZoomOut).enabled) << "no expansion yet";
  Open(WriteSpectrum("two.dat"));
  EXPECT_TRUE(state(cmd::kLockViews).enabled);
  EXPECT_TRUE(state(cmd::kNextSpectrum).enabled);
  EXPECT_TRUE(state(cmd::kAddTrace).enabled);

  // Toggling through the actions reaches the views' switches.
  window->actions().Execute(cmd::kLockViews);
  EXPECT_TRUE(session->state.viewContext().viewsLocked);
  window->CloseAllDocuments();
  Open(WriteSpectrum("three.dat"));
  EXPECT_FALSE(session->state.viewContext().viewsLocked) << "one spectrum cannot stay locked";
  EXPECT_FALSE(state(cmd::kLockViews).checked);
}

TEST_F(MainWindowTest, AClickDragReleaseZoomsAndARightClickReplays) {
  SpectrumWindow* spectrum = Open(WriteSpectrum("zoom.dat"));
  ASSERT_NE(spectrum, nullptr);
  CIonvueView& view = spectrum->view();
  const double low = view.DisplayedLow(), high = view.DisplayedHigh();
  const double a = low + (high - low) * 0.25, b = low + (high - low) * 0.5;
  QWidget* page = spectrum->page().viewport();

  QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, PlotPixel(*spectrum, a));
  EXPECT_EQ(Pane(0), "Select second point LMB, Cancel RMB");
  QTest::mouseMove(page, PlotPixel(*spectrum, (a + b) / 2));
  QMouseEvent move(QEvent::MouseMove, PlotPixel(*spectrum, b), page->mapToGlobal(PlotPixel(*spectrum, b)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(page, &move);
  EXPECT_FALSE(spectrum->page().markers().empty()) << "the selection shows its marks";
  QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, PlotPixel(*spectrum, b));
  Settle();

  EXPECT_EQ(view.state().zoom.Depth(), 1);
  const double pixel = (high - low) / (view.state().rect.Width() * spectrum->page().DpiX() / 1440);
  EXPECT_NEAR(view.DisplayedLow(), a, 2 * pixel);
  EXPECT_NEAR(view.DisplayedHigh(), b, 2 * pixel);
  EXPECT_EQ(Pane(0), "Zoom LMB, Replay RMB");
  EXPECT_TRUE(spectrum->page().markers().empty()) << "the redraw takes the marks away";

  QTest::mousePress(page, Qt::RightButton, Qt::NoModifier,
                    PlotPixel(*spectrum, (view.DisplayedLow() + view.DisplayedHigh()) / 2));
  Settle();
  EXPECT_EQ(view.state().zoom.Depth(), 0);
  EXPECT_DOUBLE_EQ(view.DisplayedLow(), low);
  EXPECT_DOUBLE_EQ(view.DisplayedHigh(), high);
}

TEST_F(MainWindowTest, TheRangeBarsLowHandleDragsTheLowEnd) {
  SpectrumWindow* spectrum = Open(WriteSpectrum("bar.dat"));
  ASSERT_NE(spectrum, nullptr);
  CIonvueView& view = spectrum->view();
  const double low = view.DisplayedLow(), high = view.DisplayedHigh();
  const int32_t h = view.state().axisHeight;
  QWidget* page = spectrum->page().viewport();
  const Point handle{view.RangeBarX(low), -100 - h / 4};
  const double target = low + (high - low) * 0.4;
  const Point to{view.RangeBarX(target), -100 - h / 4};

  QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, PixelOf(*spectrum, handle));
  ASSERT_TRUE(spectrum->mouse().RangeBarDragging());
  QMouseEvent move(QEvent::MouseMove, PixelOf(*spectrum, to), page->mapToGlobal(PixelOf(*spectrum, to)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(page, &move);
  const QStringList ends = Pane(0).split(" - ");
  ASSERT_EQ(ends.size(), 2) << Pane(0).toStdString();
  EXPECT_NEAR(ends[0].toDouble(), target, (high - low) / 100);
  EXPECT_EQ(ends[1], QString::number(high, 'f', 0));
  EXPECT_NEAR(view.DisplayedLow(), target, (high - low) / 100) << "the plot shows the pending range";
  QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, PixelOf(*spectrum, to));
  Settle();
  EXPECT_FALSE(spectrum->mouse().RangeBarDragging());
  EXPECT_EQ(view.state().zoom.Depth(), 1);
  EXPECT_NEAR(view.DisplayedLow(), target, (high - low) / 100);
  EXPECT_DOUBLE_EQ(view.DisplayedHigh(), high);
}

TEST_F(MainWindowTest, ThePointersMzShowsInTheLastPane) {
  SpectrumWindow* spectrum = Open(WriteSpectrum("pointer.dat"));
  ASSERT_NE(spectrum, nullptr);
  CIonvueView& view = spectrum->view();
  const double mz = (view.DisplayedLow() + view.DisplayedHigh()) / 2;
  QWidget* page = spectrum->page().viewport();
  const QPoint inside = PlotPixel(*spectrum, mz);
  QTest::mouseMove(page, inside);
  const Point at = spectrum->page().ToTwips(inside);
  const double shown = view.XToMass(at.x) - view.state().adductMass;
  EXPECT_EQ(Pane(3), QString::asprintf("%.1lf", shown));
  QTest::mouseMove(page, QPoint(2, 2));
  EXPECT_EQ(Pane(3), " ");
}

TEST_F(MainWindowTest, PeakFieldsSaveAcceptedValuesAndRevertOnLeaving) {
  QLineEdit* centroid = window->entry(0);
  QLineEdit* ston = window->entry(1);
  EXPECT_EQ(centroid->text(), "5");
  EXPECT_EQ(ston->text(), "4.0");
  EXPECT_EQ(window->entry(2)->text(), "6000");
  centroid->setFocus();
  QTest::keyClick(centroid, Qt::Key_Backspace);
  QTest::keyClicks(centroid, "0");
  EXPECT_EQ(Settings().GetInt("Centroid", "centroid_width", -1), -1) << "0 saves nothing";
  QFocusEvent out(QEvent::FocusOut);
  QApplication::sendEvent(centroid, &out);
  EXPECT_EQ(centroid->text(), "5");
  centroid->selectAll();
  QTest::keyClicks(centroid, "7");
  EXPECT_EQ(Settings().GetInt("Centroid", "centroid_width", -1), 7);
  ston->selectAll();
  QTest::keyClicks(ston, "0.5");
  QApplication::sendEvent(ston, &out);
  EXPECT_EQ(ston->text(), "4.0");
}

TEST_F(MainWindowTest, ClosingTheFrameKeepsItsPlacementAndRecentFiles) {
  const std::string path = WriteSpectrum("kept.dat");
  Open(path);
  window->setGeometry(40, 50, 900, 700);
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(boxes->texts.empty()) << "a spectrum shown as loaded is not offered for saving";
  EXPECT_EQ(Settings().GetInt("General", "WindowWidth", 0), 900);
  EXPECT_EQ(Settings().GetInt("General", "WindowHeight", 0), 700);
  EXPECT_EQ(Settings().GetInt("General", "WindowLeft", 0), 40);
  RecentFileList recent;
  recent.Load();
  ASSERT_GE(recent.Count(), 1);
  EXPECT_EQ(recent.At(0), path);

  window->showMaximized();
  window->close();
  EXPECT_EQ(Settings().GetInt("General", "WindowWidth", 0), 900) << "a maximised frame keeps the saved size";
}

TEST_F(MainWindowTest, DroppedFilesOpenAsByFileOpen) {
  const std::string path = WriteSpectrum("dropped.dat");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
  EXPECT_TRUE(window->OpenDroppedFiles(data));
  EXPECT_TRUE(window->SpectrumWindows().empty()) << "opened once the drop is over";
  QApplication::processEvents();
  ASSERT_EQ(window->SpectrumWindows().size(), 1u);
  EXPECT_EQ(window->SpectrumWindows()[0]->document().m_strTitle, path);
}

}  // namespace
}  // namespace ionvue
