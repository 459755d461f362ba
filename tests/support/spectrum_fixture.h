#pragma once
// A fresh spectrum for each test, made once the test's settings folder
// exists (a spectrum reads its defaults when made and writes them when gone).

#include <memory>

#include "tests/support/test_support.h"
#include "viewer/core/spectrum.h"

namespace ionvue::testing {

class SpectrumTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    spectrum_ = std::make_unique<CSpectrum>();
  }
  void TearDown() override {
    spectrum_.reset();
    TempDirTest::TearDown();
  }
  CSpectrum& spectrum() { return *spectrum_; }

  std::unique_ptr<CSpectrum> spectrum_;
};

}  // namespace ionvue::testing
