// Variables, arrays, labels and procedures of one compile pass. Lookups go
// through hash tables; where a name has several records the newest one that
// the scope rules allow wins.
#pragma once

#include "code_writer.h"
#include "names.h"

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

inline constexpr int globalScope = -1;
inline constexpr int mainScope = 0;
inline constexpr int localSlotBase = 5000;
inline constexpr int maxNameLength = 27;
inline constexpr int noLine = -1;

// One plain variable, or the run of slots of one array's elements.
struct VariableRecord {
    std::string name;
    int line = 0;
    int slot = 0;
    int lastSlot = 0;  // equals slot for a plain variable
    int scope = 0;
    bool isArray = false;
};

struct ArrayRecord {
    std::string name;
    ValueKind kind = ValueKind::Integer;
    int line = 0;
    int scope = 0;
    std::vector<long long> sizes;
    int firstSlot = 0;
    int lastSlot = 0;
};

struct LabelRecord {
    std::string name;  // empty for labels the compiler generates
    int scope = 0;
    bool defined = false;
    int definitionLine = noLine;
    int firstReferenceLine = noLine;
    std::string firstReferenceText;
};

struct ProcedureRecord {
    std::string name;  // as first written
    ValueKind kind = ValueKind::Integer;
    int definitionLine = noLine;
    int firstCallLine = noLine;
    bool parametersFixed = false;  // by the definition or by the first call
    std::vector<ValueKind> parameters;
    int skipLabel = 0;
    int setupLabel = 0;
    std::array<int, 3> nextLocalSlot = {localSlotBase, localSlotBase, localSlotBase};
};

template <class T>
using NameTable = std::unordered_map<std::string, T, NameHash, NameEqual>;

struct Symbols {
    std::array<std::vector<VariableRecord>, 3> variables;  // per kind, in creation order
    std::array<NameTable<std::vector<int>>, 3> variablesByName;  // plain variables only
    std::array<int, 3> nextGlobalSlot = {0, 0, 0};
    std::vector<std::array<TableSize, 3>> sizesByScope;  // index scope + 1

    std::vector<ArrayRecord> arrays;
    NameTable<std::vector<int>> arraysByName;

    std::vector<LabelRecord> labels;  // the label number is the index
    NameTable<std::vector<int>> labelsByName;

    std::vector<ProcedureRecord> procedures;  // procedure number n is index n - 1
    NameTable<std::vector<int>> proceduresByName;

    // The last request the slot limit refused: how many slots of which kind its
    // scope would have needed in all, for the hint after "Too many variables".
    long long refusedSlotTotal = 0;
    ValueKind refusedKind = ValueKind::None;
    bool refusedLocal = false;
};

// Returns the slot of the visible variable, or -1.
int findVariable(const Symbols& s, std::string_view name, ValueKind kind, int scope);
// Creates a plain variable in scope (globalScope, mainScope or a procedure number);
// returns a compile error code or 0, and the slot through slot.
int createVariable(Symbols& s, std::string_view name, ValueKind kind, int line, int scope, int& slot);

// Index of the visible array of that name and kind, or -1.
int findArray(const Symbols& s, std::string_view name, ValueKind kind, int scope);
int createArray(Symbols& s, ArrayRecord array, int& index);

// Number of the named label in scope, or -1.
int findLabel(const Symbols& s, std::string_view name, int scope);
// Creates a label and returns its number through number; a compile error code or 0.
int createLabel(Symbols& s, std::string_view name, int scope, bool defined, int line, int& number);

// Number of the procedure (from 1), or 0.
int findProcedure(const Symbols& s, std::string_view name, ValueKind kind);
int createProcedure(Symbols& s, std::string_view name, ValueKind kind);

// Sizes of the tables a set-up block announces: the block's scope, and for the
// main program also the globals.
std::array<TableSize, 3> tableSizes(const Symbols& s, int scope);
