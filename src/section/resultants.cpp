#include "section/resultants.h"

#include <algorithm>

namespace quarn::section {

namespace {

double forceOf(const SliceArray& stress, const SliceArray& area) {
  double force = 0.0;
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    force += stress[u] * area[u];
  }
  return force;
}

// Lever arms are measured from the mid-depth of the section, positive above it.
double momentOf(const SliceModel& m, const SliceArray& stress, const SliceArray& area) {
  const double midDepth = m.H / 2.0;
  double moment = 0.0;
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    moment += stress[u] * area[u] * (midDepth - m.SliceDepth[u]);
  }
  return moment;
}

bool anyFilledCore(const SliceModel& m) {
  for (int k = 1; k <= std::min(m.coreCount, kMaxCores); ++k) {
    if (m.cores[static_cast<std::size_t>(k)].b_FillCoreWithConcrete) return true;
  }
  return false;
}

// A core tube works only with a wall; a void core carries nothing.
bool isTube(const Core& core) {
  return core.diameter > 0.0 && core.wallThickness > 0.0;
}

}  // namespace

void Compute_Slice_Strains(SectionState& s, double c, double phi) {
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    s.stresses.strain[u] = (c - s.slices.SliceDepth[u]) * phi;
  }
}

double Compute_Concrete_Force(SectionState& s) {
  concreteStresses(s.materials, s.flags.cracked, s.stresses.strain, s.stresses.concrete);
  return forceOf(s.stresses.concrete, s.slices.ConcreteArea);
}

double Compute_Rebar_Force(SectionState& s) {
  longitudinalSteelStresses(s.materials, s.stresses.strain, s.stresses.steel);
  return forceOf(s.stresses.steel, s.slices.RebarArea);
}

double Compute_Casing_Force(SectionState& s) {
  casingStresses(s.materials, s.stresses.strain, s.stresses.casing);
  return forceOf(s.stresses.casing, s.slices.CasingArea);
}

double Compute_Core_Force(SectionState& s) {
  // Stresses only over the slices of each tube; elsewhere the array stays 0,
  // so the sum over all slices is the force of the tubes.
  s.stresses.coreTube.fill(0.0);
  const SliceModel& m = s.slices;
  bool anyTube = false;
  for (int k = 1; k <= std::min(m.coreCount, kMaxCores); ++k) {
    const Core& core = m.cores[static_cast<std::size_t>(k)];
    if (!isTube(core)) continue;
    anyTube = true;
    coreSteelStresses(s.materials, core.firstSlice, core.lastSlice, s.stresses.strain,
                      s.stresses.coreTube);
  }
  return anyTube ? forceOf(s.stresses.coreTube, m.CoreSteelArea) : 0.0;
}

double Compute_Concrete_Force_Inside_Core(SectionState& s) {
  if (!anyFilledCore(s.slices)) {
    s.stresses.coreConcrete.fill(0.0);
    return 0.0;
  }
  coreConcreteStresses(s.materials, s.flags.cracked, s.stresses.strain, s.stresses.coreConcrete);
  return forceOf(s.stresses.coreConcrete, s.slices.CoreConcreteArea);
}

double Compute_HPile_Force(SectionState& s) {
  s.stresses.hPile.fill(0.0);
  const SliceModel& m = s.slices;
  if (m.hPileFirstSlice < 1) return 0.0;
  coreSteelStresses(s.materials, m.hPileFirstSlice, m.hPileLastSlice, s.stresses.strain,
                    s.stresses.hPile);
  return forceOf(s.stresses.hPile, m.HPileArea);
}

double Compute_Axial_Thrust_Force(SectionState& s, double c, double phi) {
  const KindComponents parts = kindComponents(s.slices.kind);
  Compute_Slice_Strains(s, c, phi);
  ComponentForces f;
  if (parts.concrete) f.concrete = Compute_Concrete_Force(s);
  if (parts.bars) f.bars = Compute_Rebar_Force(s);
  if (parts.casing) f.casing = Compute_Casing_Force(s);
  if (parts.cores) {
    f.coreTube = Compute_Core_Force(s);
    f.coreConcrete = Compute_Concrete_Force_Inside_Core(s);
  }
  if (parts.hPile) f.hPile = Compute_HPile_Force(s);
  f.total = f.concrete + f.bars + f.casing + f.coreTube + f.coreConcrete + f.hPile;
  s.forces = f;
  return f.total;
}

