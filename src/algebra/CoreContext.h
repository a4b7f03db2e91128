#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "algebra/PolynomT.h"
#include "algebra/RationalT.h"
#include "algebra/ZeroSet.h"

using BinomialTable =
    std::array<std::array<std::int64_t, PolynomT::kMaxGrad + 1>, PolynomT::kMaxGrad + 1>;

// What the algebra, the analysis and the term parser use of the main window: its state objects
// (the real ones, not copies), the report button's visibility, message boxes and the cooperative
// yield. The window provides it; on its own (in tests) it records what it would have shown.
class CoreContext {
 public:
  CoreContext();
  virtual ~CoreContext();
  CoreContext(const CoreContext&) = delete;
  CoreContext& operator=(const CoreContext&) = delete;

  // The one registered context; creates a plain one when none is registered yet.
  static CoreContext& Instanz();
  // Makes this the context that Instanz() returns, until it is destroyed or another registers.
  void Registrieren();

  std::int32_t Stellenzahl = 1;
  std::string Report;
  std::array<PolynomT, PolynomT::kMaxGrad + 1> Poly;
  BinomialTable BinKoeff{};
  std::int32_t wzaehler = 0;
  RationalT RRR;
  std::array<RationalT, 3> RR;
  RationalT Pg;
  RationalT Ph;
  ZeroSet KPMenge;
  bool NeueFunktion = true;
  bool GrafikHalten = false;
  double xmin = -1;
  double xmax = 1;
  double ymin = -1;
  double ymax = 1;

  // Fills BinKoeff, each entry the sum of the two above it.
  void FuelleBinKoeff();

  virtual void MsgBox(const std::string& text);
  virtual void SetKuerzReportBVisible(bool visible);
  virtual bool KuerzReportBVisible() const;
  // One turn of the event loop for long loops. The program's yield delivers no events, so no
  // evaluation run can ever start inside another.
  virtual void Yield() {}

  // What the plain context recorded instead of showing it.
  std::vector<std::string> messages;

 private:
  bool kuerzReportBVisible_ = false;
};
