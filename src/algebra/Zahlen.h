#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "algebra/ZeroSet.h"

// The tolerances and small number texts with which the whole program decides and writes numbers.
// Always called qualified (Zahl::Runden), so that no member of the same name can capture a call.
namespace Zahl {

bool IstNull(double x);
bool SindVerschieden(double a, double b);
double Runden(double x);
void RundnfAusg(double& x);
double Gerundet(std::int32_t n, double x);
bool IstGanzzahlig(double x);
std::int64_t ggT(std::int64_t a, std::int64_t b);
std::string xhoch(std::int32_t n);
// Appends one summand of a term text in ascending powers: its sign ("+ " only after the first),
// its magnitude unless it is 1 before a power of x, the power and two blanks.
void Summand(std::string& term, bool negativ, bool eins, std::string_view betrag, std::int32_t potenz);
std::string Nulls2FakStr(double x, double k);
void ZahlFilter(std::string& s);
std::string Zahlfeldausgabe(const ZeroSet& a);
std::string Zahlfeldausgabe2(const ZeroSet& a);
void Kiki(std::int32_t n);

}  // namespace Zahl
