#pragma once
// What the view needs of a digest overlay: the incremental enumeration of
// predicted masses near the displayed range. The overlays themselves (files,
// clipboard templates) are built above the view.

namespace ionvue {

class DigestSource {
 public:
  virtual ~DigestSource() = default;
  virtual int IsPlainList() const = 0;
  // Fragments of a cleavage table: the missed-cleavage levels of the slider.
  virtual int FragmentCount() const = 0;
  virtual void ResetEnumeration() = 0;
  // The next mass within halfWidth of centre, or 0.0 when there is none. A
  // mass template leaves the four outputs untouched.
  virtual double NextMatch(double centre, double halfWidth, int& firstResidue, int& lastResidue,
                           int& firstFragment, int& fragmentsInRun) = 0;
};

}  // namespace ionvue
