#include "unbuilt.h"

ValueKind unbuiltModuleBuiltin(Interp&, int32_t) { return ValueKind::None; }
void unbuiltPrint(Interp&, std::string_view) {}
