#include "report/warning_summary.h"

#include <array>

#include "output/format.h"

namespace quarn::report {

namespace {

// The blocks of the warnings, keyed by the absolute value of their code.
// Each routine that registers a warning adds its block here.
struct WarningText {
  int code;
  std::span<const std::string_view> lines;
};

constexpr std::array<std::string_view, 6> kSoftClayStrengthUs = {
    "**** Warning - Shear Strength of Soft Clay ****",
    "",
    "The undrained shear strength of a soft clay layer is larger than 1250 psf (8.68 psi).",
    "The p-y criteria for soft clay were developed for clays of lower strength; consider",
    "the criteria for stiff clay for a layer of this strength.",
    ""};

constexpr std::array<std::string_view, 6> kSoftClayStrengthSi = {
    "**** Warning - Shear Strength of Soft Clay ****",
    "",
    "The undrained shear strength of a soft clay layer is larger than 59.85 kPa (1250 psf).",
    "The p-y criteria for soft clay were developed for clays of lower strength; consider",
    "the criteria for stiff clay for a layer of this strength.",
    ""};

// Moment-curvature curve of 150 points: the section never reached its
// limiting strain.
constexpr std::array<std::string_view, 7> kTooManyCurvePoints = {
    "***** Warning *****",
    "",
    "Too many values were calculated for moment-curvature.",
    "This may indicate that the pile is too weak or is under-reinforced, ",
    "where all reinforcing steel has yielded.  You should examine your input ",
    "data and increase the amount of steel reinforcement if necessary.",
    ""};

// Nominal moment capacity taken below a concrete strain of 0.003.
constexpr std::array<std::string_view, 10> kPossibleDesignError = {
    "",
    "**** Warning - Possible Design Error ****",
    "",
    "Maximum moment capacity was reached at maximum compressive strains that are",
    "smaller than 0.003.  This usually indicates that the pile section is under-",
    "reinforced.  The user should carefully examine the moment-curve results to",
    "judge whether the section has the ductility needed and should consider",
    "increasing the amount of longitudinal reinforcement.  The nominal moment",
    "capacity reported is the largest moment the section developed.",
    ""};

// Moments of a user-defined M-EI section that are not positive and increasing.
constexpr std::array<std::string_view, 6> kUserEiMoments = {
    "**** Warning - POSSIBLE INPUT ERROR ****",
    "",
    "The input data for nonlinear bending appears to be input incorrectly.",
    "The program assumes that only positive values and increasing values of",
    "bending moment are input to the program.",
    ""};

constexpr std::array<std::string_view, 6> kLrfdFailure = {
    "",
    "**** Warning - Failure for One or More LRFD Load Cases ****",
    "",
    "This warning message is provided to alert the user that one or more of ",
    "LRFD load cases has overloaded the structural capacity of the pile.",
    ""};

// Friction angle of a Reese sand layer outside 20 to 48 degrees: the block
// the routine writes to the run-message file.
constexpr std::array<std::string_view, 9> kReeseSandFriction = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable value for friction angle was input for a Reese sand layer. ",
    "The input value is either smaller than 20 degrees or higher than 48 degrees.",
    "The input data should be checked for correctness.",
    "",
    "The input value for friction angle was used in computations.",
    ""};

// Friction angle of an API sand layer outside 20 to 48 degrees.
constexpr std::array<std::string_view, 8> kApiSandFriction = {
    "**** Warning - Friction Angle of API Sand ****",
    "",
    "An unreasonable value for friction angle was input for an API sand layer. ",
    "The input value is either smaller than 20 degrees or higher than 48 degrees.",
    "The input data should be checked for correctness.",
    "",
    "The input value for friction angle was used in computations.",
    ""};

// Strength of a stiff clay layer below 500 psf or above 8000 psf, the range
// of the tests behind the stiff clay criteria.
constexpr std::array<std::string_view, 7> kStiffClayFreeWaterLowUs = {
    "**** Warning - Shear Strength of Stiff Clay with Free Water ****",
    "",
    "The undrained shear strength of a stiff clay layer with free water",
    "is smaller than 500 psf (3.47 psi).",
    "The p-y criteria for stiff clay were developed for clays of higher strength;",
    "consider the criteria for soft clay for a layer of this strength.",
    ""};

constexpr std::array<std::string_view, 7> kStiffClayFreeWaterHighUs = {
    "**** Warning - Shear Strength of Stiff Clay with Free Water ****",
    "",
    "The undrained shear strength of a stiff clay layer with free water",
    "is larger than 8000 psf (55.56 psi).",
    "The p-y criteria for stiff clay were developed for clays of lower strength;",
    "check the strength values of the layer.",
    ""};

constexpr std::array<std::string_view, 7> kStiffClayFreeWaterLowSi = {
    "**** Warning - Shear Strength of Stiff Clay with Free Water ****",
    "",
    "The undrained shear strength of a stiff clay layer with free water",
    "is smaller than 23.94 kPa (500 psf).",
    "The p-y criteria for stiff clay were developed for clays of higher strength;",
    "consider the criteria for soft clay for a layer of this strength.",
    ""};

constexpr std::array<std::string_view, 7> kStiffClayFreeWaterHighSi = {
    "**** Warning - Shear Strength of Stiff Clay with Free Water ****",
    "",
    "The undrained shear strength of a stiff clay layer with free water",
    "is larger than 383.04 kPa (8000 psf).",
    "The p-y criteria for stiff clay were developed for clays of lower strength;",
    "check the strength values of the layer.",
    ""};

constexpr std::array<std::string_view, 7> kStiffClayNoWaterLowUs = {
    "**** Warning - Shear Strength of Stiff Clay without Free Water ****",
    "",
    "The undrained shear strength of a stiff clay layer without free water",
    "is smaller than 500 psf (3.47 psi).",
    "The p-y criteria for stiff clay were developed for clays of higher strength;",
    "consider the criteria for soft clay for a layer of this strength.",
    ""};

constexpr std::array<std::string_view, 7> kStiffClayNoWaterHighUs = {
    "**** Warning - Shear Strength of Stiff Clay without Free Water ****",
    "",
    "The undrained shear strength of a stiff clay layer without free water",
    "is larger than 8000 psf (55.56 psi).",
    "The p-y criteria for stiff clay were developed for clays of lower strength;",
    "check the strength values of the layer.",
    ""};

constexpr std::array<std::string_view, 7> kStiffClayNoWaterLowSi = {
    "**** Warning - Shear Strength of Stiff Clay without Free Water ****",
    "",
    "The undrained shear strength of a stiff clay layer without free water",
    "is smaller than 23.94 kPa (500 psf).",
    "The p-y criteria for stiff clay were developed for clays of higher strength;",
    "consider the criteria for soft clay for a layer of this strength.",
    ""};

constexpr std::array<std::string_view, 7> kStiffClayNoWaterHighSi = {
    "**** Warning - Shear Strength of Stiff Clay without Free Water ****",
    "",
    "The undrained shear strength of a stiff clay layer without free water",
    "is larger than 383.04 kPa (8000 psf).",
    "The p-y criteria for stiff clay were developed for clays of lower strength;",
    "check the strength values of the layer.",
    ""};

constexpr std::array<std::string_view, 7> kStiffClayWithKLowUs = {
    "**** Warning - Shear Strength of Stiff Clay without Free Water with k ****",
    "",
    "The undrained shear strength of a stiff clay layer without free water (with k)",
    "is smaller than 500 psf (3.47 psi).",
    "The p-y criteria for stiff clay were developed for clays of higher strength;",
    "consider the criteria for soft clay for a layer of this strength.",
    ""};

constexpr std::array<std::string_view, 7> kStiffClayWithKHighUs = {
    "**** Warning - Shear Strength of Stiff Clay without Free Water with k ****",
    "",
    "The undrained shear strength of a stiff clay layer without free water (with k)",
    "is larger than 8000 psf (55.56 psi).",
    "The p-y criteria for stiff clay were developed for clays of lower strength;",
    "check the strength values of the layer.",
    ""};

constexpr std::array<std::string_view, 7> kStiffClayWithKLowSi = {
    "**** Warning - Shear Strength of Stiff Clay without Free Water with k ****",
    "",
    "The undrained shear strength of a stiff clay layer without free water (with k)",
    "is smaller than 23.94 kPa (500 psf).",
    "The p-y criteria for stiff clay were developed for clays of higher strength;",
    "consider the criteria for soft clay for a layer of this strength.",
    ""};

constexpr std::array<std::string_view, 7> kStiffClayWithKHighSi = {
    "**** Warning - Shear Strength of Stiff Clay without Free Water with k ****",
    "",
    "The undrained shear strength of a stiff clay layer without free water (with k)",
    "is larger than 383.04 kPa (8000 psf).",
    "The p-y criteria for stiff clay were developed for clays of lower strength;",
    "check the strength values of the layer.",
    ""};

// Rock criteria. Vuggy limestone: su = qu / 2 outside the range of the tests.
constexpr std::array<std::string_view, 7> kVuggyLimestoneStrength = {
    "**** Warning - Strength of Vuggy Limestone ****",
    "",
    "The shear strength su = qu/2 of a vuggy limestone layer is outside the range of",
    "500 to 2500 psi (US customary units) or 6895 to 17237.5 kPa (SI units) for which",
    "the p-y criteria for vuggy limestone were developed.",
    "The input value was used in computations.",
    ""};

// Weak rock: k_rm outside 0.00005 to 0.0005.
constexpr std::array<std::string_view, 6> kWeakRockKrmSmall = {
    "**** Warning - Value of k_rm for Weak Rock ****",
    "",
    "The strain factor k_rm of a weak rock layer is less than 0.00005, the lower end",
    "of the range of 0.00005 to 0.0005 recommended for the weak rock criteria.",
    "The input value was used in computations.",
    ""};

constexpr std::array<std::string_view, 6> kWeakRockKrmLarge = {
    "**** Warning - Value of k_rm for Weak Rock ****",
    "",
    "The strain factor k_rm of a weak rock layer is greater than 0.0005, the upper",
    "end of the range of 0.00005 to 0.0005 recommended for the weak rock criteria.",
    "The input value was used in computations.",
    ""};

// Weak rock: compressive strength outside 100 to 1000 psi (689.5 to 6895 kPa).
constexpr std::array<std::string_view, 6> kWeakRockWeakUs = {
    "**** Warning - Compressive Strength of Weak Rock ****",
    "",
    "The uniaxial compressive strength of a weak rock layer is less than 100 psi.",
    "The p-y criteria for weak rock were developed for rock of 100 to 1000 psi;",
    "consider the criteria for a soil for a layer of this strength.",
    ""};

constexpr std::array<std::string_view, 6> kWeakRockStrongUs = {
    "**** Warning - Compressive Strength of Weak Rock ****",
    "",
    "The uniaxial compressive strength of a weak rock layer is greater than 1000 psi.",
    "The p-y criteria for weak rock were developed for rock of 100 to 1000 psi;",
    "consider the criteria for strong rock or massive rock for a layer this strong.",
    ""};

constexpr std::array<std::string_view, 6> kWeakRockWeakSi = {
    "**** Warning - Compressive Strength of Weak Rock ****",
    "",
    "The uniaxial compressive strength of a weak rock layer is less than 689.5 kPa.",
    "The p-y criteria for weak rock were developed for rock of 689.5 to 6895 kPa;",
    "consider the criteria for a soil for a layer of this strength.",
    ""};

constexpr std::array<std::string_view, 6> kWeakRockStrongSi = {
    "**** Warning - Compressive Strength of Weak Rock ****",
    "",
    "The uniaxial compressive strength of a weak rock layer is greater than 6895 kPa.",
    "The p-y criteria for weak rock were developed for rock of 689.5 to 6895 kPa;",
    "consider the criteria for strong rock or massive rock for a layer this strong.",
    ""};

// Section materials and covers outside what real piles and drilled shafts
// use (the ranges are those of section/material_warnings.h): concrete of
// 2500 to 12000 psi, bars of 25000 to 32000 ksi modulus and 40 to 100 ksi
// yield strength, and a clear cover of 1.5 to 6 in.
constexpr std::array<std::string_view, 7> kConcreteStrengthLow = {
    "**** Warning - Compressive Strength of Concrete ****",
    "",
    "The compressive strength of the concrete of a pile section is less than",
    "2500 psi (17237 kPa), the least strength of structural concrete.",
    "Check the value and its units (psi or kPa).",
    "The input value was used in computations.",
    ""};

constexpr std::array<std::string_view, 7> kConcreteStrengthHigh = {
    "**** Warning - Compressive Strength of Concrete ****",
    "",
    "The compressive strength of the concrete of a pile section is larger than",
    "12000 psi (82737 kPa); the stress-strain curve of the concrete is meant for",
    "normal-strength concrete.  Check the value and its units (psi or kPa).",
    "The input value was used in computations.",
    ""};

constexpr std::array<std::string_view, 7> kBarModulusLow = {
    "**** Warning - Elastic Modulus of Reinforcing Steel ****",
    "",
    "The elastic modulus of the reinforcing bars of a pile section is less than",
    "25000 ksi (172.4 GPa); reinforcing steel has a modulus of about 29000 ksi.",
    "Check the value and its units (psi or kPa).",
    "The input value was used in computations.",
    ""};

constexpr std::array<std::string_view, 7> kBarModulusHigh = {
    "**** Warning - Elastic Modulus of Reinforcing Steel ****",
    "",
    "The elastic modulus of the reinforcing bars of a pile section is larger than",
    "32000 ksi (220.6 GPa); reinforcing steel has a modulus of about 29000 ksi.",
    "Check the value and its units (psi or kPa).",
    "The input value was used in computations.",
    ""};

constexpr std::array<std::string_view, 7> kBarYieldLow = {
    "**** Warning - Yield Strength of Reinforcing Steel ****",
    "",
    "The yield strength of the reinforcing bars of a pile section is less than",
    "40 ksi (275.8 MPa), the lowest grade of reinforcing bars.",
    "Check the value and its units (psi or kPa).",
    "The input value was used in computations.",
    ""};

constexpr std::array<std::string_view, 7> kBarYieldHigh = {
    "**** Warning - Yield Strength of Reinforcing Steel ****",
    "",
    "The yield strength of the reinforcing bars of a pile section is larger than",
    "100 ksi (689.5 MPa), the highest grade of reinforcing bars.",
    "Check the value and its units (psi or kPa).",
    "The input value was used in computations.",
    ""};

constexpr std::array<std::string_view, 7> kCoverSmall = {
    "**** Warning - Concrete Cover ****",
    "",
    "The clear cover to the reinforcing bars or strands of a pile section is less",
    "than 1.5 in (38.1 mm), the least cover of concrete cast against earth or of",
    "precast piles.  Check the value and its units (inches or mm).",
    "The input value was used in computations.",
    ""};

constexpr std::array<std::string_view, 7> kCoverLarge = {
    "**** Warning - Concrete Cover ****",
    "",
    "The clear cover to the reinforcing bars or strands of a pile section is larger",
    "than 6 in (152.4 mm), more than the cover of the largest drilled shafts.",
    "Check the value and its units (inches or mm).",
    "The input value was used in computations.",
    ""};

// General units with a zero head value in load case 1: the pile-head
// stiffness terms have no load levels.
constexpr std::array<std::string_view, 7> kStiffnessNotComputed = {
    "**** Warning - Pile-head Stiffness Matrix Not Computed ****",
    "",
    "The pile-head stiffness matrix was requested, but load case 1 has a zero shear",
    "force or a zero moment, and in general units no default load level replaces a",
    "zero value. Enter a nonzero shear force and a nonzero moment for load case 1 to",
    "obtain K22, K23, K32 and K33.",
    ""};

constexpr auto kWarningTexts = std::to_array<WarningText>({
    {305, kTooManyCurvePoints},
    {307, kUserEiMoments},
    {355, kPossibleDesignError},
    {400, kLrfdFailure},
    {3041, kSoftClayStrengthUs},
    {3042, kSoftClayStrengthSi},
    {302, kReeseSandFriction},
    {303, kApiSandFriction},
    {3051, kStiffClayFreeWaterLowUs},
    {3052, kStiffClayFreeWaterHighUs},
    {3053, kStiffClayFreeWaterLowSi},
    {3054, kStiffClayFreeWaterHighSi},
    {3061, kStiffClayNoWaterLowUs},
    {3062, kStiffClayNoWaterHighUs},
    {3063, kStiffClayNoWaterLowSi},
    {3064, kStiffClayNoWaterHighSi},
    {3261, kStiffClayWithKLowUs},
    {3262, kStiffClayWithKHighUs},
    {3263, kStiffClayWithKLowSi},
    {3264, kStiffClayWithKHighSi},
    {308, kVuggyLimestoneStrength},
    {316, kWeakRockKrmSmall},
    {317, kWeakRockKrmLarge},
    {3071, kWeakRockWeakUs},
    {3072, kWeakRockStrongUs},
    {3073, kWeakRockWeakSi},
    {3074, kWeakRockStrongSi},
    {3091, kConcreteStrengthLow},
    {3092, kConcreteStrengthHigh},
    {3101, kBarModulusLow},
    {3102, kBarModulusHigh},
    {3111, kBarYieldLow},
    {3112, kBarYieldHigh},
    {3121, kCoverSmall},
    {3122, kCoverLarge},
    {560, kStiffnessNotComputed},
});

}  // namespace

