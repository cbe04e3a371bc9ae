// Stress-strain laws of the section materials: concrete (Hognestad's
// parabola with a linear descent, tension up to the modulus of rupture),
// concrete inside a steel core, reinforcing bars, prestressing strands and
// bars (PCI power formulas and elastic-perfectly plastic bars), casing, pipe
// and core steel. Compression is positive, tension negative.
//
// Working units: US customary sections in ksi, SI sections in kPa. The laws
// are written in ksi; SI values pass through ksi and back.
#pragma once

#include <array>

#include "engine/limits.h"
#include "section/slice_model.h"

namespace quarn::section {

// Concrete model selectors (`ConcreteModel`, and the core concrete's own).
inline constexpr int kConcreteModelNone = 1;      // steel pipe piles; cores without fill
inline constexpr int kConcreteModelStandard = 2;  // every other section

// Longitudinal steel selectors (`SteelModel`). 3 is reserved.
inline constexpr int kSteelModelNone = 1;   // steel pipe piles
inline constexpr int kSteelModelRebar = 2;  // reinforcing bars
inline constexpr int kSteelModelPci250 = 4;
inline constexpr int kSteelModelPci270 = 5;
inline constexpr int kSteelModelPci300 = 6;
inline constexpr int kSteelModelSmooth145 = 7;
inline constexpr int kSteelModelSmooth160 = 8;
inline constexpr int kSteelModelDeformedBars = 9;

// SteelModel of a strand type code 0..5; kSteelModelNone for any other code.
inline constexpr int steelModelForStrandType(int strandType) {
  return strandType >= 0 && strandType <= 5 ? kSteelModelPci250 + strandType : kSteelModelNone;
}

// Report text of a prestressing steel model ("PCI 250", ...); empty for others.
const char* strandTypeText(int steelModel);

// Concrete properties in working units. fr and epsCr are negative.
struct ConcreteProperties {
  double fc = 0.0;       // f'c
  double Ec = 0.0;       // modulus of elasticity
  double fr = 0.0;       // modulus of rupture (tension, negative)
  double eps0 = 0.0;     // strain at the peak stress
  double epsCr = 0.0;    // tensile strain at fracture (negative)
  double descent = 0.0;  // 0.15 f'c: the drop of stress from eps0 to 0.0038
};

// A stress-strain curve of the concrete in compression given point by point
// (strains ascending, stresses in working units); 0 points: the built-in law.
struct ConcreteCurve {
  int count = 0;
  std::array<double, kMaxConcreteCurvePoints + 1> strain{};  // 1-based
  std::array<double, kMaxConcreteCurvePoints + 1> stress{};
};

// State flags of the moment-curvature analysis (run messages, end of a
// curve). The laws read `cracked` and never change a flag: the analysis
// sets them from the converged state of a curvature, so that a trial depth
// of the neutral-axis search cannot crack the concrete or yield the steel.
struct SectionFlags {
  bool cracked = false;    // concrete tension lost; cleared only when a new thrust starts
  bool noTension = false;  // the thrust is a tension beyond cracking (cracked from the start)
  bool yield = false;      // a bar, strand, casing or core tube yields at the current point
  bool failure = false;
};

// Per-section material state.
struct MaterialState {
  bool si = false;  // SI working units (kPa); otherwise the ksi of the laws
  int ConcreteModel = kConcreteModelStandard;
  int CoreConcreteModel = kConcreteModelNone;
  int SteelModel = kSteelModelRebar;

  // As loaded from the section input, in working units.
  double compressiveStrength = 0.0;  // f'c
  double barYieldStress = 0.0;       // fy of the bars
  double barModulus = 0.0;           // Es of the bars
  int barGradeCode = 0;        // deformed prestressing bars: 1 -> 157 ksi, 3 or 5 -> 160, else 150
  double casingModulus = 0.0;  // casing or pipe wall
  double casingYieldStress = 0.0;
  double coreModulus = 0.0;  // core tube and H-pile insert
  double coreYieldStress = 0.0;
  double strandUltimateStrength = 0.0;  // fpu (ksi or kPa)
  double strandModulus = 0.0;           // Es of the strands (ksi or kPa)
  double jackingForce = 0.0;            // as entered (pounds or kN)
  double lossFraction = 0.0;
  // The concrete as the input describes it beyond f'c: a stress-strain curve
  // in compression replacing the built-in one, and a tensile strength
  // (modulus of rupture, positive, working units) replacing the computed one.
  ConcreteCurve userCurve;
  bool tensileStrengthEntered = false;
  double enteredTensileStrength = 0.0;

  // Derived by Compute_Concrete_Properties.
  ConcreteProperties concrete;
  double Es = 0.0;  // bars, as the steel law uses them
  double fy = 0.0;

