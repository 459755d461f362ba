#include "viewer/app/render_command.h"

#include <QImage>
#include <QPainter>

#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "viewer/app/page_output.h"
#include "viewer/app/painter_canvas.h"
#include "viewer/core/document.h"
#include "viewer/view/ionvue_view.h"
#include "viewer/view/view_context.h"

namespace ionvue {

namespace {

void Report(const ScriptedHost& host, std::ostream& err) {
  for (const std::string& message : host.Messages()) err << message << "\n";
}

}  // namespace

int RunRender(const std::string& out, const std::string& file, const DocumentServices& services,
              std::ostream& err) {
  if (PageFormatFor(out) == PageFormat::Unknown) {
    err << "The output file must end in .png, .svg or .pdf: " << out << "\n";
    return 2;
  }
  Settings().SetReadOnly(true);
  ScriptedHost host;
  // Answers that keep the file's own reading, as --info gives them.
  host.fallback_yes_no = Answer::No;
  host.fallback_ok_cancel = Answer::Cancel;
  host.fallback_dialog_accepts = true;

  CIonvueDoc doc(host, services);
  doc.m_bSkipOptionalDialogs = true;
  doc.OnNewDocument();
  if (doc.OnOpenDocument(file) == 0 || !doc.IsLoaded()) {
    Report(host, err);
    if (host.Messages().empty()) err << "The file could not be loaded: " << file << "\n";
    return 1;
  }
  ViewContext context;
  context.showInformation = Settings().GetInt("Graph", "ShowLabel", 1) != 0;
  context.showHash = Settings().GetInt("Graph", "ShowHash", 0) != 0;
  CIonvueView view(doc, context);
  view.OnInitialUpdate();
  // As on the desktop, the page is printed from a window that has shown
  // the spectrum: the screen pass places the peak labels the paper reuses.
  {
    QImage screen(1344, 1056, QImage::Format_RGB32);
    screen.fill(Qt::white);
    QPainter painter(&screen);
    PainterCanvas canvas(painter, Canvas::Target::Screen, 96, 96);
    view.OnDraw(canvas);
  }
  std::string error;
  if (!WritePage(out, [&](Canvas& canvas) { view.OnDraw(canvas); }, error)) {
    err << error << "\n";
    return 1;
  }
  Report(host, err);  // a scale problem still leaves a page
  return 0;
}

}  // namespace ionvue
