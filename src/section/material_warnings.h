// Warnings for section materials and covers outside what real piles and
// drilled shafts use: such a value is more often a slip of the units or of
// a digit than a design. The analysis goes on with the value as entered;
// the warning summary prints the block of each code.
#pragma once

#include "engine/model.h"
#include "section/section_state.h"

namespace quarn::section {

// Accepted ranges (US customary; SI the rounded equivalents in kPa and metres):
//   concrete compressive strength f'c   2500 to 12000 psi (17237 to 82737 kPa): structural
//       concrete of piles and shafts; the concrete law is meant for normal-strength concrete;
//   elastic modulus of the bars         25000 to 32000 ksi (172.4 to 220.6 GPa): steel is
//       29000 ksi;
//   yield strength of the bars          40 to 100 ksi (275.8 to 689.5 MPa): the grades of
//       ASTM A615 and A706;
//   clear cover to bars or strands      1.5 to 6 in (38.1 to 152.4 mm): the least cover of
//       precast piles to the cover of the largest drilled shafts.
inline constexpr int kWarningConcreteStrengthLow = -3091;
inline constexpr int kWarningConcreteStrengthHigh = -3092;
inline constexpr int kWarningBarModulusLow = -3101;
inline constexpr int kWarningBarModulusHigh = -3102;
inline constexpr int kWarningBarYieldLow = -3111;
inline constexpr int kWarningBarYieldHigh = -3112;
inline constexpr int kWarningCoverSmall = -3121;
inline constexpr int kWarningCoverLarge = -3122;

// Registers the warnings of a loaded concrete section (working units: ksi
// and inches, or kPa and metres). General units have no scale to judge by
// and are not checked.
void checkSectionMaterials(AnalysisModel& model, const SectionState& s);

}  // namespace quarn::section
