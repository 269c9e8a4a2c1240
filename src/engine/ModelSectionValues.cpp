#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/DesignConstants.h"
#include "engine/Vek.h"

namespace vek {

namespace {

constexpr double kPi = std::numbers::pi;

double Sq(double x) {
  return x * x;
}
double Cube(double x) {
  return x * x * x;
}

}  // namespace

// Slotted hole, geometry and section values of the cold-formed profile.
void TVek::AddModelProfileValues() {
  TKeyTable<double>& m = FModelDB;

  const double lSlot = 2 * GetL_l() + (FZLineStandard ? m["l_t"] : m["L_t"]);
  m.Add("l_slot", lSlot);
  m.Add("l_over", lSlot / 2 + kSlotAllowance + FDelta_B);

  const double h = m["h"];
  const double b = m["b"];
  const double b_2 = m["b_2"];
  const double t = m["t"];
  const double r_ = m["r_"];

  const double b_1 = 2 * t + b - 2 * b_2;
  m.Add("b_1", b_1);
  const double a = b_2 - (t + r_);
  m.Add("a", a);
  const double h_pt2 = h - 2 * (t + r_);
  m.Add("h_pt2", h_pt2);
  const double b_pt2 = b_1 - 2 * (t + r_);
  m.Add("b_pt2", b_pt2);
  const double A_0 = t * (r_ + t / 2) * kPi / 2;
  m.Add("A_0", A_0);
  const double A = 4 * A_0 + t * b_pt2 + 2 * t * (h_pt2 + a);
  m.Add("A", A);
  const double r_pt2 = r_ + t / 2;
  m.Add("r_pt2", r_pt2);
  const double BB = b_1 - t;
  m.Add("BB", BB);
  const double e_pt2 = (Cube(t + r_) - Cube(r_)) / (3 * A_0);
  m.Add("e_pt2", e_pt2);
  const double I_0 = kPi * (Sq(Sq(t + r_)) - Sq(Sq(r_))) / 16 - A_0 * Sq(e_pt2);
  m.Add("I_0", I_0);
  m.Add("I_z", h_pt2 * Cube(t) / 6 +
                   2 * A_0 * (Sq(e_pt2 + b_pt2 / 2) + Sq(2 * r_pt2 + b_pt2 / 2 - e_pt2)) + 4 * I_0 +
                   t * h_pt2 * Sq(BB) / 2 + t * Cube(b_pt2) / 12 +
                   2 * t * a * (Sq(2 * r_pt2 + (b_pt2 + a) / 2) + Sq(a) / 12));
  const double H = h - t;
  m.Add("H", H);
  const double z_s = H * (2 * A_0 + t * (h_pt2 + b_pt2)) / A;
  m.Add("z_s", z_s);
  m.Add("I_y", (b_pt2 + 2 * a) * Cube(t) / 12 +
                   2 * A_0 * (Sq(e_pt2 + r_pt2 + h_pt2) + Sq(r_pt2 - e_pt2)) + 4 * I_0 +
                   t * h_pt2 * (Sq(H) / 2 + Sq(h_pt2) / 6) + t * b_pt2 * Sq(H) - A * Sq(z_s));

  const double f_min = m["i"] + m["c_nom_e"] + m["c_nom_i"];
  m.Add("f_min", f_min);
  m.Add("t_e", m["o"] + f_min - m["c_nom_e"]);
}

// Plastic resistances of the profile and buckling of the adjusting screw.
void TVek::AddModelResistances() {
  TKeyTable<double>& m = FModelDB;
  const double h = m["h"];
  const double b_1 = m["b_1"];
  const double b_2 = m["b_2"];
  const double t = m["t"];
  const double r_ = m["r_"];
  const double a = m["a"];
  const double h_pt2 = m["h_pt2"];
  const double b_pt2 = m["b_pt2"];
  const double r_pt2 = m["r_pt2"];
  const double BB = m["BB"];
  const double e_pt2 = m["e_pt2"];
  const double d_J = m["d_J"];

  m.Add("N_pld", FValueDB["f_ysd"] * m["A"] / 1000);

  const double M_plzk = t *
                        (BB * (h_pt2 + kPi * r_pt2) + (d_J + b_pt2) * (b_pt2 - d_J) / 4 +
                         a * (4 * r_pt2 + b_pt2 + a)) *
                        Ff_ysk / 1000000;
  m.Add("M_plzk", M_plzk);
  m.Add("M_plzd", M_plzk / kGammaM);
  const double h_ = (b_1 - 2 * (t + r_) - d_J) / 4 + (h - 2 * (t + r_) - (b_2 - (t + r_))) / 2;
  m.Add("h_", h_);
  const double h__ = h - 2 * (t + r_) - h_;
  m.Add("h__", h__);
  const double M_plyk = t *
                        (kPi * r_pt2 * (h_pt2 + 2 * e_pt2) + Sq(h__) +
                         (b_pt2 - d_J) * (r_pt2 + h__) + 2 * a * (r_pt2 + h_) + Sq(h_)) *
                        Ff_ysk / 1000000;
  m.Add("M_plyk", M_plyk);
  m.Add("M_plyd", M_plyk / kGammaM);
  const double V_plzk = 2 * t * (r_pt2 + h_pt2) * (Ff_ysk / std::sqrt(3.0)) / 1000;
  m.Add("V_plzk", V_plzk);
  const double V_plyk = t * (r_pt2 + b_pt2 - d_J) * (Ff_ysk / std::sqrt(3.0)) / 1000;
  m.Add("V_plyk", V_plyk);
  m.Add("V_plzd", V_plzk / kGammaM);
  m.Add("V_plyd", V_plyk / kGammaM);
  m.Add("z_0", t / 2 + r_ + h_);

  const double ue = m["length_bolt"] - h / 2;
  m.Add("ue", ue);
  const double L_cr = 2 * ue;
  m.Add("L_cr", L_cr);
  // Radius of gyration of the solid circle of the screw's stress area, d/4 = sqrt(A/(4 pi)).
  const double i_radius = std::sqrt(m["A_Sp=S"] / (4 * kPi));
  m.Add("i_radius", i_radius);
  const double lambda = (L_cr / i_radius) / (kPi * std::sqrt(kE / Fredf_ybk));
  m.Add("lambda__K", lambda);
  const double PHI = 0.5 * (1 + m["alpha"] * (lambda - 0.2) + Sq(lambda));
  m.Add("PHI", PHI);
  const double chi = 1 / (PHI + std::sqrt(Sq(PHI) - Sq(lambda)));
  m.Add("chi", std::isnan(chi) ? 1.0 : std::min(1.0, chi));
}

// Front bearing plate and the X-washer of the rear bearing.
void TVek::AddModelBearingValues() {
  TKeyTable<double>& m = FModelDB;
  const double _c = m["_c"];
  m.Add("A_c0", _c * _c);
  const double r_1 = FL_l_thrustBearingToFontEdge - _c / 2;
  m.Add("r_1", r_1);
  m.Add("A_c1", Sq(_c + 2 * r_1));

  const double t_t = m["t_t"];
  const double c_t = m["c_t"];
  const double l_t = m["l_t"];
  const double d_l = m["d_l"];
  const double s_t = m["s_t-t_t"] + t_t;
  m.Add("s_t", s_t);
  const double e_1x = l_t / 2;
  m.Add("e_1x", e_1x);
  m.Add("e_1x/d_l", e_1x / d_l);
  const double e_2x = c_t / 2;
  m.Add("e_2x", e_2x);
  m.Add("e_2x/d_l", e_2x / d_l);
  const double e_1y = c_t / 2;
  m.Add("e_1y", e_1y);
  m.Add("e_1y/d_l", e_1y / d_l);
  const double e_2y = l_t / 2;
  m.Add("e_2y", e_2y);
  m.Add("e_2y/d_l", e_2y / d_l);
  m.Add("W_ZU", ((s_t - t_t) / (8 * c_t)) * ((c_t - d_l) * Sq(c_t + d_l) + Cube(c_t - d_l) / 3));
  const double alpha_2 = m["serratedWasher_L_t"] / 2 - 3 * m["n_t"] / 2;
  m.Add("alpha_2", alpha_2);
  m.Add("alpha_1", alpha_2 - l_t / 2);
}

}  // namespace vek
