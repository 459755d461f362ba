#pragma once
// A mouse machine over the fake view, with helpers that place points by m/z
// while the full range is shown (10 twips per m/z, plot from x 1000).

#include <string>
#include <vector>

#include "platform/scripted_host.h"
#include "tests/support/test_support.h"
#include "tests/view/mouse_fake_view.h"
#include "viewer/view/mouse_modes.h"

namespace ionvue::testing {

class MouseTest : public TempDirTest {
 protected:
  static int32_t X(double mz) { return 1000 + static_cast<int32_t>((mz - 1000) * 10); }
  static Point At(double mz) { return Point{X(mz), -3000}; }

  std::vector<std::string> Wavs() const { return Texts(HostEvent::Kind::Wav); }
  std::vector<std::string> Dialogs() const { return Texts(HostEvent::Kind::Dialog); }
  std::vector<BeepKind> Beeps() const {
    std::vector<BeepKind> out;
    for (const HostEvent& e : host.events())
      if (e.kind == HostEvent::Kind::Beep) out.push_back(e.beep);
    return out;
  }
  std::string Prompt() const { return host.status(0); }
  MouseCursor ShownCursor() const {
    return view.cursors.empty() ? MouseCursor::Arrow : view.cursors.back();
  }
  // Zooms to [a, b] from the full range with two clicks.
  void Zoom(double a, double b) {
    mouse.LeftPress(At(a));
    mouse.LeftRelease(At(a));
    mouse.LeftPress(At(b));
    mouse.LeftRelease(At(b));
  }

  ScriptedHost host;
  FakeMouseView view{host};
  CMouseModes mouse{host, view};

 private:
  std::vector<std::string> Texts(HostEvent::Kind kind) const {
    std::vector<std::string> out;
    for (const HostEvent& e : host.events())
      if (e.kind == kind) out.push_back(e.text);
    return out;
  }
};

}  // namespace ionvue::testing
