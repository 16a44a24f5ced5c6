package program;

import static program.GameDesign.*;

import java.io.InputStream;
import java.io.Writer;
import java.util.Calendar;
import javax.microedition.lcdui.Canvas;
import javax.microedition.lcdui.Display;
import javax.microedition.lcdui.Font;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import javax.microedition.rms.RecordStore;
import javax.microedition.rms.RecordStoreException;
import javax.microedition.rms.RecordStoreNotFoundException;
import javax.microedition.media.Manager;
import javax.microedition.media.MediaException;
import javax.microedition.media.Player;
import javax.microedition.media.control.VolumeControl;

/**
 * The game class. The package builder inserts the compiled main program into
 * runMain and the compiled procedures into runProc; the methods below them
 * are what that code calls. Every label of the inserted code is given a
 * stack-map frame with the locals that runMain and runProc declare, so the
 * inserted code keeps those locals of those types throughout.
 */
public class TheGameCanvas extends Canvas implements Runnable {
    static final int LINE_HEIGHT = 12, CHARACTER_WIDTH = 8, REGISTER_LENGTH = 1024;

    private final GameMidlet midlet;
    private final GameDesign design = new GameDesign();
    private int[] font;
    private int fontWidth, fontHeight;

    /** Global and main-program variables, by slot. */
    public int[] ints = new int[0];
    public float[] floats = new float[0];
    public String[] strings = new String[0];
    /** The procedure frame runMain hands to calls. */
    public locals frame = new locals(0, 0, 0);
    /** Results of the last procedure or built-in call, by kind. */
    public int intResult;
    public float floatResult;
    public String stringResult = "";

    /** The source line of the statement being run, for the end message. */
    public int line;
    private int dataPointer;
    private volatile boolean closing;
    private int endMessage = -1;
    private String endText;

    public TheGameCanvas(GameMidlet midlet) {
        this.midlet = midlet;
        setFullScreenMode(true);
    }

    public void run() {
        try {
            startUp();
            runMain();
            endMessage = MESSAGE_END_OF_PROGRAM;
        } catch (Throwable t) {
            // fail() has set the message. The machine running out of heap or
            // stack (deep recursion) is "Out of memory", as on the desktop;
            // anything else is a fault of the phone runtime.
            if (endMessage < 0)
                endMessage = t instanceof VirtualMachineError ? MESSAGE_OUT_OF_MEMORY : MESSAGE_PROGRAM_ERROR;
        }
        stopAllSound();
        showEnd();
    }

    /**
     * The compiled main program is inserted before the final return. Its
     * locals, which every label's frame declares: two longs and two floats
     * for scratch values, two texts, and the procedure frame for calls. The
     * two "a = b" (lload_3 lstore_1) and the return are the end marker the
     * package builder finds; the class build pads with nop so the return
     * stands at code offset 72.
     */
    public void runMain() {
        long a = 0L;
        long b = 0L;
        float f = 0f;
        float h = 0f;
        String s = null;
        String t = null;
        locals l = frame;
        a = b;
        a = b;
    }

    /**
     * The compiled procedures are inserted after the three "a = b" (lload 5
     * lstore_3), the insertion marker, which the class build moves to end at
     * code offset 95. The inserted code dispatches on proc and runs with the
     * procedure's variables in l; "return 0" is reached only when no
     * procedure matches.
     */
    public int runProc(locals l, int proc) {
        long a = 0L;
        long b = 0L;
        float f = 0f;
        float h = 0f;
        String s = null;
        String t = null;
        a = b;
        a = b;
        a = b;
        return 0;
    }

    // ======== the program: steps, calls, operators, constants, Print, the end (runtime/interp) ========

    // ---- set-up ----

    /** Sizes the variable tables of the main program. */
    public void setUp(int intCount, int floatCount, int stringCount) {
        ints = new int[intCount];
        floats = new float[floatCount];
        strings = new String[stringCount];
        for (int i = 0; i < stringCount; i++) strings[i] = "";
    }

    /**
     * Called before each statement: notes its source line for the end
     * message, stops the program when the user chose Exit, and turns the
     * screen when the phone has turned.
     */
    public void step(int sourceLine) {
        line = sourceLine;
        if (closing) fail(MESSAGE_PROGRAM_CLOSED);
        turnIfDue();
    }

    /** Called at every label, so that a loop without a new line still stops on Exit. */
    public void poll() {
        if (closing) fail(MESSAGE_PROGRAM_CLOSED);
    }

    /**
     * Runs a procedure with its frame, the arguments already in it; the
     * caller's line is back afterwards, for the messages of later errors. A
     * way out that gives no value leaves the results 0, 0.0 and empty.
     */
    public int call(locals procedureFrame, int proc) {
        int callerLine = line;
        intResult = 0;
        floatResult = 0f;
        stringResult = "";
        int result = runProc(procedureFrame, proc);
        line = callerLine;
        return result;
    }

    // ---- arithmetic that can fail ----

    public int divide(int a, int b) {
        if (b == 0) fail(MESSAGE_DIVIDE_BY_ZERO);
        return a / b;
    }

    /** The remainder keeps the sign of the dividend, as Java's % does. */
    public int modulo(int a, int b) {
        if (b == 0) fail(MESSAGE_DIVIDE_BY_ZERO);
        return a % b;
    }

    /** Float % works on both sides truncated to integers. */
    public float moduloFloat(float a, float b) {
        return (float) modulo(toInt(a), toInt(b));
    }

    /**
     * A float taken as an integer: truncated toward zero; a value outside the
     * integer range, or not a number, gives the most negative integer.
     */
    public static int toInt(float f) {
        if (!(f > -2147483904f && f < 2147483648f)) return Integer.MIN_VALUE;
        return (int) f;
    }

    /**
     * Checks an array element's 0-based index, its dimensions already
     * flattened, against the array's highest index.
     */
    public int index(int i, int highest) {
        if (i < 0 || i > highest) fail(MESSAGE_OUT_OF_RANGE);
        return i;
    }

    /** Texts compare byte for byte, case-sensitive. */
    public static boolean textEqual(String a, String b) {
        return a.equals(b);
    }

    // ---- constants ----

    public int intConstant(int n) { return design.intPool[n]; }

    public float floatConstant(int n) { return design.floatPool[n]; }

    public String stringConstant(int n) { return design.stringPool[n]; }

    // ---- joined strings and the text of numbers ----

    /** A string register holds at most 1024 characters; the rest is dropped. */
    public String concat(String a, String b) {
        if (a.length() >= REGISTER_LENGTH) return a.substring(0, REGISTER_LENGTH);
        StringBuffer s = new StringBuffer(a);
        int room = REGISTER_LENGTH - a.length();
        if (b.length() > room) s.append(b.substring(0, room));
        else s.append(b);
        return s.toString();
    }

    public String intText(int n) { return Integer.toString(n); }

    /** The text of C's "%f" (six decimals, rounded exactly, half to even) less trailing zeros but one. */
    public String floatText(float f) {
        int bits = Float.floatToIntBits(f);
        boolean negative = bits < 0;
        int exponent = (bits >> 23) & 0xFF;
        int mantissa = bits & 0x7FFFFF;
        if (exponent == 0xFF) return mantissa != 0 ? (negative ? "-nan" : "nan") : (negative ? "-inf" : "inf");
        if (exponent == 0) exponent = 1;
        else mantissa |= 0x800000;
        int shift = exponent - 150;   // value = mantissa * 2^shift
        StringBuffer text = new StringBuffer();
        if (negative) text.append('-');
        if (shift >= 0) {
            text.append(integerText(mantissa, shift));
            text.append(".0");
            return text.toString();
        }
        // mantissa * 10^6 < 2^44, so the scaled value and its remainder fit a long.
        long scaled = (long) mantissa * 1000000L;
        int k = -shift;
        long millionths;
        if (k >= 45) {
            millionths = 0;   // below half a millionth
        } else {
            millionths = scaled >> k;
            long rest = scaled & ((1L << k) - 1);
            long half = 1L << (k - 1);
            if (rest > half || (rest == half && (millionths & 1) != 0)) millionths++;
        }
        text.append(millionths / 1000000L);
        text.append('.');
        int fraction = (int) (millionths % 1000000L);
        char[] digits = new char[6];
        for (int i = 5; i >= 0; i--) {
            digits[i] = (char) ('0' + fraction % 10);
            fraction /= 10;
        }
        int end = 6;
        while (end > 1 && digits[end - 1] == '0') end--;
        text.append(new String(digits, 0, end));
        return text.toString();
    }

    /** Decimal digits of mantissa * 2^shift, exactly. */
    private static String integerText(int mantissa, int shift) {
        int[] digits = new int[48];   // least significant first; 2^128 has 39 digits
        int length = 0;
        for (int m = mantissa; m > 0; m /= 10) digits[length++] = m % 10;
        for (int i = 0; i < shift; i++) {
            int carry = 0;
            for (int d = 0; d < length; d++) {
                int v = digits[d] * 2 + carry;
                digits[d] = v % 10;
                carry = v / 10;
            }
            if (carry > 0) digits[length++] = carry;
        }
        if (length == 0) return "0";
        char[] text = new char[length];
        for (int d = 0; d < length; d++) text[length - 1 - d] = (char) ('0' + digits[d]);
        return new String(text);
    }

    // ---- Print ----

    /** Print of a string: the empty string only moves the cursor to the next text line. */
    public void print(String text) {
        if (text.length() == 0) {
            textX = 0;
            textY = saturated((long) textY + LINE_HEIGHT);
        } else {
            drawText(text, textX, textY, true);
            console("print ", text);
        }
    }

    public void printInt(int n) { print(intText(n)); }

    public void printFloat(float f) { print(floatText(f)); }

    private void loadFont() {
        try {
            Image image = Image.createImage("/mobilefont.png");
            fontWidth = image.getWidth();
            fontHeight = image.getHeight();
            font = new int[fontWidth * fontHeight];
            image.getRGB(font, 0, fontWidth, 0, 0, fontWidth, fontHeight);
        } catch (java.io.IOException e) {
            font = null;   // text then draws nothing, as with a font image of no pixels
        }
    }

    // ---- Sort: ascending bubble sort of slots first to last, stopping after a pass without a swap ----

    public void sortInts(int[] table, int first, int last) {
        for (int pass = first + 1; pass <= last; pass++) {
            boolean swapped = false;
            for (int p = last; p >= pass; p--) {
                if (table[p - 1] > table[p]) {
                    int t = table[p - 1];
                    table[p - 1] = table[p];
                    table[p] = t;
                    swapped = true;
                }
            }
            if (!swapped) return;
        }
    }

    public void sortFloats(float[] table, int first, int last) {
        for (int pass = first + 1; pass <= last; pass++) {
            boolean swapped = false;
            for (int p = last; p >= pass; p--) {
                if (table[p - 1] > table[p]) {
                    float t = table[p - 1];
                    table[p - 1] = table[p];
                    table[p] = t;
                    swapped = true;
                }
            }
            if (!swapped) return;
        }
    }

    public void sortStrings(String[] table, int first, int last) {
        for (int pass = first + 1; pass <= last; pass++) {
            boolean swapped = false;
            for (int p = last; p >= pass; p--) {
                if (textGreater(table[p - 1], table[p])) {
                    String t = table[p - 1];
                    table[p - 1] = table[p];
                    table[p] = t;
                    swapped = true;
                }
            }
            if (!swapped) return;
        }
    }

    /**
     * Sort order of texts: the empty text first; otherwise ASCII upper case,
     * as signed 8-bit characters, up to the shorter length; a prefix counts
     * as equal, so the pair keeps its order.
     */
    static boolean textGreater(String lower, String upper) {
        if (upper.length() == 0) return lower.length() != 0;
        if (lower.length() == 0) return false;
        int n = Math.min(lower.length(), upper.length());
        for (int i = 0; i < n; i++) {
            int a = (byte) asciiUpper(lower.charAt(i)), b = (byte) asciiUpper(upper.charAt(i));
            if (a != b) return a > b;
        }
        return false;
    }

    private static char asciiUpper(char c) {
        return c >= 'a' && c <= 'z' ? (char) (c - 32) : c;
    }

    // ---- ending ----

    public void end() { fail(MESSAGE_END_OF_PROGRAM); }

    /** Stops the program with a run-time message; the first one wins. */
    public void fail(int message) {
        if (endMessage < 0) endMessage = message;
        throw new RuntimeException();
    }

    /** The Exit command: the running program stops as "Program closed"; at the end screen it quits. */
    void close() {
        closing = true;
        keyAfterEnd();
    }

    private synchronized void keyAfterEnd() {
        if (endText != null) notifyAll();
    }

    /**
     * The end message goes to a strip below the frozen screen and to the
     * console; a key or the Exit command then ends the MIDlet.
     */
    private void showEnd() {
        StringBuffer text = new StringBuffer(GameDesign.MESSAGES[endMessage]);
        text.append("|Line ");
        text.append(line);
        synchronized (this) {
            endText = text.toString();
        }
        console("end ", endText);
        repaint();
        serviceRepaints();
        synchronized (this) {
            try {
                wait();
            } catch (InterruptedException e) {
                // quit all the same
            }
        }
        midlet.quit();
    }

    /**
     * Every text drawn and the end line go to a listener when there is one:
     * the test host offers one by the name below and makes its log of them.
     * A phone has no such class, so the texts go nowhere and cost nothing.
     */
    private static final Writer listener = findListener();

    private static Writer findListener() {
        try {
            return (Writer) Class.forName("orbhost.TextListener").newInstance();
        } catch (Throwable t) {
            return null;
        }
    }

    private static void console(String kind, String text) {
        if (listener == null) return;
        try {
            StringBuffer line = new StringBuffer(kind);
            line.append(text);
            line.append('\n');
            listener.write(line.toString());
        } catch (java.io.IOException e) {
            // a listener that stops listening changes nothing for the program
        }
    }

    /**
     * The frame fills the canvas when they are of a size, as on a phone that
     * scales on its own (the Nokia display-size attributes). Otherwise it is
     * scaled to the canvas keeping its aspect ratio, centred, each canvas
     * pixel taking the frame pixel under it, so pixels stay sharp; drawRGB
     * never gets more than the canvas holds, which some phones refuse. A
     * frame not at the left edge goes in whole rows from x = 0, its bars
     * black, since some phones' drawRGB without alpha ignores x.
     */
    protected void paint(Graphics target) {
        int canvasWidth = getWidth(), canvasHeight = getHeight();
        target.setColor(0);
        target.fillRect(0, 0, canvasWidth, canvasHeight);
        synchronized (shownFrameLock) {
            if (shownFrame != null) {
                fitFrame(canvasWidth, canvasHeight);
                if (fittedX == 0 && fittedWidth == screenWidth && fittedHeight == screenHeight)
                    target.drawRGB(shownFrame, 0, screenWidth, 0, fittedY, screenWidth, screenHeight, false);
                else if (fittedWidth > 0 && fittedHeight > 0)
                    target.drawRGB(scaledRows(canvasWidth), 0, canvasWidth, 0, fittedY, canvasWidth, fittedHeight, false);
            }
        }
        String message = endText;
        if (message != null) {
            // The strip is as tall as the phone's own font, whatever its size.
            Font font = Font.getDefaultFont();
            int stripHeight = font.getHeight() + 4;
            int y = canvasHeight - stripHeight;
            target.setColor(0);
            target.fillRect(0, y, canvasWidth, stripHeight);
            target.setColor(0xFFFFFF);
            target.drawString(message, 2, y + 2, Graphics.TOP | Graphics.LEFT);
            target.drawString(EXIT_LABEL, canvasWidth - 2, y + 2, Graphics.TOP | Graphics.RIGHT);
        }
    }

