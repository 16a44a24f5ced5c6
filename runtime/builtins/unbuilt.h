// The one place for what the runtime's later modules will serve: images and
// sprites, tile maps, archives and sound. Until a module exists, its built-ins
// and resource loads are accepted and do nothing, like the codes that have no
// entry.
#pragma once

#include "interp.h"

#include <string>
#include <string_view>

ValueKind unbuiltModuleBuiltin(Interp& in, int32_t code);
void unbuiltModuleResource(Interp& in, char kind, const int32_t (&numbers)[4], const std::string& fileName);
