#pragma once

namespace vek {

// Fixed values of the design method, shared by every calculation step.

// Partial factor of the stainless steel resistances.
inline constexpr double kGammaM = 1.1;
// Partial factor of the reinforcing steel.
inline constexpr double kGammaS = 1.15;
// Partial factor of the concrete.
inline constexpr double kGammaC = 1.5;
// Long-term factor of the concrete compressive strength.
inline constexpr double kAlphaCC = 0.85;
// Modulus of elasticity of steel, N/mm².
inline constexpr double kE = 200000.0;
// Unit weight of reinforced concrete, kN/m³.
inline constexpr double kUnitWeightConcrete = 25.0;
// Thermal expansion coefficient of concrete, 1/K.
inline constexpr double kAlphaT = 1e-5;

// Allowance added to half the slotted hole to reach the rear bearing, mm.
inline constexpr double kSlotAllowance = 16.0;
// Imperfection factor of the adjusting screw (buckling curve c).
inline constexpr double kAlphaImperfection = 0.49;
// Tooth height and tooth width of the X-washer, mm.
inline constexpr double kToothHeight = 1.5;
inline constexpr double kToothWidth = 3.0;

// Concrete covers of the anchor's reinforcement, mm: stainless B500NR on both
// sides, otherwise B500B on the inner and outer side.
inline constexpr double kCoverRebarNr = 20.0;
inline constexpr double kCoverInner = 25.0;
inline constexpr double kCoverOuter = 35.0;

}  // namespace vek