    /** Above the right soft key while the end strip waits: that key, like any other, ends the MIDlet. */
    static final String EXIT_LABEL = "Exit";

    /** Where the frame stands on the canvas and how large; set by fitFrame under shownFrameLock. */
    private int fittedX, fittedY, fittedWidth, fittedHeight;
    private int[] scaled = new int[0];

    private void fitFrame(int canvasWidth, int canvasHeight) {
        if (canvasWidth == screenWidth && canvasHeight == screenHeight) {
            fittedWidth = screenWidth;
            fittedHeight = screenHeight;
        } else if ((long) canvasWidth * screenHeight <= (long) canvasHeight * screenWidth) {
            fittedWidth = canvasWidth;
            fittedHeight = (int) ((long) screenHeight * canvasWidth / screenWidth);
        } else {
            fittedHeight = canvasHeight;
            fittedWidth = (int) ((long) screenWidth * canvasHeight / screenHeight);
        }
        fittedX = (canvasWidth - fittedWidth) / 2;
        fittedY = (canvasHeight - fittedHeight) / 2;
    }

    /** The canvas rows the fitted frame covers: black, the frame at its fitted size (nearest pixel) between. */
    private int[] scaledRows(int canvasWidth) {
        if (scaled.length != canvasWidth * fittedHeight) scaled = new int[canvasWidth * fittedHeight];
        for (int y = 0; y < fittedHeight; y++) {
            int from = (int) ((long) y * screenHeight / fittedHeight) * screenWidth;
            int row = y * canvasWidth;
            for (int x = 0; x < canvasWidth; x++) {
                int frameX = x - fittedX;
                scaled[row + x] = frameX < 0 || frameX >= fittedWidth ? 0
                        : shownFrame[from + (int) ((long) frameX * screenWidth / fittedWidth)];
            }
        }
        return scaled;
    }

    /** A canvas position in the frame's coordinates; the frame may be scaled and moved on the canvas. */
    private int frameX(int x) {
        synchronized (shownFrameLock) {
            if (fittedWidth <= 0) return x;
            return x < fittedX ? -1 : (int) ((long) (x - fittedX) * screenWidth / fittedWidth);
        }
    }

    private int frameY(int y) {
        synchronized (shownFrameLock) {
            if (fittedHeight <= 0) return y;
            return y < fittedY ? -1 : (int) ((long) (y - fittedY) * screenHeight / fittedHeight);
        }
    }

    // ======== maths (runtime/builtins/maths.cpp) ========

    // Each built-in is named "b" and its keyword; results are exactly the desktop runtime's.

    private int randomSeed = 1;

    /** The most negative integer stays as it is. */
    public int bAbs(int v) { return v < 0 ? -v : v; }

    public float bAbs(float v) { return Math.abs(v); }

    public int bSgn(int v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

    public float bSqrt(float x) { return (float) Math.sqrt(x); }

    public float bSin(float x) { return (float) Math.sin(x); }

    public float bCos(float x) { return (float) Math.cos(x); }

    public float bTan(float x) { return (float) Math.tan(x); }

    public float bAsin(float x) { return (float) arcSine(x); }

    public float bAcos(float x) {
        // Through the half angle, which keeps its precision near 1 and -1.
        if (!(x >= -1f && x <= 1f)) return (float) Double.NaN;
        return (float) (2.0 * arcTangent(Math.sqrt((1.0 - x) / (1.0 + x))));
    }

    public float bAtan(float x) { return (float) arcTangent(x); }

    private static double arcSine(double x) {
        if (!(x >= -1.0 && x <= 1.0)) return Double.NaN;
        if (x == 1.0 || x == -1.0) return x * Math.PI / 2;
        return arcTangent(x / Math.sqrt((1.0 - x) * (1.0 + x)));
    }

    /**
     * CLDC has no arc tangent: the argument is brought below 1, then halved
     * in angle until small, where the series converges in a few terms.
     */
    private static double arcTangent(double x) {
        if (x != x) return x;
        if (x < 0) return -arcTangent(-x);
        if (x > 1.0) return Math.PI / 2 - arcTangent(1.0 / x);
        int halvings = 0;
        while (x > 0.125) {
            x = x / (1.0 + Math.sqrt(1.0 + x * x));
            halvings++;
        }
        double square = x * x, term = x, sum = x;
        for (int n = 3; n < 40; n += 2) {
            term *= -square;
            sum += term / n;
        }
        return sum * (1 << halvings);
    }

    /** seed := (seed * 32719 + 3) mod 32749; the seed never leaves 0..65535, so the product fits. */
    public int bRnd(int n) {
        if (n == 0) return 0;
        randomSeed = (randomSeed * 32719 + 3) % 32749;
        return randomSeed % n + 1;
    }

    public void bRandomize(int seed) {
        seed &= 0xFFFF;
        randomSeed = seed == 0 ? 1 : seed;
    }

    /**
     * Steps from (min x, min y) to (x, y) along the line walk to (max x, max
     * y), or -1 when the point is outside that box or the walk misses it.
     */
    public int bInline(int x, int y, int x1, int y1, int x2, int y2) {
        long minX = Math.min(x1, x2), maxX = Math.max(x1, x2);
        long minY = Math.min(y1, y2), maxY = Math.max(y1, y2);
        if (x < minX || x > maxX || y < minY || y > maxY) return -1;
        long dx = maxX - minX, dy = maxY - minY;
        if (dx >= dy) {
            long k = x - minX;
            return minY + minorStepsAfter(k, dy, dx) == y ? (int) k : -1;
        }
        long k = y - minY;
        return minX + minorStepsAfter(k, dx, dy) == x ? (int) k : -1;
    }

    /**
     * Minor steps after k major steps: floor((2dk + D) / 2D), with d, k <= D.
     * Exact while the extents stay below 2^31; beyond, where 2dk no longer
     * fits a long, in double precision.
     */
    private static long minorStepsAfter(long k, long d, long major) {
        if (major == 0) return 0;
        if (d < 0x80000000L && k < 0x80000000L) return (2 * d * k + major) / (2 * major);
        return (long) Math.floor(((double) d * k * 2 + major) / (2.0 * major));
    }

    public int bMax(int a, int b) { return b > a ? b : a; }

    public float bMax(float a, float b) { return b > a ? b : a; }

    public int bMin(int a, int b) { return b < a ? b : a; }

    public float bMin(float a, float b) { return b < a ? b : a; }

    public int bCalc(int v) { return v; }

    // ======== strings (runtime/builtins/strings.cpp) ========

    // ---- text functions ----

    public String bStr(int n) { return Integer.toString(n); }

    /** Counts below 0 count as 0 and counts beyond the text give all of it. */
    private static int clampCount(int n, int length) { return n < 0 ? 0 : n > length ? length : n; }

    public String bLeft(String s, int n) { return s.substring(0, clampCount(n, s.length())); }

    public String bRight(String s, int n) { return s.substring(s.length() - clampCount(n, s.length())); }

    public String bMid(String s, int p, int n) {
        if (p < 1) p = 1;
        if (n < 1 || p > s.length()) return "";
        return s.substring(p - 1, p - 1 + clampCount(n, s.length() - (p - 1)));
    }

    public int bInstr(int start, String s, String t) {
        if (start < 1) start = 1;
        if (s.length() < (long) start - 1 + t.length()) return 0;
        int found = s.indexOf(t, start - 1);
        return found < 0 ? 0 : found + 1;
    }

    /** Only the ASCII letters change case. */
    public String bToUpper(String s) { return changeCase(s, 'a', 'z', -32); }

    public String bToLower(String s) { return changeCase(s, 'A', 'Z', 32); }

    private static String changeCase(String s, char first, char last, int shift) {
        char[] c = s.toCharArray();
        for (int i = 0; i < c.length; i++)
            if (c[i] >= first && c[i] <= last) c[i] = (char) (c[i] + shift);
        return new String(c);
    }

    public String bChr(int n) { return String.valueOf((char) (n & 0xFF)); }

    /** Characters count as signed 8-bit values. */
    public int bAsc(String s) { return s.length() == 0 ? 0 : (byte) s.charAt(0); }

    public int bLen(String s) { return s.length(); }

    public String bString(String s, int n) {
        if (n > 1020) n = 1020;
        StringBuffer r = new StringBuffer();
        for (int i = 0; i < n && r.length() < REGISTER_LENGTH && s.length() > 0; i++) r.append(s);
        if (r.length() > REGISTER_LENGTH) r.setLength(REGISTER_LENGTH);
        return r.toString();
    }

    public int bGetChar(String s, int p) {
        if (p == 0) p = 1;
        if (p < 0 || p > s.length()) return 0;
        return (byte) s.charAt(p - 1);
    }

    /**
     * Skips blanks and an optional minus, then reads decimal digits with
     * wrap-around; a first character that is not a digit gives its own code.
     */
    public int bValInt(String s) {
        int i = 0;
        while (i < s.length() && (s.charAt(i) == ' ' || s.charAt(i) == '\t' || s.charAt(i) == '\n')) i++;
        boolean negative = false;
        if (i < s.length() && s.charAt(i) == '-') {
            negative = true;
            i++;
        }
        if (i >= s.length()) return 0;
        if (!isDigit(s.charAt(i))) return (byte) s.charAt(i);
        int v = 0;
        for (; i < s.length() && isDigit(s.charAt(i)); i++) v = v * 10 + (s.charAt(i) - '0');
        return negative ? -v : v;
    }

    /**
     * The longest number at the start (after white space) as C's strtod reads
     * it: decimal with an exponent, hexadecimal after "0x", "inf", "infinity"
     * or "nan"; 0 when there is none.
     */
    public float bValFloat(String s) {
        int i = 0;
        while (i < s.length() && (s.charAt(i) == ' ' || (s.charAt(i) >= '\t' && s.charAt(i) <= '\r'))) i++;
        int start = i;
        boolean negative = i < s.length() && s.charAt(i) == '-';
        if (i < s.length() && (s.charAt(i) == '-' || s.charAt(i) == '+')) i++;
        String rest = s.substring(i).toLowerCase();
        if (rest.startsWith("inf")) return negative ? Float.NEGATIVE_INFINITY : Float.POSITIVE_INFINITY;
        if (rest.startsWith("nan")) return Float.NaN;
        if (rest.startsWith("0x") && rest.length() > 2 && hexDigit(rest.charAt(2)) >= 0) {
            float v = (float) hexValue(rest.substring(2));
            return negative ? -v : v;
        }
        int digits = 0;
        for (; i < s.length() && isDigit(s.charAt(i)); i++) digits++;
        if (i < s.length() && s.charAt(i) == '.') {
            i++;
            for (; i < s.length() && isDigit(s.charAt(i)); i++) digits++;
        }
        if (digits == 0) return 0f;
        int end = i;
        if (i < s.length() && (s.charAt(i) == 'e' || s.charAt(i) == 'E')) {
            i++;
            if (i < s.length() && (s.charAt(i) == '-' || s.charAt(i) == '+')) i++;
            if (i < s.length() && isDigit(s.charAt(i))) {
                while (i < s.length() && isDigit(s.charAt(i))) i++;
                end = i;
            }
        }
        return (float) Double.parseDouble(s.substring(start, end));
    }

    /** Hexadecimal digits, a fraction after "." and a binary exponent after "p". */
    private static double hexValue(String s) {
        double value = 0;
        int i = 0, exponent = 0;
        for (; i < s.length() && hexDigit(s.charAt(i)) >= 0; i++) value = value * 16 + hexDigit(s.charAt(i));
        if (i < s.length() && s.charAt(i) == '.') {
            for (i++; i < s.length() && hexDigit(s.charAt(i)) >= 0; i++) {
                value = value * 16 + hexDigit(s.charAt(i));
                exponent -= 4;
            }
        }
        if (i + 1 < s.length() && s.charAt(i) == 'p') {
            int j = i + 1;
            boolean down = s.charAt(j) == '-';
            if (s.charAt(j) == '-' || s.charAt(j) == '+') j++;
            int power = 0;
            boolean any = false;
            for (; j < s.length() && isDigit(s.charAt(j)) && power < 100000; j++, any = true) power = power * 10 + (s.charAt(j) - '0');
            if (any) exponent += down ? -power : power;
        }
        for (; exponent > 0; exponent--) value *= 2;
        for (; exponent < 0 && value != 0; exponent++) value /= 2;
        return value;
    }

    private static int hexDigit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    }

    private static boolean isDigit(char c) { return c >= '0' && c <= '9'; }

    public String bFloatStr(float f) { return floatText(f); }

    // ======== data (runtime/builtins/data.cpp) ========

    // ---- DATA ----

    public void restore() { dataPointer = 0; }

    public void restoreTo(int label) { dataPointer = design.dataAfterLabel(label); }

    /** The next item, which must be of one of the two kinds (the same kind twice for one). */
    private String nextData(int kind, int otherKind) {
        if (design.dataCount == 0) fail(MESSAGE_NO_DATA);
        if (dataPointer >= design.dataCount) fail(MESSAGE_OUT_OF_DATA);
        int found = design.dataKinds[dataPointer];
        if (found != kind && found != otherKind) fail(MESSAGE_WRONG_TYPE_OF_DATA);
        return design.dataItems[dataPointer++];
    }

    /** A float item is truncated toward zero. */
    public int bReadDataInt() {
        boolean integer = design.dataCount > dataPointer && design.dataKinds[dataPointer] == GameDesign.DATA_INTEGER;
        String item = nextData(GameDesign.DATA_INTEGER, GameDesign.DATA_FLOAT);
        return integer ? GameDesign.integerFromText(item) : toInt(GameDesign.floatFromText(item));
    }

    public float bReadDataFloat() {
        boolean integer = design.dataCount > dataPointer && design.dataKinds[dataPointer] == GameDesign.DATA_INTEGER;
        String item = nextData(GameDesign.DATA_FLOAT, GameDesign.DATA_INTEGER);
        return integer ? (float) GameDesign.integerFromText(item) : GameDesign.floatFromText(item);
    }

    public String bReadDataString() {
        return nextData(GameDesign.DATA_STRING, GameDesign.DATA_STRING);
    }

    // ======== clock (runtime/builtins/clock.cpp) ========

    // ---- Pause and the local clock ----

    public void bPause(int milliseconds) {
        if (milliseconds < 1) return;
        try {
            Thread.sleep(milliseconds);
        } catch (InterruptedException e) {
            // the pause ends early
        }
    }

    /** The milliseconds of the current second. */
    public int bTimer() { return (int) (System.currentTimeMillis() % 1000); }

    public int bDateInt() { return clock(Calendar.DAY_OF_MONTH); }

    public int bMonth() { return clock(Calendar.MONTH) + 1; }

    public int bYear() { return clock(Calendar.YEAR); }

    /** dd/m/yyyy */
    public String bDateString() {
        Calendar now = Calendar.getInstance();
        StringBuffer text = new StringBuffer();
        digits(text, now.get(Calendar.DAY_OF_MONTH), 2);
        text.append('/');
        text.append(now.get(Calendar.MONTH) + 1);
        text.append('/');
        digits(text, now.get(Calendar.YEAR), 4);
        return text.toString();
    }

