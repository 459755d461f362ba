#include "viewer/view/zoom_stack.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ionvue {

void CZoomStack::Reset(double low, double high) {
  m_nDepth = 0;
  m_dLow[0] = low;
  m_dHigh[0] = high;
  m_dWidth = high - low;
}

void CZoomStack::Refresh(double low, double high) {
  m_dLow[0] = low;
  m_dHigh[0] = high;
  if (m_nDepth == 0) m_dWidth = high - low;
}

CZoomStack::Push CZoomStack::PushRange(double low, double high, double fullLow, double fullHigh) {
  if (std::isnan(low) || std::isnan(high)) return Push::Empty;
  if (fullLow > fullHigh) std::swap(fullLow, fullHigh);
  low = std::clamp(low, fullLow, fullHigh);
  high = std::clamp(high, fullLow, fullHigh);
  if (low > high) std::swap(low, high);
  if (m_nDepth >= kCapacity - 1) return Push::Full;
  if (low == high) return Push::Empty;
  if (low == Low() && high == High()) return Push::Same;
  ++m_nDepth;
  m_dLow[m_nDepth] = low;
  m_dHigh[m_nDepth] = high;
  m_dWidth = high - low;
  return Push::Pushed;
}

bool CZoomStack::Pop() {
  if (m_nDepth <= 0) return false;
  --m_nDepth;
  m_dWidth = High() - Low();
  return true;
}

}  // namespace ionvue
