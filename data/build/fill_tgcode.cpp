#include "builder.h"

namespace velmora::databuild {

void FillTgcode(BuildContext& /*context*/) {}

}  // namespace velmora::databuild