  // Set by the moment-curvature analysis for prestressing and for a tension
  // thrust beyond cracking; 0 otherwise.
  double prestrain = 0.0;       // epsilon_ps, added to the strain of the longitudinal steel
  double precompression = 0.0;  // epsilon_ce of the concrete
};

// The concrete model's properties from f'c (working units): Ec = 57 sqrt(1000
// f'c), fr = -0.0075 sqrt(1000 f'c) (-0.004 for prestressed concrete),
// eps0 = 1.7 f'c / Ec, epsCr where the tension parabola reaches fr. SI values
// are converted to ksi and back. Model 1 (no concrete) gives all zeros.
ConcreteProperties concreteModelProperties(double fc, int concreteModel, bool prestressed, bool si);

// Replaces the modulus of rupture of `p` by an entered tensile strength
// (its magnitude, in the units of p; at most f'c, the peak of the tension
// parabola) and moves the tensile strain at fracture to where the tension
// parabola reaches it.
void applyTensileStrength(ConcreteProperties& p, double tensileStrength);

// Computes `concrete`, `Es` and `fy` of the state from its loaded values,
// with the entered tensile strength when there is one.
void Compute_Concrete_Properties(MaterialState& m);

// The same quantities as the section report and the capacity step write them
// (reinforced concrete, SI coefficients in kPa directly).
ConcreteProperties concretePropertiesForReport(double fc, bool si);

// Modulus of rupture of the section dimensions block (negative).
double modulusOfRuptureForDimensions(double fc, bool si);

// ----------------------------------------------------- single-slice laws ---

// Concrete in compression (eps > 0): the parabola to eps0, the linear descent
// to 0.85 f'c at 0.0038, and 0.001 beyond (crushed).
double concreteCompressionStress(const ConcreteProperties& c, double eps);
// Concrete in compression on a curve given point by point: linear between
// the points (from the origin to the first), crushed (0.001) beyond the last.
double userCurveCompressionStress(const ConcreteCurve& curve, double eps);
// Concrete inside a filled core in compression: the parabola up to 0.0038.
double coreConcreteCompressionStress(const ConcreteProperties& c, double eps);
// Concrete in tension (eps <= 0): nothing once the section has cracked;
// otherwise the mirrored parabola, held at fr beyond the tensile strain at
// fracture. The hold is met only by trial depths of the neutral-axis search:
// a converged state whose extreme fibre passes the strain at fracture cracks
// the section (concreteCracks), so that the search sees a continuous law.
double concreteTensionStress(const ConcreteProperties& c, double eps, bool cracked);

// The section cracks when the strain of its extreme tension fibre
// (precompression included) passes the tensile strain at fracture.
bool concreteCracks(const ConcreteProperties& c, double extremeTensionStrain);

// Elastic-perfectly plastic steel; `yielded` is set when the limit applies.
double elasticPlasticStress(double E, double fy, double eps, bool& yielded);
// True when elastic-perfectly plastic steel at strain eps is beyond yield.
bool elasticPlasticYields(double E, double fy, double eps);

// Prestressing steel models 4 to 9 at total strain epsT, in ksi.
double strandStressKsi(int steelModel, double epsT, int barGradeCode);

// True when a bar or strand at total strain epsT (prestrain included) has
// yielded: reinforcing bars and prestressing bars beyond their yield
// strain; strands beyond the end of the straight line of their PCI curve,
// where 0.85 to 0.91 fpu is reached, the yield strength of the strand
// standards.
bool longitudinalSteelYields(const MaterialState& m, double epsT);

// ------------------------------------------------------ slice-array laws ---

// Section concrete, every slice 1..100. The concrete strain is the slice
// strain plus the precompression of prestressing (the slice strains count
// from the prestressed state); compression follows the input curve when the
// section has one. `cracked`: the section has lost its tension.
void concreteStresses(const MaterialState& m, bool cracked, const SliceArray& strain,
                      SliceArray& stress);
// Concrete of a filled core (confined: the parabola without descent); same
// strain and tension branch.
void coreConcreteStresses(const MaterialState& m, bool cracked, const SliceArray& strain,
                          SliceArray& stress);
// Bars or strands at the slice strain plus the prestrain.
void longitudinalSteelStresses(const MaterialState& m, const SliceArray& strain,
                               SliceArray& stress);
// Casing or pipe wall, all slices.
void casingStresses(const MaterialState& m, const SliceArray& strain, SliceArray& stress);
// Core tube or H-pile steel over slices first..last; other slices are not
// touched (the caller clears the array once for all its members).
void coreSteelStresses(const MaterialState& m, int first, int last, const SliceArray& strain,
                       SliceArray& stress);

}  // namespace quarn::section
