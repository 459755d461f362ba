#include "viewer/app/page_output.h"

#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>

#include "platform/settings.h"
#include "viewer/app/painter_canvas.h"

namespace ionvue {

namespace {

std::string LowerExtension(const std::string& path) {
  size_t slash = path.find_last_of('/');
  size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

QString Local(const std::string& path) { return QFile::decodeName(path.c_str()); }

}  // namespace

PageFormat PageFormatFor(const std::string& path) {
  const std::string ext = LowerExtension(path);
  if (ext == "png") return PageFormat::Png;
  if (ext == "svg") return PageFormat::Svg;
  if (ext == "pdf") return PageFormat::Pdf;
  return PageFormat::Unknown;
}

QPageLayout PrinterPageLayout() {
  const bool imperial = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
  const QPageSize paper(imperial ? QPageSize::Letter : QPageSize::A4);
  const bool landscape = Settings().GetInt("Printer", "Orientation", 1) == 2;
  return QPageLayout(paper, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
}

bool WritePage(const std::string& path, const std::function<void(Canvas&)>& draw,
               std::string& error) {
  const PageFormat format = PageFormatFor(path);
  const QPageLayout layout = PrinterPageLayout();
  const QSizeF inches = layout.fullRect(QPageLayout::Inch).size();
  // Written beside the target and renamed over it, so a failed run never
  // leaves half a page where an older one was.
  QSaveFile file(Local(path));
  if (format == PageFormat::Unknown) {
    error = "The output file must end in .png, .svg or .pdf: " + path;
    return false;
  }
  if (!file.open(QIODevice::WriteOnly)) {
    error = "The output file could not be created: " + path;
    return false;
  }
  bool painted = false;
  switch (format) {
    case PageFormat::Png: {
      const QSize pixels(qRound(inches.width() * kPngDotsPerInch),
                         qRound(inches.height() * kPngDotsPerInch));
      QImage image(pixels, QImage::Format_RGB32);
      image.fill(Qt::white);
      image.setDotsPerMeterX(qRound(kPngDotsPerInch / 0.0254));
      image.setDotsPerMeterY(qRound(kPngDotsPerInch / 0.0254));
      {
        QPainter painter(&image);
        PainterCanvas canvas(painter, Canvas::Target::Printer, kPngDotsPerInch, kPngDotsPerInch);
        draw(canvas);
      }
      painted = image.save(&file, "PNG");
      break;
    }
    case PageFormat::Svg: {
      constexpr int dpi = 96;
      const QSize pixels(qRound(inches.width() * dpi), qRound(inches.height() * dpi));
      QSvgGenerator svg;
      svg.setOutputDevice(&file);
      svg.setResolution(dpi);
      svg.setSize(pixels);
      svg.setViewBox(QRect(QPoint(0, 0), pixels));
      svg.setTitle("Ionvue spectrum");
      QPainter painter;
      if (painter.begin(&svg)) {
        painter.fillRect(QRect(QPoint(0, 0), pixels), Qt::white);
        PainterCanvas canvas(painter, Canvas::Target::Printer, dpi, dpi);
        draw(canvas);
        painted = painter.end();
      }
      break;
    }
    case PageFormat::Pdf: {
      QPdfWriter pdf(&file);
      pdf.setPageLayout(layout);
      pdf.setResolution(1440);  // one device unit per twip
      pdf.setCreator("Ionvue");
      QPainter painter;
      if (painter.begin(&pdf)) {
        PainterCanvas canvas(painter, Canvas::Target::Printer, 1440, 1440);
        draw(canvas);
        painted = painter.end();
      }
      break;
    }
    case PageFormat::Unknown: break;
  }
  if (!painted || !file.commit()) {
    error = "The page could not be written to " + path;
    return false;
  }
  return true;
}

}  // namespace ionvue
