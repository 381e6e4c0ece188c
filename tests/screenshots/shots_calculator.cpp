#include "shots.h"

namespace velmora::shots {

void shootCalculator(const Context&) {}

}  // namespace velmora::shots
