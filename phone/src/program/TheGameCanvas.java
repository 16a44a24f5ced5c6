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
    static final int MESSAGE_PROGRAM_CLOSED = 0, MESSAGE_PROGRAM_ERROR = 4, MESSAGE_DIVIDE_BY_ZERO = 8, MESSAGE_OUT_OF_RANGE = 9,
            MESSAGE_OUT_OF_DATA = 16, MESSAGE_WRONG_TYPE_OF_DATA = 17, MESSAGE_END_OF_PROGRAM = 22;
    static final int LINE_HEIGHT = 16;

    private final GameMidlet midlet;
    private final GameDesign design = new GameDesign();
    private Image screen;
    private Graphics g;
    private int textX, textY;

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
            runMain();
            endMessage = MESSAGE_END_OF_PROGRAM;
        } catch (Throwable t) {
            // fail() has set the message; anything else is a fault of the phone runtime
            if (endMessage < 0) endMessage = MESSAGE_PROGRAM_ERROR;
        }
        showEnd();
    }

    // The compiled main program is inserted before the final return.
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

    // The compiled procedures are inserted after the marker; they dispatch on proc.
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

    // ---- arithmetic that can fail ----

    public int divide(int a, int b) {
        if (b == 0) fail(MESSAGE_DIVIDE_BY_ZERO);
        return a / b;
    }

    public int modulo(int a, int b) {
        if (b == 0) fail(MESSAGE_DIVIDE_BY_ZERO);
        return a % b;
    }

    public float divideFloat(float a, float b) {
        if (b == 0f) fail(MESSAGE_DIVIDE_BY_ZERO);
        return a / b;
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

    public String concat(String a, String b) {
        StringBuffer s = new StringBuffer(a);
        s.append(b);
        return s.toString();
    }

    public String intText(int n) { return Integer.toString(n); }

    public String floatText(float f) { return Float.toString(f); }

    // ---- DATA ----

    public void restore() { dataPointer = 0; }

    private String nextData(int kind) {
        if (dataPointer >= design.dataCount) fail(MESSAGE_OUT_OF_DATA);
        if (design.dataKinds[dataPointer] != kind) fail(MESSAGE_WRONG_TYPE_OF_DATA);
        return design.dataItems[dataPointer++];
    }

    public int readInt() { return Integer.parseInt(nextData(GameDesign.DATA_INTEGER)); }

    public float readFloat() { return Float.parseFloat(nextData(GameDesign.DATA_FLOAT)); }

    public String readString() { return nextData(GameDesign.DATA_STRING); }

    // ---- text ----

    public void print(String text) {
        g.setColor(0xFFFFFF);
        g.drawString(text, textX, textY, Graphics.TOP | Graphics.LEFT);
        textX = 0;
        textY += LINE_HEIGHT;
        if (closing) fail(MESSAGE_PROGRAM_CLOSED);
    }

    public void printInt(int n) { print(intText(n)); }

    public void printFloat(float f) { print(floatText(f)); }

    // ---- ending ----

    public void end() { fail(MESSAGE_END_OF_PROGRAM); }

    /** Stops the program with a run-time message; the first one wins. */
    public void fail(int message) {
        if (endMessage < 0) endMessage = message;
        throw new RuntimeException();
    }

    void close() {
        closing = true;
    }

    /** Shows the end message under the last frame and reports it on the console. */
    private void showEnd() {
        StringBuffer text = new StringBuffer(GameDesign.MESSAGES[endMessage]);
        text.append("|Line ");
        text.append(line);
        String report = text.toString();
        System.out.println(report);
        if (g != null) {
            g.setColor(0xFFFFFF);
            g.drawString(report, 0, design.height - LINE_HEIGHT, Graphics.TOP | Graphics.LEFT);
        }
        repaint();
        serviceRepaints();
        midlet.quit();
    }

    protected void paint(Graphics target) {
        if (screen != null) target.drawImage(screen, 0, 0, Graphics.TOP | Graphics.LEFT);
    }
}
