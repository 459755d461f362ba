#pragma once
// The view's list of labelled peaks, read by the mass list window, the
// clipboard copies, the exports and the search submissions.

#include <vector>

namespace ionvue {

struct MassListEntry {
  double mass = 0;
  double intensity = 0;
  char type = 'C';
  double sn = -1;  // -1 when unknown
};

class CMassList {
 public:
  static constexpr int kCapacity = 1000;

  // Refused when the list is full or an entry lies within 0.6 of the mass.
  bool Add(const MassListEntry& entry);
  // Index of the first entry within `tolerance` of the mass, or -1.
  int FindNear(double mass, double tolerance) const;
  void RemoveAt(int index);
  void Clear() { m_entries.clear(); }
  int size() const { return static_cast<int>(m_entries.size()); }
  bool empty() const { return m_entries.empty(); }
  const MassListEntry& operator[](int index) const { return m_entries[index]; }
  const std::vector<MassListEntry>& entries() const { return m_entries; }

 private:
  std::vector<MassListEntry> m_entries;
};

}  // namespace ionvue
