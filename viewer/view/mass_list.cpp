#include "viewer/view/mass_list.h"

#include <cmath>

namespace ionvue {

bool CMassList::Add(const MassListEntry& entry) {
  if (size() >= kCapacity || FindNear(entry.mass, 0.6) >= 0) return false;
  m_entries.push_back(entry);
  return true;
}

int CMassList::FindNear(double mass, double tolerance) const {
  for (int i = 0; i < size(); ++i)
    if (std::fabs(m_entries[i].mass - mass) <= tolerance) return i;
  return -1;
}

void CMassList::RemoveAt(int index) {
  if (index >= 0 && index < size()) m_entries.erase(m_entries.begin() + index);
}

}  // namespace ionvue