    /** hh:mm:ss */
    public String bTime() {
        Calendar now = Calendar.getInstance();
        StringBuffer text = new StringBuffer();
        digits(text, now.get(Calendar.HOUR_OF_DAY), 2);
        text.append(':');
        digits(text, now.get(Calendar.MINUTE), 2);
        text.append(':');
        digits(text, now.get(Calendar.SECOND), 2);
        return text.toString();
    }

    public int bHour() { return clock(Calendar.HOUR_OF_DAY); }

    public int bMinute() { return clock(Calendar.MINUTE); }

    public int bSecond() { return clock(Calendar.SECOND); }

    private static final String[] WEEKDAYS = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

    public String bDay() { return WEEKDAYS[clock(Calendar.DAY_OF_WEEK) - Calendar.SUNDAY]; }

    private static int clock(int field) { return Calendar.getInstance().get(field); }

    /** At least the given number of digits, with leading zeros. */
    private static void digits(StringBuffer text, int n, int count) {
        String number = Integer.toString(n);
        for (int i = number.length(); i < count; i++) text.append('0');
        text.append(number);
    }

    // ======== screen (runtime/builtins/screen/) ========

    // ---- screen buffer ----
    //
    // Every drawing built-in writes into the screen buffer, an int array of
    // 0xAARRGGBB words; nothing reaches the display until Update copies the
    // visible part into the frame and presents it with drawRGB, so the
    // pixels are the same on every phone and equal to the desktop runtime's.

    static final int SMALLEST_SCREEN_WIDTH = 96, SMALLEST_SCREEN_HEIGHT = 54;
    /** Largest logical buffer side, as on the desktop, whose buffer textures stop at 2048. */
    static final int LARGEST_BUFFER_SIDE = 2047;

    private int screenWidth, screenHeight;
    /** Logical buffer size: coordinates 0..bufferX and 0..bufferY are drawable, so rows hold bufferX + 1 words. */
    private int bufferX, bufferY, bufferPitch;
    private int[] buffer = new int[0];
    /** The frame last presented, screenWidth by screenHeight; paint shows it. */
    private int[] shownFrame;
    private final Object shownFrameLock = new Object();
    private int ink = 0xFFFFFF, paper = 0;
    /** Inclusive bounds, checked only while clipOn. */
    private int clipX1, clipY1, clipX2, clipY2;
    private boolean clipOn;
    private int offsetX, offsetY;

    /**
     * Start of a run: the package data, the font and the screen of the
     * program's size (raised to the smallest screen, turned for a landscape
     * orientation), a buffer of that size in paper and a first black frame.
     */
    private void startUp() throws java.io.IOException {
        InputStream in = getClass().getResourceAsStream("/orb16.dat");
        if (in != null) design.load(in);
        loadFont();
        loadJoypadImages();
        orientation = design.orientation;
        canvasLandscape = getWidth() > getHeight();
        int w = Math.max(design.width, SMALLEST_SCREEN_WIDTH);
        int h = Math.max(design.height, SMALLEST_SCREEN_HEIGHT);
        screenWidth = design.orientation == 1 ? h : w;
        screenHeight = design.orientation == 1 ? w : h;
        clipX2 = screenWidth;
        clipY2 = screenHeight;
        shownFrame = new int[screenWidth * screenHeight];
        lastUpdateMs = fpsStartMs = System.currentTimeMillis();
        bSetBufferSize(screenWidth, screenHeight);
        present();
    }

    /** Never smaller than the larger screen side in either direction; the new buffer is all paper, clip or not. */
    public void bSetBufferSize(int w, int h) {
        int larger = Math.max(screenWidth, screenHeight);
        int logicalX = Math.min(Math.max(w, larger), LARGEST_BUFFER_SIDE);
        int logicalY = Math.min(Math.max(h, larger), LARGEST_BUFFER_SIDE);
        buffer = new int[0];   // the old buffer can go before the new one is made
        try {
            buffer = new int[(logicalX + 1) * (logicalY + 1)];
        } catch (OutOfMemoryError e) {
            bufferX = bufferY = -1;   // nothing is drawable without a buffer
            fail(MESSAGE_OUT_OF_MEMORY);
        }
        for (int i = 0; i < buffer.length; i++) buffer[i] = paper;
        bufferX = logicalX;
        bufferY = logicalY;
        bufferPitch = logicalX + 1;
    }

    public int bBufferX() { return bufferX; }

    public int bBufferY() { return bufferY; }

    /** The part of the screen the joypad leaves to the program. */
    public int bScreenX() {
        return joypadOn && landscape() ? screenWidth - (largeScreen() ? 218 : 156) : screenWidth;
    }

    public int bScreenY() {
        return joypadOn && !landscape() ? screenHeight - portraitPadSpace() - 19 : screenHeight;
    }

    public void bScreenOffset(int x, int y) {
        offsetX = x;
        offsetY = y;
    }

    /** Colour arguments: negative values become 0, others are kept whole, alpha byte included. */
    public void bPaper(int colour) { paper = colour < 0 ? 0 : colour; }

    public void bInk(int colour) { ink = colour < 0 ? 0 : colour; }

    public void bDoubleBuffer(int on) {}

    private boolean insideBuffer(int x, int y) {
        return x >= 0 && x <= bufferX && y >= 0 && y <= bufferY;
    }

    private void putPixel(int x, int y, int colour) {
        if (insideBuffer(x, y) && (!clipOn || (x >= clipX1 && x <= clipX2 && y >= clipY1 && y <= clipY2)))
            buffer[y * bufferPitch + x] = colour;
    }

    // ---- drawing primitives ----

    /** Rows 0..BufferY-1 but columns 0..BufferX: programs see this edge on the desktop too. */
    public void bCls() {
        fillArea(0, 0, bufferX, bufferY - 1, paper);
        textX = 0;
        textY = 0;
    }

    public void bPixel(int x, int y) { putPixel(x, y, ink); }

    /** Negative coordinates count as 0; both ends are drawn. */
    public void bLine(int x1, int y1, int x2, int y2) {
        walkInk(Math.max(x1, 0), Math.max(y1, 0), Math.max(x2, 0), Math.max(y2, 0));
    }

    /** Columns x1..x2-1 of rows y1..y2-1, after ordering and limiting the corners. */
    public void bSolidBox(int x1, int y1, int x2, int y2) {
        setBoxCorners(x1, y1, x2, y2);
        fillArea(boxLeft, boxTop, boxRight - 1, boxBottom - 1, ink);
    }

    /** The outline of the solid box's area, with its sides at columns x1 and x2. */
    public void bBox(int x1, int y1, int x2, int y2) {
        setBoxCorners(x1, y1, x2, y2);
        if (boxTop > boxBottom - 1) return;
        fillArea(boxLeft, boxTop, boxRight - 1, boxTop, ink);
        fillArea(boxLeft, boxBottom - 1, boxRight - 1, boxBottom - 1, ink);
        fillArea(boxLeft, boxTop, boxLeft, boxBottom - 1, ink);
        fillArea(boxRight, boxTop, boxRight, boxBottom - 1, ink);
    }

    public void bCircle(int x, int y, float r) { bEllipse(x, y, r, r); }

    /** A closed polygon of 64 points, clockwise from straight above the centre. */
    public void bEllipse(int x, int y, float rx, float ry) {
        int firstX = 0, firstY = 0, lastX = 0, lastY = 0;
        for (int k = 0; k < ELLIPSE_POINTS; k++) {
            double a = k / (double) ELLIPSE_POINTS * 2 * Math.PI;
            int px = pointCoordinate(x + 0.99 + rx * Math.sin(a));
            int py = pointCoordinate(y - ry * Math.cos(a) + 0.99);
            if (k == 0) {
                firstX = px;
                firstY = py;
            } else {
                walkInk(lastX, lastY, px, py);
            }
            lastX = px;
            lastY = py;
        }
        walkInk(lastX, lastY, firstX, firstY);
    }

    static final int ELLIPSE_POINTS = 64;
    static final double FAR_OFF = 1e9;

    /** Points of absurd ellipses stay far outside the buffer but inside int; NaN counts as far left. */
    private static int pointCoordinate(double v) {
        if (!(v > -FAR_OFF)) return (int) -FAR_OFF;
        if (!(v < FAR_OFF)) return (int) FAR_OFF;
        return (int) v;
    }

    /** Orders the corners, limits the far corner to the screen and switches clipping on. */
    public void bClip(int x1, int y1, int x2, int y2) {
        clipX1 = Math.min(x1, x2);
        clipY1 = Math.min(y1, y2);
        clipX2 = Math.min(Math.max(x1, x2), screenWidth);
        clipY2 = Math.min(Math.max(y1, y2), screenHeight);
        clipOn = true;
    }

    public void bClipOn() { clipOn = true; }

    public void bClipOff() { clipOn = false; }

    /** Fills columns x1..x2 and rows y1..y2 (inclusive), cut to the buffer and the clip. */
    private void fillArea(int x1, int y1, int x2, int y2, int colour) {
        x1 = Math.max(x1, 0);
        y1 = Math.max(y1, 0);
        x2 = Math.min(x2, bufferX);
        y2 = Math.min(y2, bufferY);
        if (clipOn) {
            x1 = Math.max(x1, clipX1);
            y1 = Math.max(y1, clipY1);
            x2 = Math.min(x2, clipX2);
            y2 = Math.min(y2, clipY2);
        }
        for (int y = y1; y <= y2; y++)
            for (int at = y * bufferPitch + x1, end = y * bufferPitch + x2; at <= end; at++) buffer[at] = colour;
    }

    /** Corners of the box being drawn; fields, so that boxes in a game loop leave no garbage. */
    private int boxLeft, boxTop, boxRight, boxBottom;

    /** Box corners: ordered per axis, the near one raised to 0, all lowered to the buffer size. */
    private void setBoxCorners(int x1, int y1, int x2, int y2) {
        boxLeft = Math.min(Math.max(Math.min(x1, x2), 0), bufferX);
        boxTop = Math.min(Math.max(Math.min(y1, y2), 0), bufferY);
        boxRight = Math.min(Math.max(x1, x2), bufferX);
        boxBottom = Math.min(Math.max(y1, y2), bufferY);
    }

    /**
     * The line walk in the ink colour: Bresenham with the error term doubled,
     * along the major axis (x on a tie) from the end that lies first on it.
     * Only the steps inside the buffer are walked; the walk starts at the
     * first of them through the closed form of the error rule, so lines that
     * reach far outside cost no more than their part inside.
     */
    private void walkInk(int x1, int y1, int x2, int y2) {
        if (Math.max(x1, x2) < 0 || Math.min(x1, x2) > bufferX || Math.max(y1, y2) < 0
                || Math.min(y1, y2) > bufferY)
            return;
        long dx = Math.abs((long) x2 - x1), dy = Math.abs((long) y2 - y1);
        boolean alongX = dx >= dy;
        if (alongX ? x2 < x1 : y2 < y1) {
            int t = x1;
            x1 = x2;
            x2 = t;
            t = y1;
            y1 = y2;
            y2 = t;
        }
        long major = alongX ? dx : dy, minor = alongX ? dy : dx;
        int minorStep = alongX ? (y2 < y1 ? -1 : 1) : (x2 < x1 ? -1 : 1);
        long majorStart = alongX ? x1 : y1, minorStart = alongX ? y1 : x1;
        long majorLast = alongX ? bufferX : bufferY;
        long firstStep = majorStart < 0 ? -majorStart : 0;
        long lastStep = majorLast < majorStart + major ? majorLast - majorStart : major;
        if (firstStep > lastStep) return;
        // Callers keep the extents below 2^31 and far-off points within 10^9, so these products fit a long.
        long moved = major == 0 ? 0 : (2 * minor * firstStep + major) / (2 * major);
        long error = 2 * minor - major + 2 * firstStep * minor - 2 * major * moved;
        long m = majorStart + firstStep, n = minorStart + minorStep * moved;
        for (long k = firstStep;; k++) {
            if (alongX) putPixel((int) m, (int) n, ink);
            else putPixel((int) n, (int) m, ink);
            if (k == lastStep) break;
            if (error >= 0) {
                n += minorStep;
                error += 2 * (minor - major);
            } else {
                error += 2 * minor;
            }
            m++;
        }
    }

    // ---- text on the screen ----
    //
    // Characters come from the cells of the system font image, 20 cells of
    // 10 by 15 pixels to a row, of which 10 by 13 are drawn; text steps 8
    // pixels (9 in bold) and wraps to the next 12-pixel line before the
    // right edge of the screen. Text ignores the clip.

    static final int BOLD_CHARACTER_WIDTH = 9;
    static final int FONT_CELL_WIDTH = 10, FONT_CELL_HEIGHT = 15, FONT_CELLS_PER_ROW = 20;
    static final int GLYPH_WIDTH = 10, GLYPH_HEIGHT = 13, UNDERLINE_ROW = 12;

    private int textX, textY;
    private boolean bold, underline;
    /** The font pixel read last: a position outside the font image repeats it. */
    private int fontPixel;

    public void bLocate(int column, int row) {
        textX = saturated((long) column * CHARACTER_WIDTH);
        textY = saturated((long) row * LINE_HEIGHT);
    }

    public int bCursx() { return textX / CHARACTER_WIDTH; }

    public int bCursy() { return textY / LINE_HEIGHT; }

    public void bUnderline(int on) { underline = on > 0; }

    public void bBold(int on) { bold = on > 0; }

    /** Text at a place of its own; the cursor stays where it was. */
    public void bText(int x, int y, String s) {
        drawText(s, x, y, false);
        console("print ", s);
    }

    /** Centred on the cursor row; the cursor then goes to the start of the next row. */
    public void bCenter(String s) {
        drawText(s, screenWidth / 2 - (s.length() * CHARACTER_WIDTH + 16) / 2, textY, false);
        console("print ", s);
        textX = 0;
        textY = saturated((long) textY + LINE_HEIGHT);
    }

    /**
     * Draws s at (x, y) up to its first character of code 0 or 128 and more;
     * with moveCursor the text cursor ends where the next character would go.
     */
    private void drawText(String s, int x, int y, boolean moveCursor) {
        fontPixel = font != null && font.length > 0 ? font[0] : 0;
        int step = bold ? BOLD_CHARACTER_WIDTH : CHARACTER_WIDTH;
        long atX = x, atY = y;
        for (int i = 0; i < s.length(); i++) {
            int c = s.charAt(i);
            if (c == 0 || c >= 128) break;
            if (atX > -GLYPH_WIDTH - 1 && atX <= bufferX && atY > -GLYPH_HEIGHT && atY <= bufferY) {
                drawGlyph((int) atX, (int) atY, c);
                if (bold) drawGlyph((int) atX + 1, (int) atY, c);
            }
            atX += step;
            if (atX > screenWidth - CHARACTER_WIDTH) {
                atX = 0;
                atY += LINE_HEIGHT;
            }
        }
        if (moveCursor) {
            textX = saturated(atX);
            textY = saturated(atY);
        }
    }

