// One constant-pool entry of the game class template that package-mode
// listings may refer to; the table itself is generated from thegc.dat.
#pragma once

#include <string_view>

enum class PoolKind { Class, Field, Method };

struct TemplatePoolEntry {
    PoolKind kind;
    std::string_view owner;        // internal class name, "program/TheGameCanvas"
    std::string_view name;         // empty for classes
    std::string_view descriptor;   // empty for classes
    int index;
};
