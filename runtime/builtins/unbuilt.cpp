#include "unbuilt.h"

ValueKind unbuiltModuleBuiltin(Interp&, int32_t) { return ValueKind::None; }
void unbuiltModuleResource(Interp&, char, const int32_t (&)[4], const std::string&) {}
