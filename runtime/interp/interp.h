// The interpreter's process-wide state: one per process, a fresh one per test.
#pragma once

#include "errors.h"
#include "fast_steps.h"
#include "image.h"
#include "value_kind.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Host;
struct Modules;

// Text registers hold at most this many characters; longer results are cut.
inline constexpr size_t registerLength = 1024;

// Slots of 5000 and above address the running procedure's locals.
inline constexpr int32_t firstLocalSlot = 5000;

// Three parallel tables of one scope: the globals, or a running procedure's locals.
struct VariableTables {
    std::vector<int32_t> ints;
    std::vector<float> floats;
    std::vector<std::string> strings;  // an empty string is a variable that holds nothing
};

// A call fills at most eight of these nine slots; the ninth argument is an error.
inline constexpr int argumentSlots = 9;

struct CallArguments {
    std::array<int32_t, argumentSlots> ints{};
    std::array<float, argumentSlots> floats{};
    std::array<std::string, argumentSlots> strings;
    std::array<bool, argumentSlots> hasString{};  // false: a null string slot
    int count = 0;
};

struct ResultRegister {
    ValueKind kind = ValueKind::None;
    int32_t i = 0;
    float f = 0.0f;
    std::string s;
};

enum class CompareOp : char { None, Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

struct Comparison {
    ValueKind kind = ValueKind::None;
    CompareOp op = CompareOp::None;
    int32_t leftInt = 0;
    float leftFloat = 0.0f;
    std::string leftString;
};

// Gosubs that never return would otherwise grow the return stack without end.
inline constexpr size_t maxReturnDepth = 1'000'000;

struct ReturnEntry {
    int32_t line;
    uint32_t position;
};

struct TableSizeRequest {
    ValueKind kind = ValueKind::None;
    int32_t count = 0;
    int32_t lowestSlot = 0;
};

struct Interp {
    explicit Interp(Host& host) : host(host) {}

    Host& host;
    Modules* modules = nullptr;  // the built-in modules; set by start-up
    Image image;
    FastSteps fastSteps;  // compiled from the image as the program reaches its statements
    bool runsFastSteps = true;  // false: the evaluator runs every statement (the fast steps' reference)

    uint32_t position = 0;
    int32_t currentLine = 0;
    bool stop = false;
    bool endProcedure = false;

    Comparison comparison;
    std::vector<ReturnEntry> returnStack;
    TableSizeRequest tableSizeRequest;
    VariableTables globals;
    int32_t globalCounts[3] = {0, 0, 0};  // integer, float, string; used by the variable dump

    const CallArguments* arguments = nullptr;  // the most recent call's slots
    CallArguments lastArguments;                // a finished call's numbers, for `p` codes after it
    ResultRegister result;               // what a built-in or `vp` hands back
    uint32_t dataPointer = noData;

    // String registers of nested evaluations, one per depth, reused so that a
    // statement does not allocate; held by pointer, so that outer registers
    // stay put when the pool grows.
    std::vector<std::unique_ptr<std::string>> stringRegisters;
    // A call's argument slots and a procedure's locals, likewise one per
    // depth, so that a call does not allocate once its depth has been reached.
    std::vector<std::unique_ptr<CallArguments>> argumentPool;
    std::vector<std::unique_ptr<VariableTables>> localsPool;
    int depth = 0;
    const char* stackBase = nullptr;
    size_t stackBudget = 0;

    // Statement counting: the event pump and the step limit run at checkpoints.
    uint64_t steps = 0;
    uint64_t nextCheckpoint = 0;
    uint64_t maxSteps = 0;  // 0: no limit

    // Error reporting.
    bool noError = true;
    std::string errorLine;
    RunError reportedError = RunError::ProgramClosed;  // the report the error file carries
    bool endWritten = false;  // an error file of this run is on disk
    std::string errorFilePath, screenshotPath;
    int32_t screenWidth = 0, screenHeight = 0;  // 0 until the screen is settled

    int32_t randomSeed = 1;
};
