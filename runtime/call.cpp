// Entries 2 and 3: the command call, identical for every library.
#include "runtime/call.h"

namespace rt {

ResultRecord CallCommand(CommandEntry entry, int32_t count, const ArgRecord* args) {
  ResultRecord result{};
  entry(&result, count, args);
  return result;
}

}  // namespace rt
