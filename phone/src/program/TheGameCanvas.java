package program;

import java.io.InputStream;
import java.util.Calendar;
import javax.microedition.lcdui.Canvas;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;

/**
 * The game class. The package builder inserts the compiled main program into
 * runMain and the compiled procedures into runProc; the methods below them
 * are what that code calls. Every label of the inserted code is given a
 * stack-map frame with the locals that runMain and runProc declare, so the
 * inserted code keeps those locals of those types throughout.
 */
public class TheGameCanvas extends Canvas implements Runnable {
    // Numbers into GameDesign.MESSAGES, the run-time message table.
    static final int MESSAGE_PROGRAM_CLOSED = 0, MESSAGE_OUT_OF_MEMORY = 2, MESSAGE_PROGRAM_ERROR = 4,
            MESSAGE_DIVIDE_BY_ZERO = 8, MESSAGE_OUT_OF_RANGE = 9, MESSAGE_NO_DATA = 15, MESSAGE_OUT_OF_DATA = 16,
            MESSAGE_WRONG_TYPE_OF_DATA = 17, MESSAGE_END_OF_PROGRAM = 22;
    static final int LINE_HEIGHT = 12, CHARACTER_WIDTH = 8, REGISTER_LENGTH = 1024;

    private final GameMidlet midlet;
    private final GameDesign design = new GameDesign();
    private Image screen;
    private Graphics g;
    private int textX, textY;
    private int ink = 0xFFFFFF;
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
            InputStream in = getClass().getResourceAsStream("/orb16.dat");
            if (in != null) design.load(in);
            screen = Image.createImage(design.width, design.height);
            g = screen.getGraphics();
            // A new MIDP image is white; the program's screen starts black.
            g.setColor(0);
            g.fillRect(0, 0, design.width, design.height);
            loadFont();
            runMain();
            endMessage = MESSAGE_END_OF_PROGRAM;
        } catch (Throwable t) {
            // fail() has set the message. The machine running out of heap or
            // stack (deep recursion) is "Out of memory", as on the desktop;
            // anything else is a fault of the phone runtime.
            if (endMessage < 0)
                endMessage = t instanceof VirtualMachineError ? MESSAGE_OUT_OF_MEMORY : MESSAGE_PROGRAM_ERROR;
        }
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
     * message, and stops the program when the user chose Exit.
     */
    public void step(int sourceLine) {
        line = sourceLine;
        if (closing) fail(MESSAGE_PROGRAM_CLOSED);
    }

    /** Called at every label, so that a loop without a new line still stops on Exit. */
    public void poll() {
        if (closing) fail(MESSAGE_PROGRAM_CLOSED);
    }

    /**
     * Runs a procedure with its frame, the arguments already in it; the
     * caller's line is back afterwards, for the messages of later errors.
     */
    public int call(locals procedureFrame, int proc) {
        int callerLine = line;
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

    // ---- strings ----

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

    // ---- text ----

    /** Print of a string: the empty string only moves the cursor to the next text line. */
    public void print(String text) {
        if (text.length() == 0) {
            textX = 0;
            textY += LINE_HEIGHT;
        } else {
            drawText(text, textX, textY, true);
            console("print ", text);
        }
    }

    public void printInt(int n) { print(intText(n)); }

    public void printFloat(float f) { print(floatText(f)); }

    /** Text at a place of its own; the cursor stays where it was. */
    public void text(int x, int y, String s) {
        drawText(s, x, y, false);
        console("print ", s);
    }

    public void locate(int column, int row) {
        textX = column * CHARACTER_WIDTH;
        textY = row * LINE_HEIGHT;
    }

    public void ink(int colour) { ink = colour < 0 ? 0 : colour; }

    /**
     * Draws characters from the system font's cells in the ink colour and
     * wraps at the right edge of the screen; with moveCursor the text cursor
     * ends where the next character would go.
     */
    private void drawText(String s, int x, int y, boolean moveCursor) {
        g.setColor(ink);
        int last = font == null ? 0 : font[0];
        for (int i = 0; i < s.length(); i++) {
            int c = s.charAt(i);
            if (c >= 128) break;
            int cellX = (c % 20) * 10, cellY = (c / 20) * 15;
            for (int j = 0; j < 13; j++) {
                for (int k = 0; k < 10; k++) {
                    int fx = cellX + k, fy = cellY + j;
                    if (font != null && fx < fontWidth && fy < fontHeight) last = font[fy * fontWidth + fx];
                    if ((last >>> 24) != 0) g.fillRect(x + k, y + j, 1, 1);
                }
            }
            x += CHARACTER_WIDTH;
            if (x > design.width - CHARACTER_WIDTH) {
                x = 0;
                y += LINE_HEIGHT;
            }
        }
        if (moveCursor) {
            textX = x;
            textY = y;
        }
    }

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

    // ---- built-ins of the language core ----
    // Each is named "b" and its keyword; results are exactly the desktop runtime's.

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

    /** The longest decimal number at the start (after white space), as C's strtod reads it; else 0. */
    public float bValFloat(String s) {
        int i = 0;
        while (i < s.length() && (s.charAt(i) == ' ' || (s.charAt(i) >= '\t' && s.charAt(i) <= '\r'))) i++;
        int start = i;
        if (i < s.length() && (s.charAt(i) == '-' || s.charAt(i) == '+')) i++;
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

    private static boolean isDigit(char c) { return c >= '0' && c <= '9'; }

    public String bFloatStr(float f) { return floatText(f); }

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

    /** A built-in or statement the phone cannot run yet stops the program. */
    public void unavailable(int code) { fail(MESSAGE_PROGRAM_ERROR); }

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

    protected void keyPressed(int keyCode) {
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

    /** Every text drawn and the end line go to the console too: the test host's log is made of them. */
    private static void console(String kind, String text) {
        StringBuffer line = new StringBuffer(kind);
        line.append(text);
        System.out.println(line.toString());
    }

    protected void paint(Graphics target) {
        if (screen != null) target.drawImage(screen, 0, 0, Graphics.TOP | Graphics.LEFT);
        String message = endText;
        if (message != null) {
            int y = getHeight() - LINE_HEIGHT - 4;
            target.setColor(0);
            target.fillRect(0, y, getWidth(), LINE_HEIGHT + 4);
            target.setColor(0xFFFFFF);
            target.drawString(message, 2, y + 2, Graphics.TOP | Graphics.LEFT);
        }
    }
}
