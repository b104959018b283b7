#include "builder.h"

namespace velmora::databuild {

void FillKelFile(BuildContext& /*context*/) {}

}  // namespace velmora::databuild
