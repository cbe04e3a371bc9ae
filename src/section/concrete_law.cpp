#include "section/concrete_law.h"

namespace quarn::section {

ConcreteLawChoice concreteLawOf(const PileSection& section) {
  ConcreteLawChoice choice;
  choice.hasConcrete = sectionTypeInfo(section.type).concrete;
  if (!choice.hasConcrete) return choice;
  const ConcreteData& concrete = section.concrete;
  choice.inputCompressionCurve = concrete.userStressStrainCurve && concrete.curvePoints > 0;
  choice.curvePoints = choice.inputCompressionCurve ? concrete.curvePoints : 0;
  choice.enteredTensileStrength = concrete.tensileStrengthEntered;
  return choice;
}

std::string_view concreteLawDescription(const PileSection& section) {
  const ConcreteLawChoice choice = concreteLawOf(section);
  if (!choice.hasConcrete) return {};
  if (choice.inputCompressionCurve) {
    return choice.enteredTensileStrength
               ? "Concrete law: input stress-strain curve in compression, entered tensile strength"
               : "Concrete law: input stress-strain curve in compression, computed tensile "
                 "strength";
  }
  return choice.enteredTensileStrength
             ? "Concrete law: internal stress-strain curve, entered tensile strength"
             : "Concrete law: internal stress-strain curve, computed tensile strength";
}

}  // namespace quarn::section
