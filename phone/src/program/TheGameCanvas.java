package program;

import java.io.InputStream;
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
        return (float) modulo((int) a, (int) b);
    }

    /** Checks a 1-based array index against its dimension size and makes it 0-based. */
    public int index(int i, int size) {
        if (i < 1 || i > size) fail(MESSAGE_OUT_OF_RANGE);
        return i - 1;
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
    public int readInt() {
        boolean integer = design.dataCount > dataPointer && design.dataKinds[dataPointer] == GameDesign.DATA_INTEGER;
        String item = nextData(GameDesign.DATA_INTEGER, GameDesign.DATA_FLOAT);
        return integer ? Integer.parseInt(item) : (int) Float.parseFloat(item);
    }

    public float readFloat() {
        return Float.parseFloat(nextData(GameDesign.DATA_FLOAT, GameDesign.DATA_INTEGER));
    }

    public String readString() {
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
