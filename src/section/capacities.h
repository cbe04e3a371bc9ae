// Nominal axial structural capacities of a section in compression and
// tension, and the axial tension that cracks its concrete. The moment-
// curvature analysis uses them to accept or reject axial thrusts and to
// decide whether the concrete keeps its tensile strength.
#pragma once

#include "engine/channel.h"
#include "section/section_state.h"
#include "section/section_units.h"

namespace quarn::section {

// Warnings of the section mechanics (blocks in the warning summary).
inline constexpr int kWarningTooManyCurvePoints = -305;   // a curve reached 150 points
inline constexpr int kWarningPossibleDesignError = -355;  // strain 0.003 never reached
inline constexpr int kWarningLrfdFailure = -400;          // an LRFD case overloads the pile

// Sets s.capacities.Pcap and writes the "Axial Structural Capacities:" block
// for reinforced concrete sections (0.85 f'c Ac + fy As, with casing and core
// steel) and steel pipes (fy As). Prestressed sections take their capacities
// from the prestressing computation and print nothing here; their Pcap is set
// to 0.85 f'c times the net concrete area until then.
void Compute_Axial_Structural_Capacity(engine::Channel& report, SectionState& s,
                                       const SectionUnitLabels& labels);

// Sets s.capacities.Pcr, Tcap and reportConcrete, and writes the cracking
// load and the tensile capacity lines for the sections that have them
// (reinforced concrete: both, followed by two empty lines; the steel pipe:
// the tensile capacity). Sections without bars or pipe steel have Tcap = 0.
void Compute_Tensile_Capacities(engine::Channel& report, SectionState& s,
                                const SectionUnitLabels& labels);

}  // namespace quarn::section
