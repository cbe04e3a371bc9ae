// Node data of the finite-difference pile model and the state of its
// solution. The pile is a row of N equally spaced nodes, 1 at the head and N
// at the tip; the beam-column equation is solved for the lateral deflection
// at every node. Arrays are 1-based like the node numbers (index 0 unused)
// and sized once for the largest grid, so a solution allocates nothing.
#pragma once

#include <array>
#include <cstddef>

#include "engine/head_load_type.h"
#include "engine/limits.h"

namespace quarn {

// Room for the largest grid (501 nodes) and a few spare entries.
inline constexpr int kNodeCapacity = kMaxNodes + 4;

// Everything attached to one node (`PileNode`).
struct PileNode {
  double x = 0.0;   // distance from the pile head along the pile axis
  double xv = 0.0;  // vertical depth below the pile head: x cos(batter)
  double EI = 0.0;  // bending stiffness used by the solver
  double Es = 0.0;  // secant soil modulus: spring stiffness per unit length of pile (F/L^2)
  // Lateral load per unit length acting on the pile at the node: the
  // distributed load, or SoilMoveLoad (ys Es + distributed load) when the
  // layer sweep works with soil movements.
  double w = 0.0;
  double ys = 0.0;  // lateral soil movement at the node
  int section = 1;  // pile section containing the node

  // Results at the node from the current deflections (Compute_Node_Response).
  double M = 0.0;           // bending moment
  double V = 0.0;           // shear force
  double S = 0.0;           // slope
  double p = 0.0;           // soil reaction per unit length
  double stress = 0.0;      // combined axial and bending stress
  double momentCopy = 0.0;  // moment handed to the bending-stiffness update
};

// Pile-head condition of the load case being solved, as the case prescribes
// it. The load type selects which two values count (1 Pt, Mt; 2 Pt, St;
// 3 Pt, Ktheta; 4 Yt, Mt; 5 Yt, St); the head shear and moment that the
// solution gives are results of the case, not part of its condition.
struct HeadCondition {
  HeadLoadType loadType = HeadLoadType::kShearMoment;
  double Pt = 0.0;      // shear at the pile head
  double Mt = 0.0;      // moment at the pile head
  double St = 0.0;      // slope at the pile head (radians)
  double Ktheta = 0.0;  // rotational stiffness of the head restraint (moment per radian)
  double Yt = 0.0;      // deflection of the pile head
  double Q = 0.0;       // axial thrust, compression positive, constant along the pile
};

// Working arrays of one solution (`RecursionCoefficients`): per node m the
// recursion y(m) = a(m) y(m-1) - b(m) y(m-2) + c(m) with its diagonal term
// D(m), and the head system F YG = G (1-based, five unknowns, four for load
// type 4).
struct RecursionCoefficients {
  std::array<double, kNodeCapacity + 1> D{};
  std::array<double, kNodeCapacity + 1> a{};
  std::array<double, kNodeCapacity + 1> b{};
  std::array<double, kNodeCapacity + 1> c{};
  std::array<std::array<double, 6>, 6> F{};
  std::array<double, 6> G{};
  std::array<double, 6> YG{};
};

struct PileModel {
  // Grid.
  int N = 0;                                       // number of nodes (increments + 1)
  double h = 0.0;                                  // increment length
  double length = 0.0;                             // pile length the grid was built for
  std::array<PileNode, kNodeCapacity + 1> node{};  // 1..N

  // First and last node of each soil layer; 0 means the layer holds no node.
  // Entry numberOfLayers + 1 exists for the bookkeeping of the assignment.
  std::array<int, kMaxLayers + 2> i_TopNodeInLayer{};
  std::array<int, kMaxLayers + 2> i_BottomNodeInLayer{};

  // Deflections y(k), k = -1..N+1: nodes -1 and 0 above the head and N + 1
  // below the tip are imaginary nodes of the difference equations.
  std::array<double, kNodeCapacity + 3> deflection{};
  double& y(int k) { return deflection[static_cast<std::size_t>(k + 1)]; }
  double y(int k) const { return deflection[static_cast<std::size_t>(k + 1)]; }

  // Head condition of the load case being solved.
  HeadCondition head;

  // State kept between the solutions of one load case.
  double vTip = 0.0;               // shear force at the tip used by the last solution
  double tipShearMagnitude = 0.0;  // value read from the tip shear curve, before its sign
  double dYprev = 0.0;             // largest deflection change of the previous solution
  // Outputs of the last solution.
  double dYmax = 0.0;       // largest change of a nodal deflection, nodes 1..N
  double deltaDYmax = 0.0;  // |dYmax - dYprev|

  // Values kept from node 1 by Compute_Node_Response.
  double computedHeadSlope = 0.0;
  double headMoment3 = 0.0;  // load type 5: moment at node 3, used again at node 2

  // Working arrays of the last solution.
  RecursionCoefficients recursion;
};

}  // namespace quarn
