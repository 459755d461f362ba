#pragma once
// A digest overlay: the fragments a protein's sequence predicts for one
// cleavage reagent (a cleavage table), or a plain list of masses (a mass
// template). The view enumerates the masses near its displayed range and
// marks each with a cross.

#include <cstdint>
#include <string>
#include <vector>

#include "viewer/core/digest_source.h"

namespace ionvue {

class DigestOverlay : public DigestSource {
 public:
  // The text formats have no limit; beyond this many fragments or masses the
  // rest of a file or text is left out (with a message from the reader).
  static constexpr int kMaxEntries = 100000;

  // Junction masses of the cleavage chemistries, selected by the first
  // letter of a cleavage file.
  static constexpr double kJunctionE = -18.0;
  static constexpr double kJunctionC = 31.2;
  static constexpr double kJunctionI = -32.0;

  struct Fragment {
    int32_t firstResidue = 0;
    int32_t lastResidue = 0;
    double mass = 0.0;
  };

  // The input folder starts from Defaults/CleavixInputDirectory.
  DigestOverlay();

  int IsPlainList() const override { return m_bPlainList; }
  int FragmentCount() const override { return static_cast<int>(m_dFragmentMass.size()); }
  void ResetEnumeration() override;
  double NextMatch(double centre, double halfWidth, int& firstResidue, int& lastResidue,
                   int& firstFragment, int& fragmentsInRun) override;

  // Fill the overlay; both mark it loaded and restart the enumeration.
  void SetCleavageTable(double junctionMass, const std::vector<Fragment>& fragments);
  void SetPlainMasses(std::vector<double> masses);

  int IsLoaded() const { return m_bLoaded; }
  const std::vector<double>& PlainMasses() const { return m_dMasses; }
  double JunctionMass() const { return m_dJunction; }
  Fragment FragmentAt(int index) const;

  int m_nOverlay = 0;  // 1 for overlay 1, 0 for overlay 2; informative only
  std::string m_strPath;
  std::string m_strInputDir;

 private:
  double NextTemplateMass(double centre, double halfWidth);
  double NextRun(double centre, double halfWidth, int& firstResidue, int& lastResidue,
                 int& firstFragment, int& fragmentsInRun);

  int m_bLoaded = 0;
  int m_bPlainList = 0;
  std::vector<double> m_dMasses;
  double m_dJunction = 0.0;
  std::vector<int32_t> m_nFirstResidue;
  std::vector<int32_t> m_nLastResidue;
  std::vector<double> m_dFragmentMass;
  // Every fragment after the first adds more than nothing to a run, so a
  // run past the window cannot come back into it by growing.
  bool m_bRunsGrow = false;

  // The run returned last: fragments first..last and its mass.
  int m_nRunFirst = 0;
  int m_nRunLast = -1;
  double m_dRunMass = 0.0;
  size_t m_nNextMass = 0;  // mass template: the next mass to look at
};

}  // namespace ionvue
