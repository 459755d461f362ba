#include "viewer/services/digest_overlay.h"

#include <cmath>

#include "platform/settings.h"
#include "viewer/services/home_folder.h"

namespace ionvue {

namespace {
// The view reads a result at or below this as "no further mass", so no
// such mass is ever handed out as a match.
constexpr double kNoMass = 0.1;
}  // namespace

DigestOverlay::DigestOverlay() {
  m_strInputDir = Settings().GetString("Defaults", "CleavixInputDirectory", HomeFolder());
}

void DigestOverlay::ResetEnumeration() {
  m_nRunFirst = 0;
  m_nRunLast = -1;
  m_dRunMass = 0.0;
  m_nNextMass = 0;
}

void DigestOverlay::SetCleavageTable(double junctionMass, const std::vector<Fragment>& fragments) {
  m_dJunction = junctionMass;
  m_nFirstResidue.clear();
  m_nLastResidue.clear();
  m_dFragmentMass.clear();
  m_nFirstResidue.reserve(fragments.size());
  m_nLastResidue.reserve(fragments.size());
  m_dFragmentMass.reserve(fragments.size());
  m_bRunsGrow = true;
  for (size_t i = 0; i < fragments.size(); ++i) {
    m_nFirstResidue.push_back(fragments[i].firstResidue);
    m_nLastResidue.push_back(fragments[i].lastResidue);
    m_dFragmentMass.push_back(fragments[i].mass);
    if (i > 0 && !(fragments[i].mass + junctionMass > 0.0)) m_bRunsGrow = false;
  }
  m_dMasses.clear();
  m_bPlainList = 0;
  m_bLoaded = 1;
  ResetEnumeration();
}

void DigestOverlay::SetPlainMasses(std::vector<double> masses) {
  m_dMasses = std::move(masses);
  m_nFirstResidue.clear();
  m_nLastResidue.clear();
  m_dFragmentMass.clear();
  m_bPlainList = 1;
  m_bLoaded = 1;
  ResetEnumeration();
}

DigestOverlay::Fragment DigestOverlay::FragmentAt(int index) const {
  if (index < 0 || index >= FragmentCount()) return {};
  return {m_nFirstResidue[index], m_nLastResidue[index], m_dFragmentMass[index]};
}

double DigestOverlay::NextMatch(double centre, double halfWidth, int& firstResidue,
                                int& lastResidue, int& firstFragment, int& fragmentsInRun) {
  if (!m_bLoaded) return 0.0;
  if (m_bPlainList) return NextTemplateMass(centre, halfWidth);
  return NextRun(centre, halfWidth, firstResidue, lastResidue, firstFragment, fragmentsInRun);
}

double DigestOverlay::NextTemplateMass(double centre, double halfWidth) {
  while (m_nNextMass < m_dMasses.size()) {
    double mass = m_dMasses[m_nNextMass++];
    if (mass > kNoMass && std::fabs(mass - centre) <= halfWidth) return mass;
  }
  return 0.0;
}

// Runs [q, p] in the order q = 0, 1, ... and, for each q, p = q, q + 1, ...,
// continuing after the run returned last; the run's mass is carried as a
// running sum, so a whole pass costs one addition per run.
double DigestOverlay::NextRun(double centre, double halfWidth, int& firstResidue, int& lastResidue,
                              int& firstFragment, int& fragmentsInRun) {
  const int n = FragmentCount();
  const double high = centre + halfWidth;
  while (m_nRunFirst < n) {
    if (m_nRunLast + 1 < n) {
      ++m_nRunLast;
      if (m_nRunLast == m_nRunFirst)
        m_dRunMass = m_dFragmentMass[m_nRunFirst];
      else
        m_dRunMass += m_dFragmentMass[m_nRunLast] + m_dJunction;
    } else {
      ++m_nRunFirst;
      if (m_nRunFirst >= n) break;
      m_nRunLast = m_nRunFirst;
      m_dRunMass = m_dFragmentMass[m_nRunFirst];
    }
    if (m_dRunMass > kNoMass && std::fabs(m_dRunMass - centre) <= halfWidth) {
      firstResidue = m_nFirstResidue[m_nRunFirst];
      lastResidue = m_nLastResidue[m_nRunLast];
      firstFragment = m_nRunFirst + 1;
      fragmentsInRun = m_nRunLast - m_nRunFirst + 1;
      return m_dRunMass;
    }
    // Longer runs from this start only grow heavier: go on to the next start.
    if (m_bRunsGrow && m_dRunMass > high) m_nRunLast = n - 1;
  }
  return 0.0;
}

}  // namespace ionvue
