#pragma once
// The mouse work of one spectrum view: a small state machine fed with the
// view's mouse and key events in logical twips. Idle mode zooms with the
// left button and replays with the right; picking modes hand their clicks
// to the view; the range bar, the slider and the two corners are dragged.

#include <cstdint>
#include <string>

#include "viewer/view/canvas.h"
#include "viewer/view/mouse_hit_zones.h"
#include "viewer/view/mouse_types.h"
#include "viewer/view/mouse_view_port.h"

namespace ionvue {

class Host;

class CMouseModes {
 public:
  // Both must outlive the machine. Nothing is asked of the view until the
  // first event.
  CMouseModes(Host& host, MouseViewPort& view);

  // --- Events -----------------------------------------------------------
  // `shift` is the Shift key as the event saw it; a Shift press reported
  // through KeyPress counts the same.
  void LeftPress(Point at, bool shift = false);
  void LeftRelease(Point at);
  void LeftDoubleClick(Point at);
  void RightPress(Point at);
  void Move(Point at, bool leftHeld);
  void KeyPress(MouseKey key);
  void KeyRelease();
  // Another window took the mouse: drags and resizes are abandoned.
  void CaptureLost();
  // The cursor the view shows now.
  MouseCursor Cursor() const;

  // --- Commands ---------------------------------------------------------
  // The label-type, Normalization, Add point and Zoom a region commands:
  // enter the mode, or leave it when it is already current. 'C', 'T' and
  // 'n' are entered only from idle mode.
  void SelectMode(MouseMode mode);
  void ToggleDeleteLabelMode();

  // --- State ------------------------------------------------------------
  MouseMode Mode() const { return m_mode; }
  bool IsMode(MouseMode mode) const { return m_mode == mode; }
  bool DeleteLabelMode() const { return m_bDeleteLabel; }
  // 'I' and 'N': the next click picks the background level.
  bool BackgroundPending() const { return m_bBackgroundPending; }
  void SetBackgroundPending(bool pending);
  bool ShiftHeld() const { return m_bShiftHeld; }
  bool RangeBarDragging() const { return m_bRangeDrag; }
  bool SliderDragging() const { return m_bSliderDrag; }
  double ZoomStart() const { return m_dZoomStart; }
  // A redraw closes with the idle prompt while this holds.
  bool ShowsIdlePrompt() const { return m_mode == MouseMode::Idle && !m_bRangeDrag; }
  // A new spectrum in the document: back to idle, any drag dropped.
  void ResetToIdle();
  // Leaves the current mode without a pick (the way a right click does);
  // the picking actions call it when they complete.
  void ReturnToIdle(bool showPrompt);

  // Both ends more than 10 samples apart.
  static bool RangeAccepted(const MouseViewPort& view, double a, double b);
  // The prompt a mode shows on entry ("" for the resize modes).
  std::string EntryPrompt(MouseMode mode) const;

 private:
  void PressAsRight(Point at, bool shiftClick);
  void PressInPlot(Point at);
  void CompleteZoom(int32_t x);
  void CompleteExpansion(int32_t x);
  void StartRangeBarDrag(int handle, Point at);
  void ContinueRangeBarDrag(int32_t x);
  void EndRangeBarDrag();
  void ContinueSliderDrag(int32_t y);
  void ReleaseResize(Point at);
  // Drops a drag or resize without applying it; true when there was one.
  bool AbandonDrags();
  void LeaveMode();
  void EnterMode(MouseMode mode, bool showPrompt = true);
  void DrawMarker(int32_t x, const Color& color);
  void ShowPointer(Point at);
  void Status(const std::string& text);
  GadgetLayout Layout() const;
  // Capture and cursor follow the state after every event.
  void Settle();
  bool WantsCapture() const;

  Host& m_host;
  MouseViewPort& m_view;

  MouseMode m_mode = MouseMode::Idle;
  double m_dZoomStart = 0, m_dZoomEnd = 0;
  int32_t m_nLastMarkerX = 0;      // the marker following the pointer, 0 when none
  int32_t m_nLastMarkerLineX = 0;  // the last marker line drawn
  bool m_bShiftHeld = false;
  bool m_bDeleteLabel = false;
  bool m_bBackgroundPending = false;

  bool m_bRangeDrag = false;
  int m_nHandle = 0;  // 0 high handle, 1 low handle, 2 whole window
  double m_dGrabMz = 0;
  MassRange m_dragBase;  // the displayed range when the drag began
  MassRange m_pending;
  bool m_bSliderDrag = false;

  bool m_bCaptured = false;
  bool m_bCaptureLostInMode = false;  // do not grab again until the mode ends
  MouseCursor m_shownCursor = MouseCursor::Arrow;
  std::string m_tooltip;
};

}  // namespace ionvue
