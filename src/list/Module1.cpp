#include "list/Module1.h"

namespace tarnwick {

std::int32_t SortColumn = 5;

}  // namespace tarnwick
