#pragma once

#include <gtest/gtest.h>

#include "algebra/CoreContext.h"

// A fresh context per test, registered as the one the core reaches, with the binomial table
// filled as the window fills it when it opens.
class CoreTest : public ::testing::Test {
 protected:
  CoreTest() {
    kontext.Registrieren();
    kontext.FuelleBinKoeff();
  }

  CoreContext kontext;
};
