#pragma once
// A drawing pass written to a file as the printer would lay it out: PNG,
// SVG or PDF, chosen by the file's extension.

#include <QPageLayout>
#include <functional>
#include <string>

#include "viewer/view/canvas.h"

namespace ionvue {

enum class PageFormat { Png, Svg, Pdf, Unknown };
PageFormat PageFormatFor(const std::string& path);

// The printer's page: the default paper of the user's locale, in the
// orientation the settings keep (Printer/Orientation, 1 portrait).
QPageLayout PrinterPageLayout();

// Resolution of the PNG pages.
inline constexpr int kPngDotsPerInch = 150;

// Runs `draw` on a printer-target canvas whose twips start at the page's
// top-left corner and writes the page to `path`. False with `error` set
// when the file cannot be written.
bool WritePage(const std::string& path, const std::function<void(Canvas&)>& draw,
               std::string& error);

}  // namespace ionvue
