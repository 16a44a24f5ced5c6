// Looks up the constant-pool index of a class, field or method of the game
// class template, for the package back end's listings.
#pragma once

#include "template_pool_table.h"

// 0 when the template has no such entry: the listing cannot use it.
constexpr int templatePoolIndex(PoolKind kind, std::string_view owner, std::string_view name = {},
                                std::string_view descriptor = {}) {
    for (const TemplatePoolEntry& e : templatePool)
        if (e.kind == kind && e.owner == owner && e.name == name && e.descriptor == descriptor) return e.index;
    return 0;
}
