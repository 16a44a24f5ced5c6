"""The general entries: index, the user's guide and the variable viewer.

Each entry is a list of pages; each page a list of paragraphs, which
help_format wraps. Indented lines stay as written.
"""

INDEX = [
    """Welcome to OrbBasic, a BASIC for small phone games.

Type a word into Search and press Enter to find it: a command (Print, Sprite) or ERROR and a number (ERROR 12).

General / Editor lists the guides, Errors Msgs every message, Command Ref every command. Copy Code puts an entry's example on the clipboard.

Start with the userguide entry.""",
]

USERGUIDE = [
    """Getting started

OrbBasic has two programs: orbbasic, the editor and compiler, and orbrt, which runs a program in a phone emulator. Build them with scripts/build; they land in build/bin together with their data files and this help.

Start the editor with build/bin/orbbasic, type a program and press F1.""",
    """The editor

  F1  Run: compile, then run in the emulator
  F2  Test: compile only; No errors or the first fault
  F4  Last error: the message, caret on its line
  F9  Help on the word at the caret

Only the first fault is reported. Explain in the error window opens its page here.""",
    """The phone window

  Arrow keys   Up Down Left Right (-1 to -4)
  Enter        Select (-5)
  F1 to F4     GameA to GameD (-6 to -9)
  Mouse        the touch screen

Rot turns the phone between portrait and landscape. Tilt opens three sliders that stand for the tilt sensors (TiltX, TiltY, TiltZ). JoyPad On shows an on-screen pad; touch its arrows and buttons with the mouse.

After an error or End the screen freezes and the strip below names the message; press a key to close.""",
    """The variable viewer and packaging

When a run ends, Variable Viewer lists the global variables with their last values. See the variableviewer entry.

Compile in the Program menu builds a phone package (a JAR and a JAD file for MIDP-2.0 phones) from the program, its pictures, sounds and map files. Vendor, Version and SetIcon name the package. With ProGuard installed the package keeps only the parts of the phone classes the program uses; without it the Compile dialog says "Not shrunk".

On the phone the program's screen is scaled to fit the phone's screen. The soft keys are the keys -6 (left) and -7 (right) to the program; holding both together closes a running program, as Exit does. When the program has ended, the strip at the bottom shows the message and "Exit" over the right soft key: that key, or any other, quits.""",
    """The language: values

A name without suffix holds a whole number (32 bits), a name with # a float, a name with $ a string of up to 1024 characters: score, speed#, name$ are three kinds. Case does not matter in names and keywords.

Numbers: 42, 2.5, $FF (hex), 'A' (65). Strings in double quotes, with no way to write a quote inside; use Chr$(34).

Functions that give a string end in $ (Left$, Str$), functions that give a float in # (Sqrt#, Sin#).""",
    """The language: operators

There is no operator precedence: operators work strictly from left to right. 2 + 3 * 4 is 20, not 14. Brackets group what must be worked out first: 2 + (3 * 4) is 14.

Operators: + - * / and Mod. Strings join with +. Comparisons: = <> < > <= >=; strings only with = and <>.""",
    """Numbers and types: mixed kinds

The kind of the target sets the mode of the whole expression: x = ... works in whole numbers, x# = ... in floats, and every float in a whole-number expression is cut to a whole number (towards 0) before it is used.

  x# = 37.9 : i = 2 * x#     i is 74 (2 * 37)
  z = 0.5 + 0.7              z is 0 (0 + 0)
  f# = 0.5 + 0.7             f# is 1.2
  i = 7 / 2                  i is 3""",
    """Numbers and types: floats

Floats are IEEE single precision everywhere, in the emulator and on the phone: about seven digits. Print shows up to six decimals, without the zeros at the end, so Print 37.9 shows 37.900002, the nearest single-precision value, and Print 1.5 shows 1.5. Compare floats with < or >, not =.

Whole numbers are 32 bits: -2147483648 to 2147483647; beyond, they wrap round.""",
    """Numbers and types: conditions and loops

If takes comparisons joined by And and Or. And binds closer than Or: If a = 1 Or b = 1 And c = 1 means a = 1, or else both of the others. The tests run left to right and stop as soon as the answer is known. While and Until take one comparison, with no And or Or.

A For body always runs at least once: For i = 5 To 1 runs it once with i = 5, since the test comes at Next.""",
    """Numbers and types: arrays

The main program has 5000 slots of each kind (whole numbers, floats, strings) and each procedure 5000 of each kind for its own variables. A plain variable takes one slot, an array one per element: Dim a(100)(50) takes 5000, all the whole-number slots. More is compile error 48.

Arrays have up to four dimensions, each index in its own brackets: a(3)(7), never a(3, 7). Indexes count from 1; a(0) is error 97, Out of range.""",
    """The language: arrays and flow

Dim a(10) makes elements a(1) to a(10): indexes count from 1. Dim m(4)(4) has two dimensions.

If ... Then on one line, or If ... Else ... EndIf as a block. Loops: For ... Next, While ... Wend, Repeat ... Until, Do ... Loop with ExitFor, ExitWhile, ExitRepeat, ExitLoop.

Labels are a name and a colon at the start of a line; Goto jumps to one. Several statements share a line with colons; a semicolon or Rem starts a comment.""",
    """The language: procedures

  Procedure Add[a, b]
  EndProc a + b
  Print Add[2, 3]

Procedures take up to eight parameters in square brackets and may return a value with EndProc or ExitProc. A # or $ on the name makes them return a float or a string. Their variables are local, and they do not see the main program's variables either; Global makes a variable shared by all.""",
    """The language: files and definitions

Include "file" compiles another source file in place.

Define NAME = text replaces NAME by the text from then on. DefFn NAME(A, B) = text replaces each use with the arguments put in. No brackets are added, so write them in the text.

Pictures, sounds and maps load with LoadImage, LoadMultiImage, LoadWav, LoadMid, LoadMp3 and LoadMap, named relative to the program's folder.""",
    """Drawing and the screen

Everything is drawn into a screen buffer; Update shows it, then the tile map and the sprites, and paces the program (SetSpeed). A program that draws must call Update.

Colours are Rgb(r, g, b). Text goes where the text cursor stands (Locate, Print) or at a pixel (Text). Print items follow on the same row; Print alone starts a new row.""",
]

VARIABLE_VIEWER = [
    """The variable viewer

After a program run ends, the variable viewer lists every named global variable with the value it had at the end: whole numbers, then floats (with #), then strings (with $). Array elements appear one per line, as a(1), a(2) and so on.

Variables local to procedures are not listed. The first line of the error file tells how the run ended; F4 shows it.""",
    """Arrays in the variable viewer

An array of two or more dimensions is listed flat, the last index running fastest: after Dim s(3)(8) the list shows s(1) to s(24), and s(9) is s(2)(1), s(k) being s(i)(j) for k = (i - 1) * 8 + j.""",
]