    /** Column by column, as the font pixel read last depends on the order. */
    private void drawGlyph(int x, int y, int c) {
        int cellX = (c % FONT_CELLS_PER_ROW) * FONT_CELL_WIDTH, cellY = (c / FONT_CELLS_PER_ROW) * FONT_CELL_HEIGHT;
        for (int k = 0; k < GLYPH_WIDTH; k++) {
            for (int j = 0; j < GLYPH_HEIGHT; j++) {
                int fx = cellX + k, fy = cellY + j;
                if (font != null && fx < fontWidth && fy < fontHeight) fontPixel = font[fy * fontWidth + fx];
                if (((fontPixel >>> 24) != 0 || (underline && j == UNDERLINE_ROW)) && insideBuffer(x + k, y + j))
                    buffer[(y + j) * bufferPitch + x + k] = ink;
            }
        }
    }

    /** Cursor arithmetic saturates, so that far-off positions stay far off. */
    private static int saturated(long v) {
        return v > Integer.MAX_VALUE ? Integer.MAX_VALUE : v < Integer.MIN_VALUE ? Integer.MIN_VALUE : (int) v;
    }

    // ---- Update and its pacing ----

    private int targetRate = 16;
    private int intervalMs = 20;
    private long lastUpdateMs, fpsStartMs;
    private int frameCount;
    private float measuredRate;

    /**
     * Shows the part of the buffer at the screen offset (only the clip
     * rectangle of it while clipping is on, black around it), sleeps the
     * frame interval, then waits until more than 1 / target rate seconds
     * have passed since the last Update.
     */
    public void bUpdate() {
        if (!shownPartInBuffer()) fail(MESSAGE_SCREEN_OUT_OF_BOUNDS);
        present();
        frameCount++;
        pause(intervalMs);
        long rate = targetRate;
        while (true) {
            long now = System.currentTimeMillis();
            long elapsed = now - lastUpdateMs;
            if (elapsed * rate > 1000) {
                lastUpdateMs = now;
                return;
            }
            // Sleep through most of the wait and read the clock closely for the last millisecond.
            long remaining = 1000 / rate - elapsed;
            pause(remaining >= 2 ? (int) (remaining - 1) : 0);
        }
    }

    private boolean shownPartInBuffer() {
        int right = clipOn ? clipX2 : screenWidth, bottom = clipOn ? clipY2 : screenHeight;
        // A negative offset would show what lies before the buffer.
        return offsetX >= 0 && offsetY >= 0 && bufferX >= (long) offsetX + right - joypadMargin()
                && bufferY >= (long) offsetY + bottom;
    }

    /** Copies the visible part of the buffer into the frame, draws the map, the sprites and the joypad over it and has it painted. */
    private void present() {
        int left = clipOn ? Math.max(clipX1, 0) : 0, top = clipOn ? Math.max(clipY1, 0) : 0;
        int right = Math.min(clipOn ? clipX2 : screenWidth, screenWidth);
        int bottom = Math.min(clipOn ? clipY2 : screenHeight, screenHeight);
        synchronized (shownFrameLock) {
            for (int i = 0; i < shownFrame.length; i++) shownFrame[i] = 0;
            // Right of the landscape joypad's left side, cut at the frame's edge.
            int margin = joypadMargin();
            right = Math.min(right, screenWidth - margin);
            if (clipOn) left = Math.max(Math.max(clipX1, -margin), -offsetX);
            for (int y = top; y < bottom; y++) {
                int from = (offsetY + y) * bufferPitch + offsetX;
                for (int x = left; x < right; x++) shownFrame[y * screenWidth + margin + x] = buffer[from + x];
            }
            drawLayers();
            drawJoypad(shownFrame);
        }
        repaint();
        serviceRepaints();
    }

    /** A sleep of 0 or less only lets other threads run. */
    private static void pause(int ms) {
        try {
            if (ms > 0) Thread.sleep(ms);
            else Thread.yield();
        } catch (InterruptedException e) {
            // the wait ends early; pacing reads the clock again
        }
    }

    /** Frames per second, measured again when more than a second has passed. */
    public float bFps() {
        long now = System.currentTimeMillis();
        long elapsed = now - fpsStartMs;
        if (elapsed > 1000) {
            measuredRate = (float) frameCount / ((float) elapsed / 1000.0f);
            frameCount = 0;
            fpsStartMs = now;
        }
        return measuredRate;
    }

    public void bSetSpeed(int framesPerSecond) {
        if (framesPerSecond < 1) fail(MESSAGE_OUT_OF_RANGE);
        targetRate = framesPerSecond;
    }

    /** Stored unchecked: a value of 0 or less only yields after every frame. */
    public void bSetInterval(int ms) { intervalMs = ms; }

    // ======== images (runtime/builtins/images/) ========

    // ---- image slots ----
    //
    // Pictures come from the JAR's resources through Image.getRGB and are
    // kept as ARGB arrays, which DrawImage, the collision test and the
    // drawing of sprites and tiles at Update read. A slot holds a whole
    // picture, or a frame: a rectangle inside the picture of its parent slot
    // (the first slot of its multi-image). Slots count from 1 in the
    // language and from 0 here; all frame fields are -1 for a whole picture.

    /** Slots grow this far beyond the one asked for. */
    static final int SLOT_GROWTH = 11;

    private int[][] slotPixels = new int[0][];
    private int[] slotWidth = new int[0], slotHeight = new int[0];
    private int[] frameX = new int[0], frameY = new int[0], frameWidth = new int[0], frameHeight = new int[0];
    private int[] frameParent = new int[0];

    /** A resolved picture: the slot holding its pixels, then the rectangle inside them. */
    static final int HOLDER = 0, LEFT = 1, TOP = 2, WIDTH = 3, HEIGHT = 4;
    private final int[] pictureA = new int[5], pictureB = new int[5];

    public void bLoadImage(int slot, String resource) { loadImages(slot, 0, 0, 0, resource); }

    public void bLoadMultiImage(int slot, int count, int width, int height, String resource) {
        loadImages(slot, count, width, height, resource);
    }

    /**
     * Loads a whole picture (frameCount below 1) or cuts it into frames for
     * slots slot .. slot + frameCount - 1, left to right and down, stopping
     * at the picture's bottom edge. A slot being loaded loses its picture
     * first, so a picture that fails to load leaves it empty.
     */
    private void loadImages(int slot, int frameCount, int width, int height, String resource) {
        InputStream in = getClass().getResourceAsStream(resource);
        if (in == null) fail(MESSAGE_FILE_NOT_FOUND);
        closeQuietly(in);
        if (slot < 1) fail(MESSAGE_OUT_OF_RANGE);
        int base = slot - 1;
        int x = 0, y = 0, pictureWidth = 0, pictureHeight = 0;
        for (int i = 0;; i++) {
            int index = growSlotsFor((long) base + i);
            slotPixels[index] = null;
            if (i == 0) {
                Image image = null;
                try {
                    image = Image.createImage(resource);
                } catch (java.io.IOException e) {
                    fail(MESSAGE_FAILED_TO_LOAD_IMAGE);
                }
                pictureWidth = image.getWidth();
                pictureHeight = image.getHeight();
                int[] pixels = new int[pictureWidth * pictureHeight];
                image.getRGB(pixels, 0, pictureWidth, 0, 0, pictureWidth, pictureHeight);
                slotPixels[index] = pixels;
                slotWidth[index] = pictureWidth;
                slotHeight[index] = pictureHeight;
                if (frameCount < 1) {
                    // Old frame fields would make the whole picture read as a frame.
                    frameX[index] = frameY[index] = frameWidth[index] = frameHeight[index] = frameParent[index] = -1;
                    return;
                }
            }
            frameParent[index] = base;
            frameX[index] = x;
            frameY[index] = y;
            frameWidth[index] = width;
            frameHeight[index] = height;
            x += width;
            if (x >= pictureWidth) {
                x = 0;
                y += height;
            }
            if (i + 1 >= frameCount || y >= pictureHeight) return;
        }
    }

    private static void closeQuietly(InputStream in) {
        try {
            in.close();
        } catch (java.io.IOException e) {
            // only opened to see that the resource is there
        }
    }

    /**
     * Unless the index lies below the last slot, the slots grow to hold at
     * least index + 10, and at least twice as many as before, so that loading
     * many frames takes time in proportion. New slots are empty, which is all
     * a program can tell of slots beyond those it loaded. Returns the index.
     */
    private int growSlotsFor(long index) {
        if (index < slotPixels.length - 1) return (int) index;
        long size = Math.max(index + SLOT_GROWTH, 2L * slotPixels.length);
        if (size > Integer.MAX_VALUE) fail(MESSAGE_OUT_OF_MEMORY);
        try {
            int n = (int) size, old = slotPixels.length;
            int[][] pixels = new int[n][];
            System.arraycopy(slotPixels, 0, pixels, 0, old);
            slotPixels = pixels;
            slotWidth = grown(slotWidth, n, 0);
            slotHeight = grown(slotHeight, n, 0);
            frameX = grown(frameX, n, -1);
            frameY = grown(frameY, n, -1);
            frameWidth = grown(frameWidth, n, -1);
            frameHeight = grown(frameHeight, n, -1);
            frameParent = grown(frameParent, n, -1);
        } catch (OutOfMemoryError e) {
            fail(MESSAGE_OUT_OF_MEMORY);
        }
        return (int) index;
    }

    private static int[] grown(int[] old, int size, int fill) {
        int[] table = new int[size];
        System.arraycopy(old, 0, table, 0, old.length);
        for (int i = old.length; i < size; i++) table[i] = fill;
        return table;
    }

    private boolean isFrame(int index) { return frameX[index] != -1; }

    private boolean isLoaded(int index) {
        return index >= 0 && index < slotPixels.length && (isFrame(index) || slotPixels[index] != null);
    }

    /** Fills picture with the slot's picture; returns -1, or the message DrawImage stops with. */
    private int resolvePicture(int index, int[] picture) {
        if (!isLoaded(index)) return MESSAGE_IMAGE_NOT_LOADED;
        int holder = index;
        if (isFrame(index)) {
            holder = frameParent[index];
            if (holder < 0 || holder >= slotPixels.length) return MESSAGE_OUT_OF_RANGE;
        }
        if (slotPixels[holder] == null) return MESSAGE_IMAGE_NOT_LOADED;
        picture[HOLDER] = holder;
        picture[LEFT] = isFrame(index) ? frameX[index] : 0;
        picture[TOP] = isFrame(index) ? frameY[index] : 0;
        picture[WIDTH] = isFrame(index) ? frameWidth[index] : slotWidth[holder];
        picture[HEIGHT] = isFrame(index) ? frameHeight[index] : slotHeight[holder];
        return -1;
    }

    /** A pixel of the picture held in a slot; outside the picture it is transparent. */
    private int pictureArgb(int holder, long x, long y) {
        if (x < 0 || y < 0 || x >= slotWidth[holder] || y >= slotHeight[holder]) return 0;
        return slotPixels[holder][(int) y * slotWidth[holder] + (int) x];
    }

    /** Copies the picture into the buffer without blending: a pixel with any alpha replaces the buffer's. */
    public void bDrawImage(int x, int y, int slot) {
        if (slot < 1) fail(MESSAGE_OUT_OF_RANGE);
        int failed = resolvePicture(slot - 1, pictureA);
        if (failed >= 0) fail(failed);
        int holder = pictureA[HOLDER];
        for (int j = 0; j < pictureA[HEIGHT]; j++) {
            long ty = (long) y + j;
            if (ty < 0 || ty > bufferY) continue;
            for (int i = 0; i < pictureA[WIDTH]; i++) {
                long tx = (long) x + i;
                if (tx < 0 || tx > bufferX) continue;
                int argb = pictureArgb(holder, (long) pictureA[LEFT] + i, (long) pictureA[TOP] + j);
                if ((argb >>> 24) != 0) putPixel((int) tx, (int) ty, argb);
            }
        }
    }

    // ---- sprites ----
    //
    // 64 sprites drawn over the screen at every Update, after the map, at
    // screen positions (the screen offset does not move them).

    static final int SPRITE_COUNT = 64;
    /** With Priority on, sprites at this depth or below are never drawn. */
    static final int HIDDEN_DEPTH = 10000;

    private final int[] spriteX = new int[SPRITE_COUNT], spriteY = new int[SPRITE_COUNT];
    private final int[] spriteImage = new int[SPRITE_COUNT];
    private final boolean[] spriteOn = new boolean[SPRITE_COUNT];
    private final boolean[] spritePicked = new boolean[SPRITE_COUNT];
    private boolean priority, pixelCollision = true, spriteClipOn;
    private int spriteClipX1, spriteClipY1, spriteClipX2, spriteClipY2;

    private void checkSprite(int n) {
        if (n < 1 || n > SPRITE_COUNT) fail(MESSAGE_OUT_OF_RANGE);
    }

    public void bSprite(int n, int x, int y, int slot) {
        checkSprite(n);
        if (slot < 1) fail(MESSAGE_OUT_OF_RANGE);
        if (!isLoaded(slot - 1)) fail(MESSAGE_IMAGE_NOT_LOADED);
        spriteX[n - 1] = x;
        spriteY[n - 1] = y;
        spriteImage[n - 1] = slot - 1;
        spriteOn[n - 1] = true;
    }

    /** Moves the sprite without switching it on. */
    public void bSpritePosition(int n, int x, int y) {
        checkSprite(n);
        spriteX[n - 1] = x;
        spriteY[n - 1] = y;
    }

    public void bSpriteOn(int n) {
        checkSprite(n);
        spriteOn[n - 1] = true;
    }

    public void bSpriteOff(int n) {
        checkSprite(n);
        spriteOn[n - 1] = false;
    }

    public int bSpriteX(int n) {
        checkSprite(n);
        return spriteX[n - 1];
    }

    public int bSpriteY(int n) {
        checkSprite(n);
        return spriteY[n - 1];
    }

    public void bPriority(int on) { priority = on > 0; }

    public void bPixelCollision(int on) { pixelCollision = on > 0; }

    /** Orders the corners, limits the far corner to the screen and switches the sprite clip on for good. */
    public void bSpriteClip(int x1, int y1, int x2, int y2) {
        spriteClipX1 = Math.min(x1, x2);
        spriteClipY1 = Math.min(y1, y2);
        spriteClipX2 = Math.min(Math.max(x1, x2), screenWidth);
        spriteClipY2 = Math.min(Math.max(y1, y2), screenHeight);
        spriteClipOn = true;
    }

    /**
     * Sprites in number order, or with Priority in order of y (the lower
     * number first on equal y), so that sprites further down are drawn over
     * the others.
     */
    private void drawSprites() {
        setLayerClip(spriteClipOn, spriteClipX1, spriteClipY1, spriteClipX2, spriteClipY2);
        for (int i = 0; i < SPRITE_COUNT; i++) spritePicked[i] = false;
        for (int round = 0; round < SPRITE_COUNT; round++) {
            int next = round;
            if (priority) {
                next = -1;
                for (int i = 0; i < SPRITE_COUNT; i++) {
                    if (spritePicked[i] || spriteY[i] >= HIDDEN_DEPTH) continue;
                    if (next < 0 || spriteY[i] < spriteY[next]) next = i;
                }
                if (next < 0) return;
                spritePicked[next] = true;
            }
            if (spriteOn[next] && resolvePicture(spriteImage[next], pictureA) < 0)
                drawPicture(pictureA[HOLDER], pictureA[LEFT], pictureA[TOP], pictureA[WIDTH], pictureA[HEIGHT],
                        spriteX[next], spriteY[next]);
        }
    }

