// Codes of the statement keywords in the keyword table.
#pragma once

enum StatementKeyword : int {
    KwGoto = 0, KwVendor = 2, KwSetIcon = 3, KwInclude = 4, KwDefine = 5, KwDefFn = 6, KwMod = 7,
    KwGlobal = 8, KwDim = 9, KwOn = 10, KwOff = 11, KwVersion = 12, KwPi = 13, KwProcedure = 14,
    KwEndProc = 15, KwExitProc = 16, KwIf = 17, KwThen = 18, KwEndIf = 19, KwElse = 20, KwAnd = 21,
    KwOr = 22, KwData = 23, KwRestore = 24, KwPrint = 25, KwDo = 26, KwLoop = 27, KwExitLoop = 28,
    KwRepeat = 29, KwUntil = 30, KwExitRepeat = 31, KwWhile = 32, KwWend = 33, KwExitWhile = 34,
    KwFor = 35, KwNext = 36, KwExitFor = 37, KwTo = 38, KwStep = 39, KwSetResolution = 40,
    KwSetOrientation = 41, KwTargetResolution = 42, KwSetTouchScreen = 43, KwLoadMap = 44, KwEnd = 45,
    KwRead = 46, KwSort = 47, KwLoadImage = 48, KwRgb = 49, KwLoadMultiImage = 50, KwGameA = 51,
    KwRightKey = 58, KwLoadWav = 60, KwLoadMp3 = 61, KwLoadMid = 62, KwRem = 63, KwHorizontal = 64,
    KwVertical = 65,
};

inline constexpr int builtinJoyPad = 208;
