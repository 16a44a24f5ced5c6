#include "table_size.h"

#include "report.h"

#include <new>

namespace {

void replaceTable(Interp& in, VariableTables& tables, ValueKind kind, int32_t count) {
    const size_t entries = static_cast<size_t>(count < 0 ? 0 : count) + 1;
    try {
        if (kind == ValueKind::Integer) tables.ints.assign(entries, 0);
        else if (kind == ValueKind::Float) tables.floats.assign(entries, 0.0f);
        else tables.strings.assign(entries, std::string());
    } catch (const std::bad_alloc&) {
        report(in, RunError::OutOfMemory);
    }
}

}  // namespace

void applyTableSize(Interp& in, VariableTables* locals) {
    const TableSizeRequest r = in.tableSizeRequest;
    in.tableSizeRequest.kind = ValueKind::None;
    if (r.kind == ValueKind::None) return;
    const bool local = locals && (r.lowestSlot >= firstLocalSlot || r.count < 1);
    if (local) {
        replaceTable(in, *locals, r.kind, r.count);
    } else if (r.count >= 1 && r.lowestSlot < firstLocalSlot) {
        replaceTable(in, in.globals, r.kind, r.count);
        if (!in.stop) in.globalCounts[int(r.kind) - 1] = r.count;
    }
}
