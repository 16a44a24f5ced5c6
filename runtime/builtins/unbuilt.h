// The one place for what the runtime's later modules will serve: drawing and
// text output, images and sprites, tile maps, archives, sound and the phone
// window. Until a module exists, its built-ins and resource loads are accepted
// and do nothing, like the codes that have no entry.
#pragma once

#include "interp.h"

#include <string>
#include <string_view>

ValueKind unbuiltModuleBuiltin(Interp& in, int32_t code);
void unbuiltPrint(Interp& in, std::string_view text);
