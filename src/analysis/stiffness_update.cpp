#include "analysis/stiffness_update.h"

#include <algorithm>
#include <cmath>

#include "analysis/node_response.h"
#include "engine/pile_properties.h"

namespace quarn::analysis {

namespace {

constexpr double kPoundsPerKip = 1000.0;

// Factor from the tables' units to the model's (kip to pound).
double tableScale(const AnalysisModel& model) {
  return model.options.IUNITS == kUnitsUsCustomary ? kPoundsPerKip : 1.0;
}

const MomentCurvatureTable* tableOf(const AnalysisModel& model, int s, int a) {
  if (s < 1 || s > kMaxSections) return nullptr;
  const SectionCurves& curves = model.momentCurvature.section[static_cast<std::size_t>(s)];
  if (a < 1 || a > curves.thrusts || static_cast<std::size_t>(a) >= curves.table.size()) {
    return nullptr;
  }
  const MomentCurvatureTable& table = curves.table[static_cast<std::size_t>(a)];
  return table.points >= 1 ? &table : nullptr;
}

// Thrust index of Qt among the tables of a section (a user-defined section
// has thrusts of its own), by the rule of the run's thrust list.
int sectionThrustIndex(const SectionCurves& curves, double Qt) {
  const int n = curves.thrusts;
  if (n < 1) return 0;
  const auto thrust = [&curves](int i) {
    return curves.table[static_cast<std::size_t>(i)].axialThrust;
  };
  if (Qt >= thrust(n)) return n;
  if (Qt <= thrust(1)) return 1;
  for (int i = 1; i < n; ++i) {
    if (thrust(i) <= Qt && Qt < thrust(i + 1)) return i;
  }
  return 1;
}

// Stiffness of a node of a section described by moment-curvature tables:
// table a, or between tables a and a + 1 linearly in the thrust.
double stiffnessFromTables(AnalysisModel& model, int k, int s, int a, double Qt) {
  const SectionCurves& curves = model.momentCurvature.section[static_cast<std::size_t>(s)];
  const double EI1 = fn_EI_From_Table(model, k, s, a);
  if (a < 1 || a >= curves.thrusts) return EI1;
  const double lower = curves.table[static_cast<std::size_t>(a)].axialThrust;
  const double upper = curves.table[static_cast<std::size_t>(a + 1)].axialThrust;
  if (!(Qt > curves.table[1].axialThrust) || upper == lower) return EI1;
  const double EI2 = fn_EI_From_Table(model, k, s, a + 1);
  return EI2 - (EI2 - EI1) * (upper - Qt) / (upper - lower);
}

// Elastic-plastic node: elastic below the plastic moment, Mp / phi at it.
void updateElasticPlasticNode(AnalysisModel& model, int k, int s, int a, double M) {
  PileModel& pm = model.pileModel;
  PileNode& node = pm.node[static_cast<std::size_t>(k)];
  const double scale = tableScale(model);
  const PileSection& section = model.pile.sections[static_cast<std::size_t>(s)];
  const MomentCurvatureTable* table = tableOf(model, s, a);
  const double M1 = table != nullptr ? table->moment[1] : 0.0;
  const double Mp = plasticMomentAt(section, node.x) / scale;
  if (Mp > std::max(M1, std::abs(M))) {
    node.EI = engine::Compute_Pile_Properties(model.pile, node.x).EI;
    return;
  }
  const double phi = nodeCurvature(pm, k);
  if (phi == 0.0 || k == pm.N) return;
  node.EI = std::abs(Mp / phi) * scale;
}

}  // namespace

int thrustIndex(std::span<const double> thr, double Qt) {
  const int n = static_cast<int>(thr.size());
  if (n < 1) return 0;
  const auto at = [&thr](int i) { return thr[static_cast<std::size_t>(i - 1)]; };
  if (Qt >= at(n)) return n;
  if (Qt <= at(1)) return 1;
  for (int i = 1; i < n; ++i) {
    if (at(i) <= Qt && Qt < at(i + 1)) return i;
  }
  return 1;
}

double tableThrust(const AnalysisModel& model, double Q) {
  return Q / tableScale(model);
}

double nodeCurvature(const PileModel& pm, int k) {
  if (k >= pm.N) return 0.0;
  return std::abs(pm.y(k + 1) - 2.0 * pm.y(k) + pm.y(k - 1)) / (pm.h * pm.h);
}

int sectionOfNode(const Pile& pile, double x) {
  const int sections = std::clamp(pile.numberOfSections, 1, kMaxSections);
  for (int j = 1; j <= sections; ++j) {
    if (pile.stations[static_cast<std::size_t>(2 * j)].depth >= x) return j;
  }
  return sections;
}

double plasticMomentAt(const PileSection& section, double x) {
  const double top = section.elastic.plasticMomentTop;
  const double bottom = section.elastic.plasticMomentBottom;
  const double span = section.bottomDepth - section.topDepth;
  if (!(span > 0.0)) return top;
  const double t = std::clamp((x - section.topDepth) / span, 0.0, 1.0);
  return top + t * (bottom - top);
}

double fn_EI_From_Table(AnalysisModel& model, int k, int s, int a) {
  PileModel& pm = model.pileModel;
  const PileNode& node = pm.node[static_cast<std::size_t>(k)];
  const MomentCurvatureTable* table = tableOf(model, s, a);
  if (table == nullptr) return node.EI;
  const double scale = tableScale(model);
  const int K = table->points;
  const auto& phiT = table->curvature;
  const auto& MT = table->moment;
  if (std::abs(node.momentCopy) <= MT[1]) return table->EI[1] * scale;
  const double phi = nodeCurvature(pm, k);
  if (phi <= phiT[1]) return table->EI[1] * scale;
  const auto last = static_cast<std::size_t>(K);
  if (phi >= phiT[last]) {
    MomentCurvatureTables& tables = model.momentCurvature;
    tables.b_BeyondTable[static_cast<std::size_t>(k)] = true;
    tables.anyBeyondTable = true;
    return MT[last] / phi * scale;
  }
  for (int i = 1; i < K; ++i) {
    const auto u = static_cast<std::size_t>(i);
    if (phiT[u] < phi && phi <= phiT[u + 1]) {
      const double M = MT[u + 1] == MT[u] ? MT[u]
                                          : MT[u] + (MT[u + 1] - MT[u]) * (phi - phiT[u]) /
                                                        (phiT[u + 1] - phiT[u]);
      return M / phi * scale;
    }
  }
  // Only a table whose curvatures do not increase gets here.
  return MT[last] / phi * scale;
}

void Update_Bending_Stiffness(AnalysisModel& model, int a, double Qt) {
  PileModel& pm = model.pileModel;
  const Pile& pile = model.pile;
  MomentCurvatureTables& tables = model.momentCurvature;
  const bool us = model.options.IUNITS == kUnitsUsCustomary;
  bool headUpdated = false;
  double headEI = 0.0;
  for (int k = 1; k <= pm.N; ++k) {
    PileNode& node = pm.node[static_cast<std::size_t>(k)];
    const int s = sectionOfNode(pile, node.x);
    const SectionType type = pile.sections[static_cast<std::size_t>(s)].type;
    if (type == SectionType::Elastic) continue;
    tables.b_BeyondTable[static_cast<std::size_t>(k)] = false;
    Compute_Node_Response(model, k);
    if (us) node.momentCopy /= kPoundsPerKip;
    if (type == SectionType::ElasticPlastic) {
      updateElasticPlasticNode(model, k, s, a, node.momentCopy);
    } else {
      const int sectionIndex =
          type == SectionType::UserEi
              ? sectionThrustIndex(tables.section[static_cast<std::size_t>(s)], Qt)
              : a;
      node.EI = stiffnessFromTables(model, k, s, sectionIndex, Qt);
    }
    if (k == 1) {
      headUpdated = true;
      headEI = node.EI;
    }
  }
  // The head difference equations give the head node, the imaginary node
  // above it and nodes 2 and 3 one stiffness, which the solver takes from
  // node 2. It is the stiffness of the head at the head's own curvature, so
  // that the head moment stays on the moment-curvature relation of its
  // section: at a fixed head, where the curvature is largest, the stiffness
  // of node 2 would carry the head past its plastic moment. A node 3 in an
  // elastic section keeps its own, as every node of such a section does.
  if (headUpdated) pm.node[2].EI = headEI;
  if (pm.N >= 3 &&
      pile.sections[static_cast<std::size_t>(sectionOfNode(pile, pm.node[3].x))].type !=
          SectionType::Elastic) {
    pm.node[3].EI = pm.node[2].EI;
  }
}

void updateBendingStiffnessForCase(AnalysisModel& model) {
  const MomentCurvatureTables& tables = model.momentCurvature;
  const double Qt = tableThrust(model, model.pileModel.head.Q);
  const std::span<const double> thr(tables.thrust.data() + 1,
                                    static_cast<std::size_t>(tables.numberOfThrusts));
  Update_Bending_Stiffness(model, thrustIndex(thr, Qt), Qt);
}

}  // namespace quarn::analysis
