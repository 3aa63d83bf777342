#include "core/learning/LearningWindow.h"

#include "core/link/LinkFlags.h"
#include "core/link/SerialLink.h"

namespace qx {

namespace {
using F = SetupField;

constexpr std::array kTextFields{
    F::LearnMinEngineTemp, F::LearnIncrement,   F::LearnRate,         F::LearnRpmLow,
    F::LearnRpmHigh,       F::LearnThrottleLow, F::LearnThrottleHigh, F::LambdaTarget,
};
}  // namespace

std::span<const SetupField> learningTextFields() {
  return kTextFields;
}

LearningBoxes learningBoxes(const SetupRecord& record) {
  LearningBoxes b;
  b.learningActive = record.learningActive != 0;
  for (std::size_t k = 0; k < 3; ++k) b.probes[k] = (record.learnLambdaInputs >> k) & 1;
  return b;
}

void takeOverLearningFields(SetupRecord& record, LearningWindow& window,
                            const std::function<std::string(SetupField)>& typedText) {
  for (SetupField f : kTextFields) {
    takeTypedText(record, f, typedText(f));
    // Each pair is put in order once both of its values are taken.
    if (f == kLearnRpmPair.high) orderPair(record, kLearnRpmPair);
    if (f == kLearnThrottlePair.high) orderPair(record, kLearnThrottlePair);
  }
  ++window.limitsRevision;
}

bool switchLearning(SetupRecord& record, bool checked, SerialLink& link) {
  record.learningActive = checked ? 1 : 0;
  // Disconnected, only the setup changes; it reaches the unit with the next "->ORK".
  if (!link.flags().unitIdentified || !link.allowed('W')) return false;
  link.sendParameter(kLearningParameter, checked ? 1 : 0);
  return true;
}

void selectProbes(SetupRecord& record, const std::array<bool, 3>& probes) {
  record.learnLambdaInputs =
      static_cast<std::uint8_t>((probes[0] ? 1 : 0) + (probes[1] ? 2 : 0) + (probes[2] ? 4 : 0));
}

bool learnedMapWanted(const SetupRecord& record, const LearningWindow& window) {
  return record.learningActive == 1 && window.liveMap;
}

}  // namespace qx
