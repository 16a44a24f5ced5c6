#include "symbols.h"

#include "compile_messages.h"

#include <algorithm>

namespace {

int kindIndex(ValueKind k) { return int(k) - 1; }

TableSize& sizeOf(Symbols& s, int scope, ValueKind kind) {
    std::size_t index = std::size_t(scope + 1);
    if (s.sizesByScope.size() <= index) s.sizesByScope.resize(index + 1);
    return s.sizesByScope[index][kindIndex(kind)];
}

// Takes count consecutive slots from the scope's counter; a compile error code or 0.
int allocateSlots(Symbols& s, ValueKind kind, int scope, long long count, int& first) {
    int& counter = scope >= 1 ? s.procedures[scope - 1].nextLocalSlot[kindIndex(kind)]
                              : s.nextGlobalSlot[kindIndex(kind)];
    long long limit = scope >= 1 ? 9999 : 4999;
    long long last = counter + count - 1;
    if (last > limit) {
        s.refusedSlotTotal = last + 1 - (scope >= 1 ? localSlotBase : 0);
        s.refusedKind = kind;
        s.refusedLocal = scope >= 1;
        return TooManyVariables;
    }
    first = counter;
    counter = int(last + 1);
    if (count > 0) {
        TableSize& size = sizeOf(s, scope, kind);
        size.count += int(count);
        size.lowestSlot = std::min(size.lowestSlot, first);
        size.highestSlot = std::max(size.highestSlot, int(last));
    }
    return NoError;
}

}  // namespace

int findVariable(const Symbols& s, std::string_view name, ValueKind kind, int scope) {
    const auto& byName = s.variablesByName[kindIndex(kind)];
    auto it = byName.find(name);
    if (it == byName.end()) return -1;
    const auto& records = s.variables[kindIndex(kind)];
    for (auto i = it->second.rbegin(); i != it->second.rend(); ++i) {
        const VariableRecord& v = records[*i];
        if (v.scope == globalScope || v.scope == scope) return v.slot;
    }
    return -1;
}

int createVariable(Symbols& s, std::string_view name, ValueKind kind, int line, int scope, int& slot) {
    if (name.size() > maxNameLength) return NameTooLong;
    if (int e = allocateSlots(s, kind, scope, 1, slot)) return e;
    auto& records = s.variables[kindIndex(kind)];
    s.variablesByName[kindIndex(kind)][std::string(name)].push_back(int(records.size()));
    records.push_back({std::string(name), line, slot, slot, scope, false});
    return NoError;
}

int findArray(const Symbols& s, std::string_view name, ValueKind kind, int scope) {
    auto it = s.arraysByName.find(name);
    if (it == s.arraysByName.end()) return -1;
    for (auto i = it->second.rbegin(); i != it->second.rend(); ++i) {
        const ArrayRecord& a = s.arrays[*i];
        if (a.kind == kind && (a.scope == globalScope || a.scope == scope)) return *i;
    }
    return -1;
}

int createArray(Symbols& s, ArrayRecord array, int& index) {
    if (array.name.size() > maxNameLength) return NameTooLong;
    long long count = 1;
    for (long long size : array.sizes) count = std::min(count * size, 100000LL);  // past any slot limit
    if (int e = allocateSlots(s, array.kind, array.scope, count, array.firstSlot)) return e;
    array.lastSlot = int(array.firstSlot + count - 1);
    s.variables[kindIndex(array.kind)].push_back(
        {array.name, array.line, array.firstSlot, array.lastSlot, array.scope, true});
    index = int(s.arrays.size());
    s.arraysByName[array.name].push_back(index);
    s.arrays.push_back(std::move(array));
    return NoError;
}

int findLabel(const Symbols& s, std::string_view name, int scope) {
    auto it = s.labelsByName.find(name);
    if (it == s.labelsByName.end()) return -1;
    for (auto i = it->second.rbegin(); i != it->second.rend(); ++i)
        if (s.labels[*i].scope == scope) return *i;
    return -1;
}

int createLabel(Symbols& s, std::string_view name, int scope, bool defined, int line, int& number) {
    if (name.size() > maxNameLength) return NameTooLong;
    number = int(s.labels.size());
    // A label number must fit the four digits of its number field.
    if (number >= 10000) return TooManyLabels;
    LabelRecord label;
    label.name = std::string(name);
    label.scope = scope;
    label.defined = defined;
    label.definitionLine = defined ? line : noLine;
    if (!name.empty()) s.labelsByName[label.name].push_back(number);
    s.labels.push_back(std::move(label));
    return NoError;
}

int findProcedure(const Symbols& s, std::string_view name, ValueKind kind) {
    auto it = s.proceduresByName.find(name);
    if (it == s.proceduresByName.end()) return 0;
    for (auto i = it->second.rbegin(); i != it->second.rend(); ++i)
        if (s.procedures[*i].kind == kind) return *i + 1;
    return 0;
}

int createProcedure(Symbols& s, std::string_view name, ValueKind kind) {
    ProcedureRecord p;
    p.name = std::string(name);
    p.kind = kind;
    s.proceduresByName[p.name].push_back(int(s.procedures.size()));
    s.procedures.push_back(std::move(p));
    return int(s.procedures.size());
}

std::array<TableSize, 3> tableSizes(const Symbols& s, int scope) {
    std::array<TableSize, 3> result{};
    auto add = [&](int sc) {
        std::size_t index = std::size_t(sc + 1);
        if (index >= s.sizesByScope.size()) return;
        for (int k = 0; k < 3; ++k) {
            const TableSize& t = s.sizesByScope[index][k];
            result[k].count += t.count;
            result[k].lowestSlot = std::min(result[k].lowestSlot, t.lowestSlot);
            result[k].highestSlot = std::max(result[k].highestSlot, t.highestSlot);
        }
    };
    add(scope);
    if (scope == mainScope) add(globalScope);
    return result;
}
