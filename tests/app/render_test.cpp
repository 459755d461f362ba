#include "viewer/app/render_command.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "platform/settings.h"
#include "tests/app/qt_app.h"
#include "tests/support/test_support.h"
#include "viewer/app/page_output.h"
#include "viewer/importers/standard_services.h"

namespace ionvue {
namespace {

class RenderTest : public testing::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    testing::QtApp();
    SettingsStore& s = Settings();
    s.WriteInt("Defaults", "ShowAllDialogs", 0);
    s.WriteInt("Defaults", "TOFMode", 0);
    s.WriteString("Defaults", "a0", "0.0");
    s.WriteString("Defaults", "a1", "100.0");
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 30000; ++i) {
      const double d = (i - 12000) / 6.0;
      testing::PutLE16(bytes, static_cast<uint16_t>(150 + 9000 * std::exp(-d * d)));
    }
    spectrum = WriteFile("testdata/peak.dat", bytes);
  }
  // Runs the installed program's way in, with its own environment.
  int RunProgram(const std::string& arguments, std::string& output) {
    const std::string command = std::string(IONVUE_BINARY) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return -1;
    char buffer[512];
    while (size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, got);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string spectrum;
};

// Dark pixels in a box of the page, in PNG pixels.
int DarkPixels(const QImage& image, QRect box) {
  int dark = 0;
  box &= image.rect();
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x) dark += qGray(image.pixel(x, y)) < 128;
  return dark;
}

TEST_F(RenderTest, APngPageShowsTheTraceAndItsTexts) {
  const std::string out = PathOf("page.png");
  std::ostringstream err;
  ASSERT_EQ(RunRender(out, spectrum, StandardServices(), err), 0) << err.str();
  QImage image(QString::fromStdString(out));
  ASSERT_FALSE(image.isNull());
  const QSizeF inches = PrinterPageLayout().fullRect(QPageLayout::Inch).size();
  EXPECT_EQ(image.width(), qRound(inches.width() * kPngDotsPerInch));
  // The plot starts 2.54 cm from the left; left of its ticks there are only
  // the intensity title and values: glyphs, when a font was found.
  const int plotLeft = kPngDotsPerInch;  // 1440 twips
  const int top = (1440 + 850) * kPngDotsPerInch / 1440 / 2;
  EXPECT_GT(DarkPixels(image, QRect(0, top, plotLeft - 12, 600)), 40)
      << "no glyph pixels: is a font installed?";
  // The trace: the peak at a fifth of the range climbs high above the base.
  EXPECT_GT(DarkPixels(image, QRect(plotLeft, top, 900, 600)), 300);
}

TEST_F(RenderTest, SvgAndPdfPagesAreWritten) {
  std::ostringstream err;
  ASSERT_EQ(RunRender(PathOf("page.svg"), spectrum, StandardServices(), err), 0) << err.str();
  ASSERT_EQ(RunRender(PathOf("page.pdf"), spectrum, StandardServices(), err), 0) << err.str();
  const std::string svg = ReadFile(PathOf("page.svg"));
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("Intensity"), std::string::npos) << "texts stay texts";
  EXPECT_EQ(ReadFile(PathOf("page.pdf")).rfind("%PDF", 0), 0u);
}

TEST_F(RenderTest, AFileThatDoesNotOpenWritesNothing) {
  std::ostringstream err;
  EXPECT_NE(RunRender(PathOf("page.png"), PathOf("absent.roziro"), StandardServices(), err), 0);
  EXPECT_NE(err.str().find("could not be located"), std::string::npos) << err.str();
  EXPECT_FALSE(std::filesystem::exists(PathOf("page.png")));
  std::ostringstream bad;
  EXPECT_EQ(RunRender(PathOf("page.gif"), spectrum, StandardServices(), bad), 2);
  EXPECT_NE(bad.str().find(".png, .svg or .pdf"), std::string::npos);
}

TEST_F(RenderTest, TheProgramRendersWithoutADisplayAndKeepsItsReports) {
  std::string output;
  ::unsetenv("DISPLAY");
  EXPECT_EQ(RunProgram("--render " + PathOf("cli.png") + " " + spectrum, output), 0) << output;
  EXPECT_FALSE(QImage(QString::fromStdString(PathOf("cli.png"))).isNull());
  output.clear();
  EXPECT_NE(RunProgram("--render " + PathOf("none.png") + " " + PathOf("absent.dat"), output), 0);
  EXPECT_NE(output.find("could not be located"), std::string::npos) << output;
  output.clear();
  EXPECT_EQ(RunProgram("--info " + spectrum, output), 0) << output;
  EXPECT_NE(output.find("\"loaded\":true"), std::string::npos) << output;
  output.clear();
  EXPECT_EQ(RunProgram("--bogus", output), 2);
  EXPECT_NE(output.find("--render OUT FILE"), std::string::npos) << output;
}

}  // namespace
}  // namespace ionvue
