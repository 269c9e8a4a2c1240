#pragma once

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/KeyTable.h"
#include "engine/LoadKeys.h"
#include "engine/Proofs.h"

namespace vek::prooftest {

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A hand-made calculation context: the tables hold only the keys the proofs read, with
// values of a size-3 anchor, and forces that every proof carries. Tests change single
// entries with Set and then call Run.
class TProofFixture : public ::testing::Test {
 protected:
  TProofFixture() {
    In.F = 125;
    In.H_br = 1000;
    In.L = 600;
    In.E_ = 150;
    // Distinct strengths, so that a mixed-up strength shows.
    In.F_ysk = 530;
    In.F_yck = 450;
    In.F_usk = 600;
    In.F_uck = 650;
    In.F_uk = 550;
    In.F_ytk = 220;
    In.F_ywk = 215;
    In.Redf_ybk = 210;
    In.G_t = 0.5;
    In.ModalityAdjustable = true;
    In.ZLineStandard = true;
    In.DeltaBStr = "p";

    for (const auto& [key, value] : std::vector<std::pair<const char*, double>>{
             {"h", 54},          {"b_2", 25.5},      {"t", 4},           {"r_", 3.5},
             {"b_1", 51},        {"BB", 47},         {"z_s", 25},        {"z_0", 19.75},
             {"M_plyd", 5.36},   {"V_plzd", 99},     {"V_plyd", 22.8},   {"c_nom_i", 25},
             {"i", 50},          {"phi", 12},        {"a_w", 3},         {"l_w", 35},
             {"_a", 60},         {"d_1", 20},        {"u", 20},          {"A_Sp=S", 245},
             {"chi", 0.95},      {"s_", 4},          {"A_c0", 4225},     {"A_c1", 10000},
             {"d_l", 17},        {"c_t", 33},        {"l_t", 48},        {"h_t", 1.5},
             {"n_t", 5},         {"b_t", 3},         {"t_t", 3},         {"e_2x/d_l", 0.97},
             {"e_1x/d_l", 1.41}, {"e_2y/d_l", 1.41}, {"e_1y/d_l", 0.97}, {"S", 24},
             {"s_t-t_t", 4},     {"s_t", 7},         {"d_s", 16},        {"W_ZU", 626.7},
             {"alpha_1", 14.5},  {"alpha_2", 38.5},  {"f_min", 110},     {"h_br_min", 450},
             {"l_slot", 128},    {"t_e", 82},        {"_c", 65}}) {
      Model.Add(key, value);
    }
    for (const auto& [key, value] :
         std::vector<std::pair<const char*, double>>{{"f_ysd", 481.8},
                                                     {"f_yd", 434.8},
                                                     {"A_s", 226.2},
                                                     {"f_cd", 17},
                                                     {"d", 69},
                                                     {"E_cm", 32836.6},
                                                     {"f_cd_deck", 11.33},
                                                     {"alpha_red", 0.5}}) {
      Values.Add(key, value);
    }
    for (const auto& [key, value] : std::vector<std::pair<const char*, double>>{
             {"max|Fd|-A_z_d", 8},       {"minFd-A_z_d", 2},        {"max|Fd|-B_x_d", 3},
             {"max|Fd|-B_y_d", 1},       {"max|Fd|-B_z_d", 6},      {"max|Fd|-V_z_d_li_A", 5},
             {"max|Fd|-V_z_de_re_A", 4}, {"max|Fd|-V_y_d_A", 0.5},  {"max|Fd|-N_d_A", 3},
             {"max|Fd|-M_y_d_A", 0.8},   {"max|Fd|-M_z_d_A", 0.05}, {"max|Fd|-V_z_d_B", 6},
             {"max|Fd|-V_y_d_B", 0.5},   {"max|Fd|-N_d_B", 3},      {"max|Fd|-M_y_d_B", 0.5},
             {"max|Fd|-M_z_d_B", 0.05},  {"max|Fd|-V_z_d_C", 6},    {"max|Fd|-V_y_d_C", 0.5},
             {"max|Fd|-N_d_C", 3},       {"max|Fd|-M_y_d_C", 1.2},  {"max|Fd|-M_z_d_C", 0.05}}) {
      Forces.Add(key, value);
    }
  }

  // Runs every proof on fresh tables.
  void Run() {
    Prepare();
    RunAllProofs(Context(), Proofs, ProofValues, Summary);
  }

  // Empties the outputs and builds the envelope table from Forces.
  void Prepare() {
    Proofs.Clear();
    ProofValues.Clear();
    Summary = {};
    Env.Clear();
    for (const auto& [name, value] : Forces) {
      TFixedKey key{};
      ASSERT_TRUE(TEnvelopeTable::TryKeyOf(name, key)) << name;
      Env.Add(key, value);
    }
  }

  TProofContext Context() const { return {In, Model, Values, Env}; }

  const TVEKProof& Proof(const std::string& key) const { return Proofs[key]; }

  TProofInputs In;
  TKeyTable<double> Model;
  TKeyTable<double> Values;
  TKeyTable<double> Forces;  // envelope entries by name
  TEnvelopeTable Env;

  TVEKProofTable Proofs;
  TKeyTable<double> ProofValues;
  TStructuralSafetySummary Summary;
};

}  // namespace vek::prooftest