    /**
     * SpriteCol: 0 unless both sprites are on with loaded pictures and their
     * boxes overlap (touching edges do not); then 1, or with pixel
     * collisions the count of opaque pixel pairs over the part of b that a
     * corner of a reaches into. The count starts from a's corner, so
     * SpriteCol a, b and b, a can differ.
     */
    public int bSpriteCol(int a, int b) {
        checkSprite(a);
        checkSprite(b);
        if (!spriteOn[a - 1] || !spriteOn[b - 1]) return 0;
        if (resolvePicture(spriteImage[a - 1], pictureA) >= 0 || resolvePicture(spriteImage[b - 1], pictureB) >= 0) return 0;
        long xA = spriteX[a - 1], yA = spriteY[a - 1], wA = pictureA[WIDTH], hA = pictureA[HEIGHT];
        long xB = spriteX[b - 1], yB = spriteY[b - 1], wB = pictureB[WIDTH], hB = pictureB[HEIGHT];
        if (!(xA < xB + wB && yA < yB + hB && xB < xA + wA && yB < yA + hA)) return 0;
        if (!pixelCollision) return 1;

        boolean rightEdgeInside = xB <= xA + wA && xA + wA <= xB + wB;
        boolean left, top;
        if (yA >= yB && xB <= xA && xA < xB + wB && yA <= yB + hB) {
            left = true;
            top = true;
        } else if (yA >= yB && rightEdgeInside && yA <= yB + hB) {
            left = false;
            top = true;
        } else if (yA + hA >= yB && rightEdgeInside && yA + hA <= yB + hB) {
            left = false;
            top = false;
        } else if (yA + hA >= yB && xB <= xA && xA <= xB + wB && yA + hA <= yB + hB) {
            left = true;
            top = false;
        } else {
            return 0;   // no corner of a inside b, as when b lies wholly inside a
        }
        // Where the compared strip starts in a and in b, and its size: from a's
        // near edge when that lies inside b, else up to a's far edge.
        long columnA = 0, columnB = xA - xB, columns = wA;
        if (left) columns = Math.min(wA, wB - (xA - xB));
        else if (xA < xB) {
            columnA = xB - xA;
            columnB = 0;
            columns = xA + wA - xB;
        }
        long rowA = 0, rowB = yA - yB, rows = hA;
        if (top) rows = Math.min(hA, hB - (yA - yB));
        else if (yA < yB) {
            rowA = yB - yA;
            rowB = 0;
            rows = yA + hA - yB;
        }
        int pairs = 0;
        for (long r = 0; r < rows; r++)
            for (long c = 0; c < columns; c++)
                if (opaqueAt(pictureA, columnA + c, rowA + r) && opaqueAt(pictureB, columnB + c, rowB + r)) pairs++;
        return pairs;
    }

    /** A pixel of the resolved picture at (column, row) of its rectangle; outside the rectangle it is transparent. */
    private boolean opaqueAt(int[] picture, long column, long row) {
        if (column < 0 || row < 0 || column >= picture[WIDTH] || row >= picture[HEIGHT]) return false;
        return (pictureArgb(picture[HOLDER], picture[LEFT] + column, picture[TOP] + row) >>> 24) != 0;
    }

    // ======== maps (runtime/builtins/maps/) ========

    // ---- tile map ----
    //
    // One grid of slot numbers whose frames are drawn as tiles at every
    // Update, before the sprites. Cell (x, y) is at x + y * mapWidth.

    /** A bound on the cells a map may hold, so huge sizes fail with "Out of memory". */
    static final int LARGEST_MAP = 1 << 26;
    static final int DEFAULT_TILE_SIZE = 32;
    /** Sizes in a map file below this are raised to it. */
    static final int SMALLEST_MAP_VALUE = 10;

    private boolean mapCreated, mapDrawing, mapClipOn;
    private int mapWidth, mapHeight;
    private int[] mapCells = new int[0];
    /** 0 until set or until the first drawing of the map makes them 32. */
    private int tileWidth, tileHeight;
    private int mapX, mapY;
    private int mapClipX1, mapClipY1, mapClipX2, mapClipY2;
    private String mapTileFilename = "";

    /** Replaces the map with width x height zeroed cells; "Out of memory" when they cannot be had. */
    private void allocateMap(long width, long height) {
        mapCreated = false;
        mapWidth = mapHeight = 0;
        mapCells = new int[0];
        if (width < 0 || height < 0 || width * height > LARGEST_MAP) fail(MESSAGE_OUT_OF_MEMORY);
        try {
            mapCells = new int[(int) (width * height)];
        } catch (OutOfMemoryError e) {
            fail(MESSAGE_OUT_OF_MEMORY);
        }
        mapCreated = true;
        mapWidth = (int) width;
        mapHeight = (int) height;
    }

    private void checkMap() {
        if (!mapCreated) fail(MESSAGE_MAP_NOT_CREATED);
    }

    private int cellIndex(int x, int y) {
        if (x < 0 || y < 0 || x >= mapWidth || y >= mapHeight) fail(MESSAGE_OUT_OF_RANGE);
        return x + y * mapWidth;
    }

    /** A map of (w + 1) x (h + 1) cells; tile size, position and drawing stay as they were. */
    public void bCreateMap(int w, int h) {
        if (w < 0 || h < 0) fail(MESSAGE_OUT_OF_RANGE);
        allocateMap((long) w + 1, (long) h + 1);
    }

    public void bSetTile(int x, int y, int t) {
        checkMap();
        if (t < 0) fail(MESSAGE_OUT_OF_RANGE);
        mapCells[cellIndex(x, y)] = t;
    }

    public int bTile(int x, int y) {
        checkMap();
        return mapCells[cellIndex(x, y)];
    }

    public int bMapSizeX() { return mapWidth - 1; }

    public int bMapSizeY() { return mapHeight - 1; }

    public void bMapTileSize(int w, int h) {
        if (w < 1 || h < 1) fail(MESSAGE_OUT_OF_RANGE);
        tileWidth = w;
        tileHeight = h;
    }

    public int bMapTileX() { return tileWidth; }

    public int bMapTileY() { return tileHeight; }

    /** The map pixel at the screen's top-left; switches map drawing on. */
    public void bMapPosition(int x, int y) {
        checkMap();
        if (x < 0 || y < 0) fail(MESSAGE_OUT_OF_RANGE);
        mapX = x;
        mapY = y;
        mapDrawing = true;
    }

    public void bMap(int on) {
        checkMap();
        mapDrawing = on > 0;
    }

    /** Needs no map; orders the corners, limits the far one to the screen and stays on for good. */
    public void bMapClip(int x1, int y1, int x2, int y2) {
        mapClipX1 = Math.min(x1, x2);
        mapClipY1 = Math.min(y1, y2);
        mapClipX2 = Math.min(Math.max(x1, x2), screenWidth);
        mapClipY2 = Math.min(Math.max(y1, y2), screenHeight);
        mapClipOn = true;
    }

    public void bReplaceTile(int from, int to) {
        checkMap();
        if (from < 0 || to < 0) fail(MESSAGE_OUT_OF_RANGE);
        for (int i = 0; i < mapCells.length; i++)
            if (mapCells[i] == from) mapCells[i] = to;
    }

    /** 0 without a map. */
    public int bCountTile(int t) {
        int count = 0;
        for (int i = 0; i < mapCells.length; i++)
            if (mapCells[i] == t) count++;
        return count;
    }

    public String bMapTileFilename() { return mapTileFilename; }

    /**
     * Draws the tiles that reach the screen, from the cell at the map
     * position; the first column and row start one tile further up and left,
     * partly off the screen when the position lies between tiles. Only frames
     * of multi-images are drawn: a whole picture has no tile rectangle.
     */
    private void drawMap() {
        if (!mapCreated || !mapDrawing) return;
        if (tileWidth == 0) tileWidth = DEFAULT_TILE_SIZE;
        if (tileHeight == 0) tileHeight = DEFAULT_TILE_SIZE;
        int tw = tileWidth, th = tileHeight;
        setLayerClip(mapClipOn, mapClipX1, mapClipY1, mapClipX2, mapClipY2);
        int firstColumn = mapX / tw, firstRow = mapY / th;
        long offsetX = (long) tw * (firstColumn + 1) - mapX, offsetY = (long) th * (firstRow + 1) - mapY;
        int columns = Math.min(screenWidth / tw + 1, mapWidth) + 1;
        int rows = Math.min(screenHeight / th + 1, mapHeight);
        for (int k = 0; k <= rows; k++) {
            long row = (long) firstRow + k;
            if (row >= mapHeight) break;
            for (int i = 0; i < columns; i++) {
                long column = (long) firstColumn + i;
                if (column >= mapWidth) break;
                int t = mapCells[(int) (column + row * mapWidth)];
                if (t < 1 || t > slotPixels.length) continue;
                int slot = t - 1, holder = frameParent[slot];
                if (!isFrame(slot) || holder < 0 || holder >= slotPixels.length || slotPixels[holder] == null) continue;
                // Positions wrap to 32 bits as the desktop's do.
                drawPicture(holder, frameX[slot], frameY[slot], frameWidth[slot], frameHeight[slot],
                        (int) ((long) (i - 1) * tw + offsetX), (int) ((long) (k - 1) * th + offsetY));
            }
        }
    }

    // ---- map files ----
    //
    // A map file is a stream of tokens: the size in cells, the tile size, the
    // tile picture's file name in double quotes, then the cells row by row.
    // Blanks, commas and the letters of "Data" separate tokens, so files with
    // "Data" lines read like bare values.

    private byte[] mapFile;
    private int mapFileAt;
    private String tokenText;
    private boolean tokenAtEnd;

    /** Replaces the map with the file's; neither switches drawing on nor loads the tile picture. */
    public void bLoadMap(String resource) {
        InputStream in = getClass().getResourceAsStream(resource);
        if (in == null) fail(MESSAGE_FILE_NOT_FOUND);
        mapFile = readAll(in, MESSAGE_FILE_IO_ERROR);
        mapFileAt = 0;
        int width = Math.max(nextToken(), SMALLEST_MAP_VALUE);
        int height = Math.max(nextToken(), SMALLEST_MAP_VALUE);
        int tw = Math.max(nextToken(), SMALLEST_MAP_VALUE);
        int th = Math.max(nextToken(), SMALLEST_MAP_VALUE);
        nextToken();
        String name = tokenText;
        allocateMap(width, height);
        tileWidth = tw;
        tileHeight = th;
        mapTileFilename = name;
        // Cells the file leaves out stay 0.
        for (int i = 0; i < mapCells.length; i++) {
            int value = nextToken();
            if (tokenAtEnd) break;
            mapCells[i] = value;
        }
        mapFile = null;
    }

    /** The whole resource; stops with the failure message when it cannot be read. */
    private byte[] readAll(InputStream in, int failure) {
        byte[] all = new byte[4096];
        int length = 0;
        try {
            for (int n; (n = in.read(all, length, all.length - length)) > 0;) {
                length += n;
                if (length == all.length) {
                    byte[] more = new byte[all.length * 2];
                    System.arraycopy(all, 0, more, 0, length);
                    all = more;
                }
            }
            in.close();
        } catch (java.io.IOException e) {
            fail(failure);
        }
        byte[] file = new byte[length];
        System.arraycopy(all, 0, file, 0, length);
        return file;
    }

    /** The next byte of the map file, -1 at its end. */
    private int mapByte() {
        return mapFileAt < mapFile.length ? mapFile[mapFileAt++] & 0xFF : -1;
    }

    private static boolean isMapSeparator(int c) {
        return c == '\t' || c == '\n' || c == '\r' || c == ' ' || c == ',' || c == 'A' || c == 'D' || c == 'T'
                || c == 'a' || c == 'd' || c == 't';
    }

    /**
     * Reads a token: a string in double quotes (tokenText, up to the next
     * quote or the end), or a number with an optional minus, kept within 32
     * bits; any other character is a token of value 0. Returns the number.
     */
    private int nextToken() {
        tokenText = "";
        tokenAtEnd = false;
        int c = mapByte();
        while (isMapSeparator(c)) c = mapByte();
        if (c < 0) {
            tokenAtEnd = true;
            return 0;
        }
        if (c == '"') {
            int start = mapFileAt;
            while (mapFileAt < mapFile.length && mapFile[mapFileAt] != '"') mapFileAt++;
            StringBuffer text = new StringBuffer();
            for (int i = start; i < mapFileAt; i++) text.append((char) (mapFile[i] & 0xFF));
            tokenText = text.toString();
            if (mapFileAt < mapFile.length) mapFileAt++;
            return 0;
        }
        boolean negative = c == '-';
        if (negative) c = mapByte();
        if (c < '0' || c > '9') {
            // A character after a lone minus starts the next token.
            if (negative && c >= 0) mapFileAt--;
            return 0;
        }
        long value = 0;
        for (; c >= '0' && c <= '9'; c = mapByte()) value = Math.min(value * 10 + (c - '0'), Integer.MAX_VALUE);
        if (c >= 0) mapFileAt--;
        return (int) (negative ? -value : value);
    }

    // ---- pictures over the frame ----
    //
    // Update draws the map's tiles and then the sprites over the frame it
    // has copied from the buffer, blended by their alpha and limited to the
    // layer's clip rectangle (exclusive at the right and bottom) and to the
    // screen, as the desktop runtime composes its frame.

    private int layerX1, layerY1, layerX2, layerY2;
    /** The landscape joypad's shift of the screen image, which the layers share. */
    private int layerMargin;

    /** The layer's own clip when it is on, else the drawing clip when clipping is on, else the screen. */
    private void setLayerClip(boolean ownOn, int x1, int y1, int x2, int y2) {
        if (!ownOn && clipOn) {
            x1 = clipX1;
            y1 = clipY1;
            x2 = clipX2;
            y2 = clipY2;
        } else if (!ownOn) {
            x1 = 0;
            y1 = 0;
            x2 = screenWidth;
            y2 = screenHeight;
        }
        layerX1 = x1 + layerMargin;
        layerY1 = y1;
        layerX2 = x2 + layerMargin;
        layerY2 = y2;
    }

    private void drawLayers() {
        layerMargin = joypadMargin();
        drawMap();
        drawSprites();
    }

    /**
     * Blends the rectangle (left, top, width, height) of the picture held in
     * slot holder into the frame with its top-left at (x, y): each colour
     * channel source * alpha + frame * (255 - alpha), divided by 255 and
     * rounded; the frame stays opaque.
     */
    private void drawPicture(int holder, int left, int top, int width, int height, long x, long y) {
        x += layerMargin;
        int pictureWidth = slotWidth[holder];
        int[] pixels = slotPixels[holder];
        long x1 = Math.max(Math.max(0, layerX1), Math.max(x, x - left));
        long y1 = Math.max(Math.max(0, layerY1), Math.max(y, y - top));
        long x2 = Math.min(Math.min(screenWidth, layerX2), Math.min(x + width, x + ((long) pictureWidth - left)));
        long y2 = Math.min(Math.min(screenHeight, layerY2), Math.min(y + height, y + ((long) slotHeight[holder] - top)));
        for (long row = y1; row < y2; row++) {
            long from = (row - y + top) * pictureWidth + (left - x);
            int to = (int) row * screenWidth;
            for (int column = (int) x1; column < x2; column++) {
                int source = pixels[(int) (from + column)], alpha = source >>> 24;
                // The rule gives the frame's pixel at alpha 0 and the picture's at 255.
                if (alpha == 0) continue;
                if (alpha == 255) {
                    shownFrame[to + column] = source;
                    continue;
                }
                int target = shownFrame[to + column];
                int blended = 0xFF000000;
                for (int shift = 0; shift < 24; shift += 8) {
                    int s = (source >> shift) & 0xFF, d = (target >> shift) & 0xFF;
                    blended |= ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
                }
                shownFrame[to + column] = blended;
            }
        }
    }

