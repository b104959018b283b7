#include "builder.h"

namespace velmora::databuild {

void FillVudazod(BuildContext& /*context*/) {}

}  // namespace velmora::databuild