bool concreteCrackedAt(const SectionState& s, double c, double phi) {
  const MaterialState& mat = s.materials;
  if (mat.ConcreteModel != kConcreteModelStandard) return false;
  return concreteCracks(mat.concrete, (c - s.slices.H) * phi + mat.precompression);
}

bool steelYieldedAt(const SectionState& s, double c, double phi) {
  const SliceModel& m = s.slices;
  const MaterialState& mat = s.materials;
  const KindComponents parts = kindComponents(m.kind);
  // Bars and strands at their centres; y is measured up from the centre of
  // the section, depths down from its compression face.
  if (parts.bars) {
    for (int k = 1; k <= std::min(m.NumBars, kMaxBars); ++k) {
      const double depth = m.yTop - m.barY[static_cast<std::size_t>(k)];
      if (longitudinalSteelYields(mat, (c - depth) * phi + mat.prestrain)) return true;
    }
  }
  const auto anySliceYields = [&](const SliceArray& area, double E, double fy) {
    for (int i = 1; i <= kNumSlices; ++i) {
      const auto u = static_cast<std::size_t>(i);
      if (area[u] > 0.0 && elasticPlasticYields(E, fy, (c - m.SliceDepth[u]) * phi)) return true;
    }
    return false;
  };
  if (parts.casing && anySliceYields(m.CasingArea, mat.casingModulus, mat.casingYieldStress)) {
    return true;
  }
  if (parts.cores) {
    for (int k = 1; k <= std::min(m.coreCount, kMaxCores); ++k) {
      if (isTube(m.cores[static_cast<std::size_t>(k)]) &&
          anySliceYields(m.CoreSteelArea, mat.coreModulus, mat.coreYieldStress)) {
        return true;
      }
    }
  }
  return parts.hPile && anySliceYields(m.HPileArea, mat.coreModulus, mat.coreYieldStress);
}

ComponentMoments Compute_Section_Moments(const SectionState& s) {
  const SliceModel& m = s.slices;
  const KindComponents parts = kindComponents(m.kind);
  ComponentMoments mo;
  if (parts.concrete) mo.concrete = momentOf(m, s.stresses.concrete, m.ConcreteArea);
  if (parts.bars) mo.bars = momentOf(m, s.stresses.steel, m.RebarArea);
  if (parts.casing) mo.casing = momentOf(m, s.stresses.casing, m.CasingArea);
  if (parts.cores) {
    mo.coreTube = momentOf(m, s.stresses.coreTube, m.CoreSteelArea);
    mo.coreConcrete = momentOf(m, s.stresses.coreConcrete, m.CoreConcreteArea);
  }
  if (parts.hPile) mo.hPile = momentOf(m, s.stresses.hPile, m.HPileArea);
  mo.total = mo.concrete + mo.bars + mo.casing + mo.coreTube + mo.coreConcrete + mo.hPile;
  return mo;
}

MomentPoint Compute_Moment_Point(const SectionState& s, double c, double phi, int pointIndex,
                                 double previousMoment) {
  MomentPoint p;
  p.computed = Compute_Section_Moments(s);
  const bool pipe = s.slices.kind == SectionKind::SteelPipePile;
  // Past the peak the curve keeps the largest moment reached, so EI keeps
  // falling smoothly with curvature; the pipe's own curve is kept as computed.
  p.moment =
      (!pipe && pointIndex > 1) ? std::max(previousMoment, p.computed.total) : p.computed.total;
  p.EI = p.moment / phi;
  // The extreme fibres of the concrete carry the precompression of
  // prestressing besides the strain of the curvature.
  const double precompression = pipe ? 0.0 : s.materials.precompression;
  p.maxCompressiveStrain = c * phi + precompression;
  p.maxTensileStrain = (c - s.slices.H) * phi + precompression;
  return p;
}

}  // namespace quarn::section
