#include "shots.h"

namespace velmora::shots {

void shootAbout(const Context&) {}

}  // namespace velmora::shots
