#include "shots.h"

namespace velmora::shots {

void shootDatabases(const Context&) {}

}  // namespace velmora::shots
