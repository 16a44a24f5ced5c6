"""The error pages: one per message code, 0 to 124, in code order.

Each row is (code, what causes it and how to fix it, example); the page's
title is the message itself, read from the tables the programs are built from
(message_tables.py). Codes up to 87 come from the compiler, 88 and above from
a running program.
An example shows a line that raises the message; it is plain text, not
example code, since it is meant to fail.
"""

ERRORS = [
    (0, "The program compiled without a fault. Test shows this with the number of lines read "
     "(lines of Include files count too).",
     "F2 on a three-line program shows: No errors|Total Lines 3"),
    (1, "The compiler met something it cannot read here: a statement that does not start with "
     "a word, an unknown word followed by more text, a value missing, or a stray character. Check the spelling "
     "of the keyword and the punctuation of the statement. Habits from other BASICs end here too: a(1, 2) for "
     "an element of a two-dimensional array (write a(1)(2)), and Else on a one-line If (use the block form).",
     "Prnt 5"),
    (2, "Text is left over after a complete statement. Often two "
     "statements on one line without a colon between them, And/Or in a While or Until condition, which take "
     "a single comparison, or a name after Next: Next closes the innermost For loop and takes no name.",
     "While a = 1 And b = 2"),
    (3, "The same label is defined twice in the main program or in one procedure. "
     "Rename one of them.", "start:\nstart:"),
    (4, "The compiler ran out of memory while recording labels or loops. Make the program "
     "smaller or close other programs.", "a program with tens of thousands of loops"),
    (5, "The program uses 10000 labels or more, counting the hidden ones that loops "
     "and procedures make. Split the program into fewer, larger loops.", "a Goto to the ten-thousandth label"),
    (6, "Goto or Restore must be followed by a label name.", "Goto"),
    (7, "A statement is longer than 250 characters, a Vendor text longer than 50, or a line "
     "of an Include file or a definition longer than 251. Split it over several lines.", "Vendor \"A vendor name much longer than fifty characters in all\""),
    (8, "A label is used by Goto or Restore but never defined. Define it as the name "
     "followed by a colon at the start of a line, in the same procedure.", "Goto finish"),
    (9, "A statement that loads a file needs the name in double quotes.",
     "LoadImage ball.png, 1"),
    (10, "The file name or Vendor text is not closed by a double quote, or is empty.",
     'Vendor "Orb Games'),
    (11, "The named file does not exist or cannot be read. Names are relative to the folder "
     "of the source file; check the spelling and the case of the name.", 'LoadImage "missing.png", 1'),
    (12, "Define or DefFn must be followed by a name starting with a letter. This also "
     "happens when the name is already defined: it is replaced by its text before the definition is read.",
     "Define 3D = 1"),
    (13, "The name of a definition ends in a character other than a blank, = or (.",
     "Define SIZE! = 3"),
    (14, "A definition name is longer than 61 characters. Choose a shorter name.", "Define A23456789012345678901234567890123456789012345678901234567890X = 1"),
    (15, "A keyword is used as the name of a variable, array, procedure, label or "
     "definition, or a value is assigned to one (step = 0, timer = 1). Choose another name; the command line "
     "names the keyword. Note that a$ and a are different names, so Str is allowed but not Str$.",
     "Print = 5"),
    (16, "A DefFn needs its parameter list in brackets, and every use of it needs "
     "brackets too, as in Rgb(1, 2, 3).", "Ink Rgb"),
    (17, "DefFn parameters are single letters.",
     "DefFn SQ(XX) = XX * XX"),
    (18, "A DefFn has more than nine parameters or is used with more than nine "
     "arguments, or a comma follows the last argument of a bracketed built-in call.", "x = Abs(1, 2)"),
    (19, "A definition needs = followed by its text.", "Define SPEED"),
    (20, "A DefFn parameter list or the argument list of a DefFn use is not "
     "closed by a bracket.", "DefFn F(A B) = A"),
    (21, "A DefFn is used with a different number of arguments than it has "
     "parameters.", "Ink Rgb(1, 2)"),
    (22, "A DefFn parameter letter appears twice (case does not matter).",
     "DefFn F(A, a) = A"),
    (23, "The program has used up its variable slots. Use arrays instead of many "
     "single variables.", "the ten-thousandth variable of a procedure"),
    (24, "A string is given where a number is wanted, or the reverse. The message names the "
     "command and the parameter. Use Str$ and Val to convert, and check the suffixes: a$ is a string, a# a "
     "float, a a whole number.", 'Ink "red"'),
    (25, "A character literal in single quotes is not closed.", "x = 'A"),
    (26, "A hexadecimal number (after $) is followed by a letter G to Z.", "x = $fg"),
    (27, "A string is not closed by a double quote. Strings cannot contain a double quote; use "
     "Chr$(34).", 'Print "hello'),
    (28, "Brackets are not balanced in an expression or call.", "x = (1 + 2"),
    (29, "Dim, Global or a parameter list needs a name here.", "Global 5"),
    (30, "Dim or Global names a variable that is already used. Declare arrays and "
     "globals before they are first used.", "x = 1\nGlobal x"),
    (31, "An array name must be followed by its size or index in brackets.",
     "Dim a"),
    (32, "An array has more than five dimensions in Dim, or an element is written with "
     "more than four index groups.", "Dim a(2)(2)(2)(2)(2)(2)"),
    (33, "The size is missing in Dim.", "Dim a("),
    (34, "Array sizes must be whole numbers written as digits (or a Define that "
     "stands for one), in brackets.", "Dim a(n)"),
    (35, "The same array is declared twice.", "Dim a(5)\nDim a(6)"),
    (36, "An array element is written with a different number of index groups "
     "than the array has dimensions.", "Dim g(3)(4)\ng(3) = 1"),
    (37, "A name followed by a bracket is neither an array nor a function of that type. "
     "Declare the array with Dim, or add the suffix of a string or float function: Str$(5), Sqrt#(2.0).",
     "x = Str(5)"),
    (38, "A command (such as Cls or Ink) is used where a value is wanted.",
     "x = Cls"),
    (39, "A function with parameters must have its arguments in brackets.", "x = Abs 5"),
    (40, "A call has fewer arguments than the command needs, or SetResolution or "
     "TargetResolution lacks its comma.", "Line 0, 0, 10"),
    (41, "A call has more arguments than the command takes.", "Cls 1"),
    (42, "A Procedure starts inside another. Close the first with EndProc.",
     "Procedure A\nProcedure B"),
    (43, "Procedure, or one of its parameters, has no name.", "Procedure"),
    (44, "A procedure is not closed by EndProc before the end of the program.", "Procedure Tick\nx = 1\n(and the program ends)"),
    (45, "A procedure has the name of a variable already in use.",
     "speed = 1\nProcedure speed"),
    (46, "A procedure is called but never defined. A misspelt command on its own is "
     "taken as a procedure call, so check the spelling too.", "Clss"),
    (47, "A procedure has more than eight parameters.", "Procedure P[a, b, c, d, e, f, g, h, i]"),
    (48, "There are more variables than the slots allow: the main program has 5000 slots "
     "of each kind (whole numbers, floats, strings), and each procedure 5000 of each kind for its own "
     "variables. Every plain variable takes one slot and an array one per element, so Dim a(100)(100) takes "
     "10000. The command line says how many the program asked for. Use smaller arrays.", "Dim big(5001)"),
    (49, "Strings can be joined with + but not subtracted, multiplied or divided.",
     'a$ = "x" - "y"'),
    (50, "EndProc or ExitProc stands outside a procedure.", "EndProc"),
    (51, "A procedure call's argument list is not closed by ].", "Move[1, 2"),
    (52, "A procedure is called with fewer arguments than it has parameters. "
     "Arguments go in square brackets: Add[1, 2], not Add(1, 2).",
     "Procedure Add[a, b]\nEndProc a + b\nx = Add[1]"),
    (53, "A procedure is called with more arguments than it has parameters, or with "
     "more than eight.", "Procedure Hi\nEndProc\nHi[1]"),
    (54, "Two procedures have the same name and type.", "Procedure Go\nEndProc\nProcedure Go\nEndProc"),
    (55, "A condition needs a comparison such as = or <.", "If x Then Print 1"),
    (56, "A block If (one without Then) is not closed by EndIf. The line named is the If's "
     "line.", "If x = 1\nPrint x"),
    (57, "EndIf with no open block If.", "EndIf"),
    (58, "Procedures cannot be defined inside an If or a loop. Move the "
     "procedure out.", "For i = 1 To 3\nProcedure P"),
    (59, "An If with Then ends at the end of its line and takes no EndIf. Drop "
     "Then to make a block If.", "If x = 1 Then Print x\nEndIf"),
    (60, "Else stands outside a block If, or after a single-line If with Then. A one-line "
     "If has no Else: write If, Else and EndIf on lines of their own.", "Else"),
    (61, "A block If has two Else parts. Use Else If for further tests.", "If a = 1\nElse\nElse\nEndIf"),
    (62, "A Do is not closed by Loop. The line named is the Do's line.", "Do\nx = 1"),
    (63, "A name is longer than 27 characters.", "abcdefghijklmnopqrstuvwxyz12 = 1"),
    (64, "Loop without an open Do.", "Loop"),
    (65, "ExitLoop outside a Do loop.", "ExitLoop"),
    (66, "EndProc stands inside an open If or loop. Close them first; use ExitProc "
     "to leave early.", "Procedure P\nIf a = 1\nEndProc"),
    (67, "A Repeat is not closed by Until.", "Repeat\nx = 1"),
    (68, "Until or ExitRepeat outside a Repeat loop.", "Until x = 1"),
    (69, "A While is not closed by Wend.", "While x < 3\nx = x + 1"),
    (70, "Wend or ExitWhile outside a While loop.", "Wend"),
    (71, "A For is not closed by Next. The line named is the For's line.",
     "For i = 1 To 3\nPrint i"),
    (72, "A For loop counts with a number, not a string.", 'For a$ = 1 To 3'),
    (73, "Next or ExitFor outside a For loop.", "Next"),
    (74, "A header statement needs whole numbers written as digits.",
     "SetResolution w, h"),
    (75, "A header statement (SetResolution, SetOrientation, TargetResolution, "
     "SetTouchScreen, SetIcon) appears twice.", "SetResolution 240, 320\nSetResolution 176, 208"),
    (76, "A header value is out of range: sizes at least 96 x 54, orientation and touch "
     "screen 0 or 1.", "SetResolution 95, 200"),
    (77, "Strings can only be compared with = and <>.", 'If a$ < "m" Then Print a$'),
    (78, "Data items must be literal numbers or strings, not names or expressions.",
     "Data x"),
    (79, "Sort needs an array name.", "Sort 5"),
    (80, "A load statement lacks its slot number.", 'LoadWav "boom.wav",'),
    (81, "A load statement lacks a comma between the file name and the numbers.",
     'LoadImage "ball.png" 1'),
    (82, "Image numbers run from 1 to 9999.", 'LoadImage "ball.png", 0'),
    (83, "Pictures and icons must be PNG files. Convert other formats first.",
     'LoadImage "ball.gif", 1'),
    (84, "A sound slot is out of range: WAV 1 to 64, MIDI and MP3 1 to 8.",
     'LoadWav "boom.wav", 65'),
    (85, "LoadWav needs a .wav file, LoadMid a .mid, LoadMp3 a .mp3.",
     'LoadWav "tune.mid", 1'),
    (86, "Reserved; the compiler does not report it.", "(never reported)"),
    (87, "Reserved; the compiler does not report it.", "(never reported)"),
    (88, "The program window was closed. Not a fault. A program that runs past its last line "
     "ends with 110 End of program instead, since the compiler closes every program with End; the code 0 with "
     "this message comes only from a program image that has no End.", "closing the phone window"),
    (89, "A data file that exists could not be read, such as a map file without read "
     "permission.", "LoadMap of a file without read permission"),
    (90, "The runtime could not get the memory it needed, for a buffer, an image or very deep "
     "procedure recursion. Use smaller buffers and pictures.", "SetBufferSize 100000, 100000"),
    (91, "The program image could not be held in memory. Build the program again.", "a truncated orb16.tmp"),
    (92, "The program image is damaged. Build it again with Run.", "orb16.tmp edited by hand"),
    (93, "Kept for older programs; no command reports it now.", "(never reported)"),
    (94, "The program image was made by another version of the compiler. Build it "
     "again.", "orb16.tmp from another release"),
    (95, "A jump in the program image leads outside the program. Build it again.", "orb16.tmp edited by hand"),
    (96, "A division or Mod by zero. Test the divisor first.", "x = 10 / n  (n is 0)"),
    (97, "An array index outside 1 to its size, a slot number out of range (sprites 1 to 64, "
     "zones 1 to 16, sound slots), or an argument outside the range its command accepts.",
     "Dim a(3)\na(4) = 1"),
    (98, "A drawing or sprite command uses an image slot with no picture in it. Load it "
     "with LoadImage or LoadMultiImage first.", "DrawImage 0, 0, 7"),
    (99, "A picture file could not be read as a PNG, or has more than 16,777,216 pixels (4096 x 4096).", "LoadImage \"photo.png\", 1 of a file that is no PNG"),
    (100, "An entry command or CloseArchive without an open archive. Call OpenArchive "
     "first.", 'AddEntry "x"'),
    (101, "CloseArchive, or the end of the run with an archive open, could not write the archive file; the folder may be read-only or full, or the name is no archive name (1 to 32 characters without NUL, / or \\ or control characters).", "CloseArchive in a read-only folder"),
    (102, "OpenArchive with mode 0 of an archive that does not exist. Use mode 1 to "
     "create it.", 'OpenArchive "none", 0'),
    (103, "Read, but the program has no Data statement.", "Read x"),
    (104, "Read after the last Data item. Use Restore to start again.", "Data 1\nRead a, b"),
    (105, "Read of a string item into a number, or of a number into a string.",
     'Data "x"\nRead n'),
    (106, "A map command before CreateMap or LoadMap.", "SetTile 0, 0, 1"),
    (107, "OpenArchive while another archive is open. Close it first.", "OpenArchive \"a\", 1\nOpenArchive \"b\", 1"),
    (108, "DeleteArchive of an archive that does not exist.", "DeleteArchive \"never\""),
    (109, "The archive file exists but could not be deleted.", "DeleteArchive in a read-only folder"),
    (110, "The program ran End, or ran past its last line (the compiler closes every program "
     "with End). Not a fault.", "End"),
    (111, "A call with more than eight arguments.", "a call with nine arguments in a damaged image"),
    (112, "The runtime found no program image in the work folder. Run the program "
     "from the editor (F1) or with orbbasic --run.", "orbrt started on an empty folder"),
    (113, "The runtime could not open its window or drawing device. Check the "
     "display, or run headless as the README explains.", "orbrt on a machine without graphics"),
    (114, "mobilefont.png is missing beside orbrt. Reinstall or rebuild.", "mobilefont.png deleted from build/bin"),
    (115, "A WAV file could not be read: missing, or not a PCM WAV file.", "LoadWav \"broken.wav\", 1 of a file that is no WAV"),
    (116, "PlayWav, StopWav or WavVol of an empty slot.", "PlayWav 5"),
    (117, "A MIDI file could not be opened.", "LoadMid \"broken.mid\", 1 of a file that is no MIDI"),
    (118, "A MIDI command on an empty slot.", "PlayMid 2"),
    (119, "An MP3 file could not be opened.", "LoadMp3 \"broken.mp3\", 1 of a file that is no MP3"),
    (120, "An MP3 command on an empty slot.", "PlayMp3 2"),
    (121, "MIDI music could not be started; a sound font may be missing.", "PlayMid with no MIDI sound font installed"),
    (122, "MP3 music could not be started.", "PlayMp3 of a damaged file"),
    (123, "A file the program loads (a picture, sound or map) is missing. Names are "
     "relative to the program's folder.", "LoadImage \"ball.png\", 1 with ball.png moved away"),
    (124, "ScreenOffset puts the screen partly outside the screen buffer; the fault "
     "shows at the next Update. Keep the offset between 0 and the buffer size minus the screen size.",
     "ScreenOffset 5000, 0\nUpdate"),
]