std::span<const std::string_view> warningBlock(int code) {
  for (const WarningText& text : kWarningTexts) {
    if (text.code == code) return text.lines;
  }
  return {};
}

int Write_Warning_Summary(engine::RunContext& ctx) {
  const RunState& state = ctx.model.state;
  engine::Channel& out = ctx.report;
  int distinct = 0;
  for (int c = 1; c <= kMaxWarningCode; ++c) {
    if (state.warningOccurrences[c] > 0) ++distinct;
  }
  out.emptyLines(2);
  if (distinct == 0) {
    out.line("No error or warning messages were generated by this analysis.");
    out.endLine();
    return 0;
  }
  out.line(std::string(80, '-'));
  out.line("                          Summary of Warning Messages");
  out.line(std::string(80, '-'));
  out.endLine();
  for (int c = 1; c <= kMaxWarningCode; ++c) {
    const int n = state.warningOccurrences[c];
    if (n == 0) continue;
    output::write(out, "(\"The following warning was reported \" I0 \" times\" /)", {n});
    const std::span<const std::string_view> block = warningBlock(c);
    if (block.empty()) {
      output::write(out, "(\"**** Warning \" I0 \" ****\" /)", {-c});
    }
    for (std::string_view line : block) out.line(line);
  }
  return distinct;
}

}  // namespace quarn::report
