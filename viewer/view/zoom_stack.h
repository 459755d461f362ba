#pragma once
// The zoom stack of a view: entry 0 is the full range, each zoom pushes a
// narrower one and replay pops it.

#include <array>

namespace ionvue {

class CZoomStack {
 public:
  static constexpr int kCapacity = 200;
  enum class Push { Pushed, Full, Empty, Same };

  // Depth 0 with entry 0 = (low, high).
  void Reset(double low, double high);
  // Entry 0 = (low, high); the width follows only at depth 0.
  void Refresh(double low, double high);
  // Clamps both ends into [fullLow, fullHigh], orders them and pushes.
  Push PushRange(double low, double high, double fullLow, double fullHigh);
  // Drops the top entry; false at depth 0.
  bool Pop();

  int Depth() const { return m_nDepth; }
  double Low() const { return m_dLow[m_nDepth]; }
  double High() const { return m_dHigh[m_nDepth]; }
  // High minus low of the top entry, kept beside the stack.
  double Width() const { return m_dWidth; }
  double LowAt(int depth) const { return m_dLow[depth]; }
  double HighAt(int depth) const { return m_dHigh[depth]; }

 private:
  std::array<double, kCapacity> m_dLow{};
  std::array<double, kCapacity> m_dHigh{};
  int m_nDepth = 0;
  double m_dWidth = 0;
};

}  // namespace ionvue
