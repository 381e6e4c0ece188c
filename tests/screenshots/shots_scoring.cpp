#include "shots.h"

namespace velmora::shots {

void shootScoring(const Context&) {}

}  // namespace velmora::shots
