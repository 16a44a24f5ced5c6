#include "call_slots.h"

CallArguments& freshArguments(Interp& in, int depth) {
    const size_t d = static_cast<size_t>(depth);
    while (d >= in.argumentPool.size()) in.argumentPool.push_back(std::make_unique<CallArguments>());
    CallArguments& args = *in.argumentPool[d];
    args.ints.fill(0);
    args.floats.fill(0.0f);
    args.hasString.fill(false);
    for (std::string& text : args.strings) text.clear();
    args.count = 0;
    return args;
}

void keepArguments(Interp& in, const CallArguments& args) {
    in.lastArguments.ints = args.ints;
    in.lastArguments.floats = args.floats;
    in.arguments = &in.lastArguments;
}
