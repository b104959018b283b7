#include "builder.h"

namespace velmora::databuild {

void FillKelBirth(BuildContext& /*context*/) {}

}  // namespace velmora::databuild
