// The state of one compile pass and the entry points of the front end. The
// front end reads source lines and asks its CodeWriter for codes; it never
// knows which back end it writes to.
#pragma once

#include "code_writer.h"
#include "lexer.h"
#include "program_settings.h"
#include "rewriter.h"
#include "symbols.h"

#include <filesystem>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

struct IfRecord {
    int line = 0;
    bool singleLine = false;
    int falseTarget = 0;
    bool elseSeen = false;
    bool elseIf = false;
};

enum LoopKind { DoLoop = 0, RepeatLoop, WhileLoop, ForLoop };

struct LoopRecord {
    int line = 0;
    int top = 0;
    int exit = 0;
    int body = 0;
};

// An Include file being read: its name as written and its remaining lines.
struct IncludeFile {
    std::string name;
    std::filesystem::path path;
    std::string content;
    std::size_t readPos = 0;
    int lineCounter = 0;
};

// The first fault of a pass, with everything its error line needs.
struct Fault {
    int code = 0;
    int line = 0;
    std::string text;
    std::string includeName;   // as written in the Include statement
    std::filesystem::path includePath;
    std::string callName;      // for the long form of "Type mismatch"
    int parameter = 0;
    int hint = 0;              // a CompileHint, shown beside the message, never in the error file
    std::string hintName;
    long long hintCount = 0;
};

struct Compiler {
    explicit Compiler(CodeWriter& writer, std::filesystem::path sourceFolder)
        : out(writer), folder(std::move(sourceFolder)) {}

    CodeWriter& out;
    std::filesystem::path folder;  // Include and resource names are relative to it

    Defines defines;
    Symbols symbols;
    ProgramSettings settings;
    std::vector<std::string> resourceFiles;
    std::unordered_set<std::string, NameHash, NameEqual> resourceNames;
    std::vector<std::filesystem::path> includeFiles;  // every Include file read, for the package's checks

    std::vector<IfRecord> ifs;
    std::vector<LoopRecord> loops[4];
    int scope = mainScope;  // 0, or the number of the procedure being compiled
    int trueTargets = 0;
    int falseTargets = 0;

    // The line being compiled: its number for error lines, its text as written.
    int line = 0;
    std::string_view lineText;
    int statementIndex = 0;
    int generatingFrom = -1;  // inside generated lines: the statement that generated them
    std::vector<std::unique_ptr<IncludeFile>> includes;
    int compiledLines = 0;
    bool checkReservedDefines = true;

    bool lineConsumed = false;       // a definition took the rest of the line
    IncludeFile* currentInclude = nullptr;  // the Include file whose line is compiled

    Cursor* cur = nullptr;           // the statement being compiled
    // What the expression compiler read after a comparison's left or right side.
    Comparison comparison = Comparison::None;
    int conditionEnd = 0;
    std::string callName;            // built-in or procedure whose argument is compiled
    int parameterNumber = 0;

    Fault fault;
};

// Compiles the built-in defines and the Rgb function that open every pass.
int startPass(Compiler& c);
// Compiles one source line (document or Include file); a compile error code or 0.
int compileLine(Compiler& c, int line, std::string_view text);
// Closes the single-line Ifs of the line just compiled.
void closeSingleLineIfs(Compiler& c);
// Compiles the lines of open Include files, each under the given document line's mark.
int compileIncludes(Compiler& c, int documentLine);
// The checks after the last line, in their order; a compile error code or 0.
int finishChecks(Compiler& c);
// The undefined-label check that follows the end of the main program.
int checkLabels(Compiler& c);

// The text an error line shows for statement n of a line: from the first
// non-blank character, or from the (n - 1)-th ":" for the third statement and later.
std::string statementText(std::string_view line, int statementIndex);

// Records a fault (the first one wins) and returns its code.
int fail(Compiler& c, int code);
// Records a fault found after the last line, with its own line and text.
int failAt(Compiler& c, int code, int line, std::string text);
// Gives the recorded fault a hint unless it has one (the innermost finder knows
// best); returns the fault's code, so that "return hint(c, ...)" stops as fail does.
int hint(Compiler& c, int which, std::string_view name = {}, long long count = 0);
// Records a fault of the current line with a text of its own instead of the statement's.
int failWithText(Compiler& c, int code, std::string text);
// Condition ends the expression compiler reports after a right side.
enum ConditionEnd { EndsWithAnd = 7, EndsWithOr = 8, EndsWithThen = 9, EndsWithStatement = 10 };

// Statement and expression compilers (statements.cpp, expressions.cpp, ...).
int compileStatement(Compiler& c, std::string_view statement, std::string_view restOfLine, bool endedByColon);
int compileGeneratedLine(Compiler& c, std::string_view text);
int compileExpression(Compiler& c, ValueKind kind, char terminator, bool insideCall = false, bool list = false,
                      bool toAllowed = false);
int compileBuiltinCall(Compiler& c, int code, std::string_view name, bool inExpression, ValueKind wanted);
int compileProcedureCall(Compiler& c, std::string_view name, ValueKind kind);
int compileArrayElement(Compiler& c, int array, bool write);
int variableSlot(Compiler& c, std::string_view name, ValueKind kind, int& slot);

// Statements by group.
int compileIf(Compiler& c, bool elseIf);
int compileElse(Compiler& c);
int compileEndIf(Compiler& c);
int compileLoopStatement(Compiler& c, int keyword);
int compileFor(Compiler& c);
int compileProcedure(Compiler& c);
int compileEndProc(Compiler& c, bool isEndProc);
int compileDim(Compiler& c, int scope);
int compileGlobal(Compiler& c);
int compilePrint(Compiler& c);
int compileData(Compiler& c);
int compileRead(Compiler& c);
int compileSort(Compiler& c);
int compileJumpStatement(Compiler& c, bool restore);
int compileLabelDefinition(Compiler& c, std::string_view name);
int compileHeaderStatement(Compiler& c, int keyword);
int compileResourceStatement(Compiler& c, int keyword);
int compileIncludeStatement(Compiler& c);
int pushInclude(Compiler& c, std::string_view name);