    // ======== archives (runtime/builtins/archives/) ========

    // An archive is a record store of the archive's name holding one record:
    // the text the desktop keeps in its file "NAME.rs", one line "%d:%s" per
    // entry. It is read and written by the desktop's rules, so numbering,
    // order and the entries a program sees are the same on both. While open,
    // the entries live in memory, newest first; the store is rewritten at the
    // close.

    /** Only this many characters of an entry's line are read back; the rest are dropped. */
    static final int ENTRY_TEXT_LIMIT = 256;

    /** The open archive's name, null while none is open. */
    private String archiveName;
    private int[] entryNumbers = new int[0];
    /** null for a deleted entry. */
    private String[] entryTexts = new String[0];
    private int entryCount;

    public void bOpenArchive(String name, int mode) {
        if (archiveName != null) fail(MESSAGE_ARCHIVE_IS_OPEN);
        byte[] file = readStore(name);
        if (file == null && mode == 0) fail(MESSAGE_ARCHIVE_NOT_FOUND);
        archiveName = name;
        if (file != null) readEntries(file);
    }

    /**
     * For each line: the characters before the first ":" add up as decimal
     * digits unchecked, the text follows; a NUL, a byte 255 or the end ends
     * reading. Lines without ":" are skipped; number 0 takes the next free one.
     */
    private void readEntries(byte[] file) {
        int number = 0;
        boolean sawColon = false;
        StringBuffer text = new StringBuffer();
        for (int i = 0; ; i++) {
            int c = i < file.length ? file[i] & 0xFF : -1;
            boolean end = c == -1 || c == 0 || c == 255;
            if (end || c == '\n') {
                if (sawColon) putEntry(number != 0 ? number : nextEntryNumber(), text.toString());
                if (end) return;
                number = 0;
                text.setLength(0);
                sawColon = false;
            } else if (!sawColon) {
                if (c == ':') sawColon = true;
                else number = number * 10 + c - '0';
            } else if (text.length() < ENTRY_TEXT_LIMIT) {
                text.append((char) c);
            }
        }
    }

    private void checkArchiveOpen() {
        if (archiveName == null) fail(MESSAGE_ARCHIVE_NOT_OPEN);
    }

    private int nextEntryNumber() {
        int highest = 0;
        for (int i = 0; i < entryCount; i++) highest = Math.max(highest, entryNumbers[i]);
        return highest + 1;
    }

    /** A new entry goes to the front. */
    private void putEntry(int number, String text) {
        if (entryCount == entryNumbers.length) {
            int[] numbers = new int[entryCount * 2 + 8];
            String[] texts = new String[numbers.length];
            System.arraycopy(entryNumbers, 0, numbers, 1, entryCount);
            System.arraycopy(entryTexts, 0, texts, 1, entryCount);
            entryNumbers = numbers;
            entryTexts = texts;
        } else {
            System.arraycopy(entryNumbers, 0, entryNumbers, 1, entryCount);
            System.arraycopy(entryTexts, 0, entryTexts, 1, entryCount);
        }
        entryNumbers[0] = number;
        entryTexts[0] = text;
        entryCount++;
    }

    /** The first entry of that number from the front, -1 for none. */
    private int findEntry(int number) {
        for (int i = 0; i < entryCount; i++)
            if (entryNumbers[i] == number) return i;
        return -1;
    }

    public void bAddEntry(String text) {
        checkArchiveOpen();
        putEntry(nextEntryNumber(), text);
    }

    public String bGetEntry(int number) {
        checkArchiveOpen();
        int i = findEntry(number);
        return i < 0 || entryTexts[i] == null ? "" : entryTexts[i];
    }

    public void bSetEntry(int number, String text) {
        checkArchiveOpen();
        int i = findEntry(number);
        if (i >= 0) entryTexts[i] = text;
    }

    public void bDeleteEntry(int number) {
        checkArchiveOpen();
        int i = findEntry(number);
        if (i >= 0) entryTexts[i] = null;
    }

    public int bEntryCount() {
        checkArchiveOpen();
        int count = 0;
        for (int i = 0; i < entryCount; i++)
            if (entryTexts[i] != null) count++;
        return count;
    }

    public void bCloseArchive() {
        checkArchiveOpen();
        closeArchive();
    }

    /** An empty archive writes nothing; otherwise every entry, newest first, then the entries are gone. */
    private void closeArchive() {
        boolean saved = entryCount == 0 || writeStore(archiveName, archiveText());
        archiveName = null;
        entryNumbers = new int[0];
        entryTexts = new String[0];
        entryCount = 0;
        if (!saved) fail(MESSAGE_CANNOT_SAVE_ARCHIVE);
    }

    private byte[] archiveText() {
        StringBuffer text = new StringBuffer();
        for (int i = 0; i < entryCount; i++) {
            text.append(entryNumbers[i]);
            text.append(':');
            if (entryTexts[i] != null) text.append(entryTexts[i]);
            text.append('\n');
        }
        byte[] bytes = new byte[text.length()];
        for (int i = 0; i < bytes.length; i++) bytes[i] = (byte) text.charAt(i);
        return bytes;
    }

    public void bDeleteArchive(String name) {
        if (archiveName != null) closeArchive();
        try {
            RecordStore.deleteRecordStore(name);
        } catch (RecordStoreNotFoundException e) {
            fail(MESSAGE_ARCHIVE_DOESNT_EXIST);
        } catch (RecordStoreException e) {
            fail(MESSAGE_UNABLE_TO_DELETE_ARCHIVE);
        } catch (IllegalArgumentException e) {
            fail(MESSAGE_ARCHIVE_DOESNT_EXIST);   // a name no store can have
        }
    }

    /** The archive's text, or null when there is no store of that name. */
    private static byte[] readStore(String name) {
        RecordStore store = null;
        try {
            store = RecordStore.openRecordStore(name, false);
            byte[] text = store.getNumRecords() == 0 ? null : store.getRecord(1);
            return text == null ? new byte[0] : text;   // a record without data reads as null
        } catch (RecordStoreException e) {
            return null;
        } catch (IllegalArgumentException e) {
            return null;   // a name no store can have
        } finally {
            closeStore(store);
        }
    }

    private static boolean writeStore(String name, byte[] text) {
        RecordStore store = null;
        try {
            store = RecordStore.openRecordStore(name, true);
            if (store.getNumRecords() == 0) store.addRecord(text, 0, text.length);
            else store.setRecord(1, text, 0, text.length);
            return true;
        } catch (RecordStoreException e) {
            return false;
        } catch (IllegalArgumentException e) {
            return false;
        } finally {
            closeStore(store);
        }
    }

    private static void closeStore(RecordStore store) {
        if (store == null) return;
        try {
            store.closeRecordStore();
        } catch (RecordStoreException e) {
            // what was written stays written
        }
    }

    // ======== sound (runtime/builtins/sound/) ========

    //
    // Sound: 63 WAV slots, 8 MIDI and 8 MP3 slots, each a MIDP player made
    // from the JAR's file, and Beep as a tone. The slot rules are the
    // desktop's: the same checks in the same order, the same messages, and
    // one ready and one playing flag shared by every MIDI and MP3 slot. A
    // phone that cannot play a kind of sound at all loads its files all the
    // same and plays nothing, as the desktop does without a sound device.
    // Slots count from 1 in the language and from 0 here; music slots 0..7
    // are MIDI and 8..15 MP3.

    static final int WAV_SLOTS = 63, MUSIC_SLOTS = 8;
    static final int MIDI = 0, MP3 = 1;
    static final String WAV_TYPE = "audio/x-wav";
    static final String[] MUSIC_TYPES = {"audio/midi", "audio/mpeg"};
    /** Cannot load, not loaded, cannot play: MIDI's messages, then MP3's. */
    static final int[][] MUSIC_MESSAGES = {
        {MESSAGE_CANNOT_LOAD_MIDI, MESSAGE_MIDI_NOT_LOADED, MESSAGE_CANNOT_PLAY_MIDI},
        {MESSAGE_CANNOT_LOAD_MP3, MESSAGE_MP3_NOT_LOADED, MESSAGE_CANNOT_PLAY_MP3}};
    /**
     * VolumeControl levels for WavVol 0..40: the desktop attenuates by
     * 40 - v decibels, which is an amplitude of 10^((v - 40) / 20); from 40
     * up it plays at full volume.
     */
    static final int[] VOLUME_LEVELS = {1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 6, 6, 7, 8, 9, 10, 11, 13, 14,
            16, 18, 20, 22, 25, 28, 32, 35, 40, 45, 50, 56, 63, 71, 79, 89, 100};
    /** Beep plays notes 12..119; below 26 (37 Hz) the desktop's lowest pitch. */
    static final int FIRST_BEEP_NOTE = 12, LAST_BEEP_NOTE = 119, LOWEST_BEEP_NOTE = 26;
    /** The desktop's square wave swings a tenth of full scale: -20 dB, level 10. */
    static final int BEEP_VOLUME = 10;

    /**
     * A loaded WAV slot keeps its file and level; a loaded music slot keeps
     * the name of its file. Players are made when a slot first plays, not
     * when it loads, since some phones hold only one prefetched player at a
     * time. Whatever a player throws (a phone whose audio fails) makes its
     * slot silent and the program goes on, as on the desktop without a sound
     * device; only a file that is not of its kind has its load refused.
     */
    private final boolean[] wavLoaded = new boolean[WAV_SLOTS];
    private final boolean[] wavPlaying = new boolean[WAV_SLOTS];
    private final byte[][] wavFiles = new byte[WAV_SLOTS][];
    private final int[] wavLevels = new int[WAV_SLOTS];
    /**
     * musicLoaded is what the program loaded; musicOpen whether the slot's
     * song is open now (a failed load closes it but leaves the slot loaded).
     */
    private final boolean[] musicLoaded = new boolean[2 * MUSIC_SLOTS];
    private final boolean[] musicOpen = new boolean[2 * MUSIC_SLOTS];
    private final String[] musicFiles = new String[2 * MUSIC_SLOTS];
    private boolean musicReady, musicPlaying;
    /** The players of WAV slots 0..62, then of music slots 0..15 at FIRST_MUSIC_PLAYER onwards. */
    private final Player[] players = new Player[WAV_SLOTS + 2 * MUSIC_SLOTS];
    static final int FIRST_MUSIC_PLAYER = WAV_SLOTS;

    public void bLoadWav(int slot, String resource) {
        InputStream in = getClass().getResourceAsStream(resource);
        if (in == null) fail(MESSAGE_FILE_NOT_FOUND);
        if (slot < 1 || slot > WAV_SLOTS) {
            closeQuietly(in);
            fail(MESSAGE_OUT_OF_RANGE);
        }
        int i = slot - 1;
        if (wavLoaded[i]) emptyWav(i);
        byte[] wave = readAll(in, MESSAGE_CANNOT_LOAD_WAV);
        if (!isWave(wave)) fail(MESSAGE_CANNOT_LOAD_WAV);
        wavFiles[i] = wave;
        wavLevels[i] = 100;
        wavLoaded[i] = true;
    }

    public void bPlayWav(int slot) {
        loadedWav(slot);
        int i = slot - 1;
        Player p = player(i);
        // Playing again restarts the sample from its beginning.
        boolean alreadyPlaying = p != null && p.getState() == Player.STARTED;
        if (p != null) {
            try {
                p.setMediaTime(0);
                if (!alreadyPlaying) p.start();
            } catch (Exception e) {
                silence(i);
            }
        }
        if (!alreadyPlaying) wavPlaying[i] = true;
    }

    public void bStopWav(int slot) {
        loadedWav(slot);
        int i = slot - 1;
        if (wavPlaying[i] && stopPlayer(i)) wavPlaying[i] = false;
    }

    public void bFreeWav(int slot) {
        loadedWav(slot);
        emptyWav(slot - 1);
    }

    public void bWavVol(int slot, int volume) {
        loadedWav(slot);
        if (volume < 0 || volume > 100) fail(MESSAGE_OUT_OF_RANGE);
        int i = slot - 1;
        wavLevels[i] = volume >= 40 ? 100 : VOLUME_LEVELS[volume];
        if (players[i] != null) setLevel(i);
    }

    /** The checks every command on a loaded WAV slot starts with. */
    private void loadedWav(int slot) {
        if (slot < 1 || slot > WAV_SLOTS) fail(MESSAGE_OUT_OF_RANGE);
        if (!wavLoaded[slot - 1]) fail(MESSAGE_WAV_NOT_LOADED);
    }

    private void emptyWav(int i) {
        closePlayer(i);
        wavFiles[i] = null;
        wavLoaded[i] = wavPlaying[i] = false;
    }

    public void bLoadMid(int slot, String resource) { loadMusic(MIDI, slot, resource); }
    public void bPlayMid(int slot) { playMusic(MIDI, slot); }
    public void bStopMid(int slot) { stopMusic(MIDI, slot); }
    public void bFreeMid(int slot) { freeMusic(MIDI, slot); }
    public int bGetMidPosition(int slot) { return musicPosition(MIDI, slot); }

    public void bLoadMp3(int slot, String resource) { loadMusic(MP3, slot, resource); }
    public void bPlayMp3(int slot) { playMusic(MP3, slot); }
    public void bStopMp3(int slot) { stopMusic(MP3, slot); }
    public void bFreeMp3(int slot) { freeMusic(MP3, slot); }
    public int bGetMp3Position(int slot) { return musicPosition(MP3, slot); }

    private void loadMusic(int kind, int slot, String resource) {
        InputStream in = getClass().getResourceAsStream(resource);
        if (in == null) fail(MESSAGE_FILE_NOT_FOUND);
        if (slot < 1 || slot > MUSIC_SLOTS) {
            closeQuietly(in);
            fail(MESSAGE_OUT_OF_RANGE);
        }
        int i = kind * MUSIC_SLOTS + slot - 1;
        // A loaded slot's song is closed even when the ready flag is clear,
        // or it would stay open with no way to reach it.
        if (musicReady || musicLoaded[i]) closeSong(i);
        musicReady = musicPlaying = false;
        boolean song = isSong(kind, in);
        closeQuietly(in);
        if (!song && canPlay(MUSIC_TYPES[kind])) fail(MUSIC_MESSAGES[kind][0]);
        musicFiles[i] = resource;
        musicOpen[i] = true;
        musicReady = true;
        musicLoaded[i] = true;
    }

    private void playMusic(int kind, int slot) {
        int i = loadedSong(kind, slot);
        if (!musicReady) fail(MUSIC_MESSAGES[kind][2]);
        if (playFromStart(i)) {
            musicPlaying = true;
            return;
        }
        musicReady = false;
        if (!musicPlaying) fail(MUSIC_MESSAGES[kind][2]);
    }

    // Stop and free act on the slot's own song whatever the shared ready
    // flag says: a song left playing or open could never be reached again.
    private void stopMusic(int kind, int slot) {
        stopPlayer(FIRST_MUSIC_PLAYER + loadedSong(kind, slot));
        musicPlaying = false;
    }

