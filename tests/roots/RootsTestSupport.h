#pragma once

#include <vector>

#include <gtest/gtest.h>

#include "TestPolynomials.h"
#include "algebra/CoreContext.h"
#include "algebra/ZeroSet.h"

// A fresh context per test, registered as the one the core reaches.
class RootsTest : public ::testing::Test {
 protected:
  RootsTest() { kontext.Registrieren(); }

  CoreContext kontext;
};

inline std::vector<double> Punkte(const ZeroSet& z) {
  return z.points();
}
