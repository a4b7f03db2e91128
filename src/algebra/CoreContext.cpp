#include "algebra/CoreContext.h"

namespace {
CoreContext* registered = nullptr;
}

CoreContext::CoreContext() = default;

CoreContext::~CoreContext() {
  if (registered == this) registered = nullptr;
}

CoreContext& CoreContext::Instanz() {
  if (registered == nullptr) {
    static CoreContext plain;
    plain.Registrieren();
  }
  return *registered;
}

void CoreContext::Registrieren() {
  registered = this;
}

void CoreContext::FuelleBinKoeff() {
  for (int i = 0; i <= PolynomT::kMaxGrad; ++i) {
    BinKoeff[i][0] = 1;
    BinKoeff[i][i] = 1;
  }
  for (int i = 1; i <= PolynomT::kMaxGrad; ++i)
    for (int j = 1; j <= i; ++j) BinKoeff[i][j] = BinKoeff[i - 1][j - 1] + BinKoeff[i - 1][j];
}

void CoreContext::MsgBox(const std::string& text) {
  messages.push_back(text);
}

void CoreContext::SetKuerzReportBVisible(bool visible) {
  kuerzReportBVisible_ = visible;
}

bool CoreContext::KuerzReportBVisible() const {
  return kuerzReportBVisible_;
}