    private void freeMusic(int kind, int slot) {
        int i = loadedSong(kind, slot);
        closeSong(i);
        musicReady = musicPlaying = false;
        musicLoaded[i] = false;
    }

    /** The play position in milliseconds; 0 while no song is ready or the player cannot tell. */
    private int musicPosition(int kind, int slot) {
        int i = loadedSong(kind, slot);
        Player p = players[FIRST_MUSIC_PLAYER + i];
        if (!musicReady || p == null) return 0;
        try {
            long microseconds = p.getMediaTime();
            return microseconds < 0 ? 0 : (int) (microseconds / 1000);
        } catch (Exception e) {
            return 0;
        }
    }

    /** The checks every command on a loaded music slot starts with; returns its index. */
    private int loadedSong(int kind, int slot) {
        if (slot < 1 || slot > MUSIC_SLOTS) fail(MESSAGE_OUT_OF_RANGE);
        int i = kind * MUSIC_SLOTS + slot - 1;
        if (!musicLoaded[i]) fail(MUSIC_MESSAGES[kind][1]);
        return i;
    }

    /** Plays an open song from its start; false only when it is not open. */
    private boolean playFromStart(int i) {
        if (!musicOpen[i]) return false;
        int n = FIRST_MUSIC_PLAYER + i;
        Player p = player(n);
        if (p == null) return true;
        try {
            if (p.getState() == Player.STARTED) p.stop();
            p.setMediaTime(0);
            p.start();
        } catch (Exception e) {
            silence(n);
        }
        return true;
    }

    private void closeSong(int i) {
        closePlayer(FIRST_MUSIC_PLAYER + i);
        musicFiles[i] = null;
        musicOpen[i] = false;
    }

    /** The end of the program silences everything: WAVs stop, songs close. */
    private void stopAllSound() {
        for (int i = 0; i < WAV_SLOTS; i++)
            if (wavPlaying[i] && stopPlayer(i)) wavPlaying[i] = false;
        for (int i = 0; i < 2 * MUSIC_SLOTS; i++)
            if (musicLoaded[i]) closeSong(i);
        musicReady = musicPlaying = false;
    }

    /** Beep blocks for its duration, heard or not; notes outside 12..119 play nothing and do not wait. */
    public void bBeep(int note, int milliseconds) {
        if (milliseconds < 1) fail(MESSAGE_OUT_OF_RANGE);
        if (note < FIRST_BEEP_NOTE || note > LAST_BEEP_NOTE) return;
        try {
            Manager.playTone(Math.max(note, LOWEST_BEEP_NOTE), milliseconds, BEEP_VOLUME);
        } catch (Exception e) {
            // a phone without tones keeps the time all the same
        }
        bPause(milliseconds);
    }

    /** Whether the phone plays this media type at all. */
    private static boolean canPlay(String type) {
        String[] types;
        try {
            types = Manager.getSupportedContentTypes(null);
        } catch (Exception e) {
            return false;
        }
        for (int i = 0; types != null && i < types.length; i++)
            if (type.equals(types[i])) return true;
        return false;
    }

    private static String playerType(int n) {
        if (n < FIRST_MUSIC_PLAYER) return WAV_TYPE;
        return MUSIC_TYPES[(n - FIRST_MUSIC_PLAYER) / MUSIC_SLOTS];
    }

    /**
     * The slot's player, made ready to start now when it has none; null when
     * the phone does not play its kind or will not make one. A phone that
     * refuses may be holding its only player for another slot, so the other
     * players make way and it is asked once more.
     */
    private Player player(int n) {
        if (players[n] != null || !canPlay(playerType(n))) return players[n];
        Player p = openPlayer(n);
        if (p == null) {
            for (int other = 0; other < players.length; other++)
                if (other != n) closePlayer(other);
            p = openPlayer(n);
        }
        players[n] = p;
        if (p != null && n < FIRST_MUSIC_PLAYER) setLevel(n);
        return p;
    }

    private Player openPlayer(int n) {
        InputStream in;
        if (n < FIRST_MUSIC_PLAYER) in = new java.io.ByteArrayInputStream(wavFiles[n]);
        else in = getClass().getResourceAsStream(musicFiles[n - FIRST_MUSIC_PLAYER]);
        if (in == null) return null;
        Player p = null;
        try {
            p = Manager.createPlayer(in, playerType(n));
            p.realize();
            p.prefetch();
            return p;
        } catch (Exception e) {
            if (p != null) closeQuietly(p);
            closeQuietly(in);
            return null;
        }
    }

    /** Stops a slot's player; true when it stopped or there is none. A player that throws is let go. */
    private boolean stopPlayer(int n) {
        if (players[n] == null) return true;
        try {
            players[n].stop();
            return true;
        } catch (Exception e) {
            silence(n);
            return false;
        }
    }

    private void closePlayer(int n) {
        if (players[n] == null) return;
        stopPlayer(n);
        silence(n);
    }

    /** The slot keeps no player: it is silent until it next plays. */
    private void silence(int n) {
        if (players[n] != null) closeQuietly(players[n]);
        players[n] = null;
    }

    private static void closeQuietly(Player p) {
        try {
            p.close();
        } catch (Exception e) {
            // a player that cannot close is dropped all the same
        }
    }

    private void setLevel(int n) {
        try {
            VolumeControl volume = (VolumeControl) players[n].getControl("VolumeControl");
            if (volume != null) volume.setLevel(wavLevels[n]);
        } catch (Exception e) {
            // the volume stays as the phone has it
        }
    }

    /**
     * Whether a song starts as a file of its kind must: "MThd" for MIDI, an
     * ID3 tag or a frame sync for MP3. A file that does not is refused on
     * every phone, as the desktop refuses to open it.
     */
    private static boolean isSong(int kind, InputStream in) {
        byte[] head = new byte[4];
        int got = 0;
        try {
            for (int n; got < head.length && (n = in.read(head, got, head.length - got)) > 0; ) got += n;
        } catch (java.io.IOException e) {
            return false;
        }
        if (kind == MIDI) return got == 4 && isId(head, 0, "MThd");
        return got >= 3 && isId(head, 0, "ID3") || got >= 2 && (head[0] & 0xFF) == 0xFF && (head[1] & 0xE0) == 0xE0;
    }

    /**
     * A RIFF/WAVE image with a format record of at least 16 bytes and a data
     * chunk that lies wholly inside the RIFF chunk and the file: what the
     * desktop needs to load a WAV.
     */
    static boolean isWave(byte[] b) {
        if (b.length < 12 || !isId(b, 0, "RIFF") || !isId(b, 8, "WAVE")) return false;
        long end = Math.min(8 + u32(b, 4), b.length);
        long fmt = chunk(b, end, "fmt ");
        if (fmt < 0 || u32(b, (int) fmt - 4) < 16 || fmt + 16 > end) return false;
        // A non-PCM record longer than 16 bytes names its extra bytes, which must be there.
        if (u16(b, (int) fmt) != 1 && u32(b, (int) fmt - 4) >= 18) {
            if (fmt + 18 > end) return false;
            long extra = u16(b, (int) fmt + 16);
            if (18 + extra > u32(b, (int) fmt - 4) || fmt + 18 + extra > end) return false;
        }
        long data = chunk(b, end, "data");
        return data >= 0 && data + u32(b, (int) data - 4) <= end;
    }

    /** The offset of a chunk's data, past its 8-byte header, or -1; chunks are padded to even sizes. */
    private static long chunk(byte[] b, long end, String id) {
        for (long at = 12; at + 8 <= end; ) {
            long size = u32(b, (int) at + 4);
            if (isId(b, (int) at, id)) return at + 8;
            at += 8 + size + (size & 1);
        }
        return -1;
    }

    private static boolean isId(byte[] b, int at, String id) {
        for (int i = 0; i < id.length(); i++)
            if (b[at + i] != id.charAt(i)) return false;
        return true;
    }

    private static int u16(byte[] b, int at) { return (b[at] & 0xFF) | (b[at + 1] & 0xFF) << 8; }
    private static long u32(byte[] b, int at) { return u16(b, at) | (long) u16(b, at + 2) << 16; }

    // ======== phone (runtime/builtins/phone/) ========

    // ---- keys ----
    //
    // The key table is laid out like the desktop's PC keys, so that
    // KeyPressed and Inkey answer as orbrt does: codes 0..254 as they come
    // (digits have the same numbers; letters are taken in upper case, as PC
    // keys are), and the phone keys -1..-9 at the PC keys that stand in for
    // them on the desktop. Phones that give the arrows and fire other codes
    // are understood through their game actions.

    static final String[] PHONE_KEY_NAMES = {"Up", "Down", "Left", "Right", "Select", "Calendar", "Addressbook",
            "Menu", "Mail"};
    static final int[] PHONE_KEY_PC_KEYS = {38, 40, 37, 39, 13, 112, 113, 114, 115};
    static final int KEY_TABLE_SIZE = 255;

    /** Input arrives on the phone's event thread; the program reads it on its own. */
    private final Object inputLock = new Object();
    private final boolean[] keysHeld = new boolean[KEY_TABLE_SIZE];
    /** The most recent key down, 0 after any key up. */
    private int lastKeyDown;

    /**
     * A full-screen canvas hears the soft keys as -6 and -7 (Calendar and
     * Addressbook), so the phone's Exit command cannot be reached: both soft
     * keys held together close the running program as Exit does, and at the
     * end strip any key, the right soft key ("Exit") among them, quits.
     */
    static final int LEFT_SOFT_KEY = -6, RIGHT_SOFT_KEY = -7;

    protected void keyPressed(int keyCode) {
        int key = tableKey(keyCode);
        boolean bothSoftKeys;
        synchronized (inputLock) {
            if (key >= 0) {
                keysHeld[key] = true;
                lastKeyDown = key;
            }
            bothSoftKeys = (keyCode == LEFT_SOFT_KEY || keyCode == RIGHT_SOFT_KEY)
                    && keysHeld[PHONE_KEY_PC_KEYS[-LEFT_SOFT_KEY - 1]] && keysHeld[PHONE_KEY_PC_KEYS[-RIGHT_SOFT_KEY - 1]];
        }
        if (bothSoftKeys) close();
        else keyAfterEnd();
    }

    protected void keyReleased(int keyCode) {
        int key = tableKey(keyCode);
        synchronized (inputLock) {
            if (key >= 0) keysHeld[key] = false;
            lastKeyDown = 0;
        }
    }

    /** The key table's entry for a phone key code, -1 for keys it has none for. */
    private int tableKey(int keyCode) {
        if (keyCode >= 'a' && keyCode <= 'z') return keyCode - 32;
        if (keyCode >= 0 && keyCode < KEY_TABLE_SIZE) return keyCode;
        if (keyCode >= -9 && keyCode <= -1) return PHONE_KEY_PC_KEYS[-keyCode - 1];
        int action;
        try {
            action = getGameAction(keyCode);
        } catch (IllegalArgumentException e) {
            return -1;
        }
        if (action == UP) return PHONE_KEY_PC_KEYS[0];
        if (action == DOWN) return PHONE_KEY_PC_KEYS[1];
        if (action == LEFT) return PHONE_KEY_PC_KEYS[2];
        if (action == RIGHT) return PHONE_KEY_PC_KEYS[3];
        if (action == FIRE) return PHONE_KEY_PC_KEYS[4];
        return -1;
    }

    /** 1 while held: codes 0..254 by number, the phone keys -1..-9 through their place in the table. */
    public int bKeyPressed(int key) {
        int entry = key >= 0 ? key : (key >= -9 ? PHONE_KEY_PC_KEYS[-key - 1] : -1);
        if (entry < 0 || entry >= KEY_TABLE_SIZE) return 0;
        synchronized (inputLock) {
            return keysHeld[entry] ? 1 : 0;
        }
    }

    public String bKeyName(int key) {
        if (key < -9 || key > -1) fail(MESSAGE_OUT_OF_RANGE);
        return PHONE_KEY_NAMES[-key - 1];
    }

    /**
     * The held key's name when it is a phone key, else its character; with no
     * key held, the joypad: Up or else the first pressed of Mail, Menu,
     * Addressbook, Calendar, overridden by Down, Left and Right in that order.
     */
    public String bInkey() {
        synchronized (inputLock) {
            int held = lastKeyDown;
            if (held != 0) {
                for (int i = 0; i < PHONE_KEY_PC_KEYS.length; i++)
                    if (PHONE_KEY_PC_KEYS[i] == held) return PHONE_KEY_NAMES[i];
                return String.valueOf((char) held);
            }
            String choice = "";
            if (padPressed[PAD_UP]) choice = PHONE_KEY_NAMES[0];
            else if (padPressed[PAD_MAIL]) choice = PHONE_KEY_NAMES[8];
            else if (padPressed[PAD_MENU]) choice = PHONE_KEY_NAMES[7];
            else if (padPressed[PAD_ADDRESSBOOK]) choice = PHONE_KEY_NAMES[6];
            else if (padPressed[PAD_CALENDAR]) choice = PHONE_KEY_NAMES[5];
            if (padPressed[PAD_DOWN]) choice = PHONE_KEY_NAMES[1];
            if (padPressed[PAD_LEFT]) choice = PHONE_KEY_NAMES[2];
            if (padPressed[PAD_RIGHT]) choice = PHONE_KEY_NAMES[3];
            return choice;
        }
    }

    // ---- touch ----
    //
    // Pointer positions are those of the shown frame; in landscape with the
    // joypad on, the screen image stands right of the joypad's left side, so
    // touches are moved back by that margin. Touches on the joypad press its
    // arrows and buttons instead.

    private boolean touching, pointerDown;
    private int touchX, touchY;

    protected void pointerPressed(int x, int y) {
        x = frameX(x);
        y = frameY(y);
        if (!onScreen(x, y)) return;
        synchronized (inputLock) {
            touching = true;
            pointerDown = true;
            followPointer(x, y);
        }
    }

    protected void pointerDragged(int x, int y) {
        x = frameX(x);
        y = frameY(y);
        if (!onScreen(x, y)) return;
        synchronized (inputLock) {
            if (touching || pointerDown) followPointer(x, y);
        }
    }

    protected void pointerReleased(int x, int y) {
        synchronized (inputLock) {
            touching = false;
            pointerDown = false;
            releasePad();
        }
    }

    private boolean onScreen(int x, int y) {
        return x >= 0 && x <= screenWidth && y >= 0 && y <= screenHeight;
    }

    private void followPointer(int x, int y) {
        if (joypadOn && inJoypadArea(x, y)) {
            touchJoypad(x, y);
        } else {
            touchX = x - joypadMargin();
            touchY = y;
        }
    }

    public int bTouch() {
        synchronized (inputLock) {
            return touching ? 1 : 0;
        }
    }

    public int bTouchX() {
        synchronized (inputLock) {
            return touchX;
        }
    }

    public int bTouchY() {
        synchronized (inputLock) {
            return touchY;
        }
    }

    public int bTouchScreen() { return 1; }

    // ---- zones: rectangles of the screen a program names by number ----

    static final int ZONE_COUNT = 16;
    /** x1, y1, x2, y2 of each zone, ordered per axis. */
    private final int[] zones = new int[ZONE_COUNT * 4];
    private final boolean[] zoneEnabled = new boolean[ZONE_COUNT];

