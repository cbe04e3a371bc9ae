// The exported entry point. The one run context behind it is the only
// long-lived state of the library: it is created on the first call and reused,
// fully reinitialised by every run.
#include "quarn/lgo.h"

#include <memory>

#include "engine/messages.h"
#include "run/run.h"

extern "C" QUARN_EXPORT int32_t QUARN_CALL LGO(int32_t version) {
  using namespace quarn::engine;
  using namespace quarn::run;
  static std::unique_ptr<RunContext> instance;
  try {
    if (!instance) instance = makeRunContext();
  } catch (...) {
    return kRuntimeErrorBase + kRuntimeInternalFailure;
  }
  RunContext& ctx = *instance;
  ctx.model.run.version = kVersionText;
  if (version != kInterfaceVersion) return kWrongInterfaceVersion;
  ctx.console.attach(stderr);
  return runFromNamesFile(ctx);
}
