#include "builder.h"

namespace velmora::databuild {

void FillDream(BuildContext& /*context*/) {}

}  // namespace velmora::databuild