    private int zoneIndex(int zone) {
        if (zone < 1 || zone > ZONE_COUNT) fail(MESSAGE_OUT_OF_RANGE);
        return zone - 1;
    }

    public void bSetZone(int zone, int x1, int y1, int x2, int y2) {
        int z = zoneIndex(zone) * 4;
        zones[z] = Math.min(x1, x2);
        zones[z + 1] = Math.min(y1, y2);
        zones[z + 2] = Math.max(x1, x2);
        zones[z + 3] = Math.max(y1, y2);
        zoneEnabled[z / 4] = true;
    }

    /** The lowest-numbered enabled zone holding the point, 0 for none. */
    public int bZone(int x, int y) {
        for (int i = 0; i < ZONE_COUNT; i++) {
            int z = i * 4;
            if (zoneEnabled[i] && x >= zones[z] && x <= zones[z + 2] && y >= zones[z + 1] && y <= zones[z + 3])
                return i + 1;
        }
        return 0;
    }

    public void bZoneOn(int zone) { zoneEnabled[zoneIndex(zone)] = true; }

    public void bZoneOff(int zone) { zoneEnabled[zoneIndex(zone)] = false; }

    // ---- the on-screen joypad ----
    //
    // A direction pad and four buttons drawn over the frame at Update, below
    // the screen in portrait and on both sides in landscape, from the package's
    // attachedcontrol.png (a 3 x 3 grid of cells: the cross, and the pressed
    // cross three cells lower) and atachedimg58x54.png (a column of button
    // cells). The hit rectangles of the last drawn overlay are what touches
    // are tested against.

    static final int PAD_UP = 0, PAD_DOWN = 1, PAD_LEFT = 2, PAD_RIGHT = 3;
    static final int PAD_CALENDAR = 4, PAD_ADDRESSBOOK = 5, PAD_MENU = 6, PAD_MAIL = 7;
    static final int PAD_CONTROLS = 8;
    /** The corner squares between the arrows: up-left, up-right, down-left, down-right. */
    static final int[] DIAGONAL_DIRECTIONS = {PAD_UP, PAD_LEFT, PAD_UP, PAD_RIGHT, PAD_DOWN, PAD_LEFT, PAD_DOWN,
            PAD_RIGHT};

    private boolean joypadOn, leftHand;
    private final boolean[] padPressed = new boolean[PAD_CONTROLS];
    /** x1, y1, x2, y2 (exclusive) of each control's hit area, then of the four corner squares. */
    private final int[] padHits = new int[(PAD_CONTROLS + 4) * 4];
    private int[] padImage, buttonImage;
    private int padImageWidth, padImageHeight, buttonImageWidth, buttonImageHeight;

    public void bJoyPad(int on) {
        synchronized (inputLock) {
            joypadOn = on != 0;
        }
    }

    public void bLeftHand(int on) {
        synchronized (inputLock) {
            leftHand = on > 0;
        }
    }

    private boolean largeScreen() { return screenWidth > 600 || screenHeight > 600; }

    private boolean landscape() { return orientation == 1; }

    /** The joypad images ship only with programs that use the joypad on a touch screen. */
    private void loadJoypadImages() {
        if (design.touchScreen == 0 || design.joypadUsed == 0) return;
        try {
            Image pad = Image.createImage("/attachedcontrol.png");
            Image buttons = Image.createImage("/atachedimg58x54.png");
            padImageWidth = pad.getWidth();
            padImageHeight = pad.getHeight();
            padImage = new int[padImageWidth * padImageHeight];
            pad.getRGB(padImage, 0, padImageWidth, 0, 0, padImageWidth, padImageHeight);
            buttonImageWidth = buttons.getWidth();
            buttonImageHeight = buttons.getHeight();
            buttonImage = new int[buttonImageWidth * buttonImageHeight];
            buttons.getRGB(buttonImage, 0, buttonImageWidth, 0, 0, buttonImageWidth, buttonImageHeight);
        } catch (java.io.IOException e) {
            padImage = buttonImage = null;   // no overlay, as without the images
        }
    }

    /** The shift of the screen image: right of the landscape joypad's left side. */
    private int joypadMargin() {
        if (!joypadOn || !landscape()) return 0;
        return leftHand ? buttonSideWidth() : padSideWidth();
    }

    private int padSideWidth() { return largeScreen() ? 175 : 128; }

    private int buttonSideWidth() { return largeScreen() ? 43 : 28; }

    /** Height of the portrait joypad's pad part; the strip starts 19 pixels above it. */
    private int portraitPadSpace() {
        return screenHeight <= 320 ? 119 : (screenHeight - 320) / 4 + 119;
    }

    private boolean inJoypadArea(int x, int y) {
        if (!landscape()) return y >= screenHeight - portraitPadSpace() - 19;
        int leftSide = leftHand ? buttonSideWidth() : padSideWidth();
        int rightSide = leftHand ? padSideWidth() : buttonSideWidth();
        return x <= leftSide || x >= screenWidth - rightSide;
    }

    /** A touch on the joypad: it presses the arrows under it and the first button, else the corners' two arrows. */
    private void touchJoypad(int x, int y) {
        touching = false;
        releasePad();
        for (int d = PAD_UP; d <= PAD_RIGHT; d++)
            if (padHit(d, x, y)) padPressed[d] = true;
        for (int b = PAD_CALENDAR; b <= PAD_MAIL; b++) {
            if (padHit(b, x, y)) {
                padPressed[b] = true;
                return;
            }
        }
        for (int corner = 0; corner < 4; corner++) {
            if (padHit(PAD_CONTROLS + corner, x, y)) {
                padPressed[DIAGONAL_DIRECTIONS[corner * 2]] = true;
                padPressed[DIAGONAL_DIRECTIONS[corner * 2 + 1]] = true;
            }
        }
    }

    private void releasePad() {
        for (int i = 0; i < PAD_CONTROLS; i++) padPressed[i] = false;
    }

    private boolean padHit(int area, int x, int y) {
        int a = area * 4;
        return x >= padHits[a] && x < padHits[a + 2] && y >= padHits[a + 1] && y < padHits[a + 3];
    }

    private void setPadHit(int area, int x, int y, int width, int height) {
        int a = area * 4;
        padHits[a] = x;
        padHits[a + 1] = y;
        padHits[a + 2] = x + width;
        padHits[a + 3] = y + height;
    }

    /** Draws the overlay into the frame when the joypad is on and its images were loaded; records the hit areas. */
    private void drawJoypad(int[] frame) {
        if (!joypadOn || padImage == null) return;
        boolean large = largeScreen();
        int w = screenWidth, h = screenHeight;
        int m = large ? 47 : 0, c = large ? 15 : 0;
        if (!landscape()) {
            fillFrame(frame, 0, h - portraitPadSpace() - 19, w, h);
        } else if (leftHand) {
            fillFrame(frame, w - m - 128, 0, w, h);
            fillFrame(frame, 0, 0, c + 28, h);
        } else {
            fillFrame(frame, 0, 0, m + 128, h);
            fillFrame(frame, w - c - 28, 0, w, h);
        }
        drawPad(frame, large);
        drawPadButtons(frame, large);
    }

    private void drawPad(int[] frame, boolean large) {
        int padWidth = large ? 150 : 100, padHeight = large ? 300 : 200;
        int f = padWidth / 3;
        int x, y;
        if (landscape()) {
            x = (leftHand ? screenWidth - (large ? 47 : 0) - 128 : 0) + 10;
            y = screenHeight / 2 - (large ? 30 : 10) - 49;
        } else {
            x = screenWidth / 2 - padWidth / 2;
            y = screenHeight - portraitPadSpace() / 2 - padHeight / 4 - 34 + (screenHeight <= 600 ? 10 : 0);
        }
        drawPiece(frame, padImage, padImageWidth, padImageHeight, f, f, 2 * f, 2 * f, x + f, y + f);
        int p = padPressed[PAD_UP] ? 3 * f : 0;
        drawPiece(frame, padImage, padImageWidth, padImageHeight, f - 5, p, 2 * f + 5, f + p, x + f - 5, y);
        p = padPressed[PAD_DOWN] ? 3 * f : 0;
        drawPiece(frame, padImage, padImageWidth, padImageHeight, f - 5, 2 * f + p, 2 * f + 5, 3 * f + p, x + f - 5,
                y + 2 * f);
        p = padPressed[PAD_LEFT] ? 3 * f : 0;
        drawPiece(frame, padImage, padImageWidth, padImageHeight, 0, f - 5 + p, f, 2 * f + 5 + p, x, y + f - 5);
        p = padPressed[PAD_RIGHT] ? 3 * f : 0;
        drawPiece(frame, padImage, padImageWidth, padImageHeight, 2 * f, f - 5 + p, 3 * f, 2 * f + 5 + p, x + 2 * f,
                y + f - 5);
        synchronized (inputLock) {
            setPadHit(PAD_UP, x + f, y, f, f);
            setPadHit(PAD_DOWN, x + f, y + 2 * f, f, f);
            setPadHit(PAD_LEFT, x, y + f, f, f);
            setPadHit(PAD_RIGHT, x + 2 * f, y + f, f, f);
            setPadHit(PAD_CONTROLS, x, y, f, f);
            setPadHit(PAD_CONTROLS + 1, x + 2 * f, y, f, f);
            setPadHit(PAD_CONTROLS + 2, x, y + 2 * f, f, f);
            setPadHit(PAD_CONTROLS + 3, x + 2 * f, y + 2 * f, f, f);
        }
    }

    /** Calendar, Addressbook, Menu and Mail: along the bottom in portrait, down the button side in landscape. */
    private void drawPadButtons(int[] frame, boolean large) {
        for (int k = 0; k < 4; k++) {
            boolean pressed = padPressed[PAD_CALENDAR + k];
            int x, y, sourceY, cellWidth, cellHeight, shiftX = 0, shiftY = 0;
            if (landscape()) {
                cellWidth = large ? 48 : 33;
                cellHeight = large ? 81 : 54;
                int quarter = screenHeight / 4;
                x = leftHand ? -5 : screenWidth - (large ? 15 : 0) - 28;
                y = k * quarter + Math.max((quarter - cellHeight) / 2, 0);
                sourceY = large ? k * 81 : (4 + k) * 54;
                if (pressed) shiftX = leftHand ? -2 : 2;
                synchronized (inputLock) {
                    setPadHit(PAD_CALENDAR + k, x, y, large ? 82 : 53, large ? 75 : 55);
                }
            } else {
                cellWidth = large ? 87 : 58;
                int a = large ? 40 : 30;
                cellHeight = a + 4;
                int quarter = screenWidth / 4;
                x = k * quarter + Math.max((quarter - cellWidth) / 2, 0);
                y = screenHeight - a;
                sourceY = large ? (6 + k) * 81 : (10 + k) * 54;
                if (pressed) shiftY = 2;
                synchronized (inputLock) {
                    setPadHit(PAD_CALENDAR + k, x, y, large ? 82 : 53, large ? 50 : 30);
                }
            }
            drawPiece(frame, buttonImage, buttonImageWidth, buttonImageHeight, 0, sourceY, cellWidth,
                    sourceY + cellHeight, x + shiftX, y + shiftY);
        }
    }

    private void fillFrame(int[] frame, int x1, int y1, int x2, int y2) {
        x1 = Math.max(x1, 0);
        y1 = Math.max(y1, 0);
        x2 = Math.min(x2, screenWidth);
        y2 = Math.min(y2, screenHeight);
        for (int y = y1; y < y2; y++)
            for (int x = x1; x < x2; x++) frame[y * screenWidth + x] = 0xFF000000;
    }

    /** Copies the source rectangle (sx1, sy1)-(sx2, sy2) of an image to (dx, dy), opaque, cut to the frame and image. */
    private void drawPiece(int[] frame, int[] image, int imageWidth, int imageHeight, int sx1, int sy1, int sx2,
            int sy2, int dx, int dy) {
        int x1 = Math.max(Math.max(0, dx), dx - sx1), y1 = Math.max(Math.max(0, dy), dy - sy1);
        int x2 = Math.min(Math.min(screenWidth, dx + sx2 - sx1), dx + imageWidth - sx1);
        int y2 = Math.min(Math.min(screenHeight, dy + sy2 - sy1), dy + imageHeight - sy1);
        for (int y = y1; y < y2; y++) {
            int from = (y - dy + sy1) * imageWidth + sx1 - dx;
            for (int x = x1; x < x2; x++) frame[y * screenWidth + x] = image[from + x] | 0xFF000000;
        }
    }

    // ---- orientation, vibration, tilt and pausing ----
    //
    // When the phone turns its display, a program that did not fix its
    // orientation turns with it as with the desktop's Rot button: the screen's
    // width and height and the clip's limits are swapped, the buffer stays.
    // The turn is made by the program's thread before its next statement.

    private int orientation;
    private boolean orientationChanged;
    /** Turns the display reported, and turns made; they differ while one is due. */
    private volatile int turnsReported;
    private int turnsMade;
    private boolean canvasLandscape;

    protected void sizeChanged(int w, int h) {
        // Some phones learn the canvas's new size only from this method.
        super.sizeChanged(w, h);
        if (design.orientationNotFixed == 0 || w == h || (w > h) == canvasLandscape) return;
        canvasLandscape = w > h;
        turnsReported++;
    }

    private void turnIfDue() {
        if (turnsMade == turnsReported) return;
        turnsMade++;
        orientation ^= 1;
        orientationChanged = true;
        int t = screenWidth;
        screenWidth = screenHeight;
        screenHeight = t;
        // The clip turns with the screen, so a full-screen clip stays full-screen.
        t = clipX1;
        clipX1 = clipY1;
        clipY1 = t;
        t = clipX2;
        clipX2 = clipY2;
        clipY2 = t;
        synchronized (shownFrameLock) {
            shownFrame = new int[screenWidth * screenHeight];
        }
        // The turned frame is shown at once when the buffer holds it, as Update would show it.
        if (shownPartInBuffer()) present();
    }

    public int bOrientation() { return orientation; }

    /** 1 once after a turn. */
    public int bOrientationChanged() {
        int changed = orientationChanged ? 1 : 0;
        orientationChanged = false;
        return changed;
    }

    public void bVibrate(int ms) {
        if (ms < 1) fail(MESSAGE_OUT_OF_RANGE);
        Display.getDisplay(midlet).vibrate(ms);
    }

    /** The tilt reads stand for a slow sensor, as on the desktop; the phone offers none, so they read 0. */
    static final int TILT_READ_WAIT_MS = 100;

    public int bTiltX() {
        pause(TILT_READ_WAIT_MS);
        return 0;
    }

    public int bTiltY() {
        pause(TILT_READ_WAIT_MS);
        return 0;
    }

    public int bTiltZ() {
        pause(TILT_READ_WAIT_MS);
        return 0;
    }

    public int bTiltMin() { return -128; }

    public int bTiltMax() { return 127; }

    public void bReadSensors() { pause(TILT_READ_WAIT_MS); }

    public int bSensorX() { return 0; }

    public int bSensorY() { return 0; }

    public int bSensorZ() { return 0; }

    /** 1 while the phone has put the program in the background, as for a call. */
    private volatile boolean hidden;

    protected void hideNotify() { hidden = true; }

    protected void showNotify() { hidden = false; }

    public int bProgramPaused() { return hidden ? 1 : 0; }
}
