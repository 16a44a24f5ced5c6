package orbhost;

import java.awt.image.BufferedImage;
import java.io.InputStream;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.TimeUnit;
import java.util.jar.Attributes;
import javax.microedition.lcdui.Canvas;
import javax.microedition.lcdui.Displayable;
import javax.microedition.lcdui.Graphics;

/** The emulated phone of one run: its screen, the JAR's resources and how the MIDlet ended. */
public final class Phone {
    private static volatile Phone current;

    private final ClassLoader jar;
    private final Attributes manifest;
    private final BufferedImage frame;
    private final CountDownLatch destroyed = new CountDownLatch(1);
    private volatile Displayable shown;
    private final List<String> soundLog = new ArrayList<>();
    private int playersMade;

    Phone(ClassLoader jar, Attributes manifest, int width, int height) {
        this.jar = jar;
        this.manifest = manifest;
        this.frame = new BufferedImage(width, height, BufferedImage.TYPE_INT_RGB);
    }

    public static Phone current() {
        return current;
    }

    static void setCurrent(Phone p) {
        current = p;
    }

    public int width() {
        return frame.getWidth();
    }

    public int height() {
        return frame.getHeight();
    }

    public String property(String key) {
        return manifest.getValue(key);
    }

    public InputStream resource(String name) {
        return jar.getResourceAsStream(name.startsWith("/") ? name.substring(1) : name);
    }

    public void show(Displayable d) {
        shown = d;
    }

    Displayable shown() {
        return shown;
    }

    public synchronized void repaint(Canvas c) {
        if (c == shown) c.hostPaint(Graphics.hostGraphics(frame));
    }

    BufferedImage frame() {
        return frame;
    }

    /** One request to the media players, in the order they came. */
    public synchronized void sound(String line) {
        soundLog.add(line);
    }

    /** Players are numbered from 1 in each run. */
    public synchronized int newPlayer() {
        return ++playersMade;
    }

    synchronized List<String> soundLog() {
        return new ArrayList<>(soundLog);
    }

    public void destroyed() {
        destroyed.countDown();
    }

    boolean awaitEnd(long millis) throws InterruptedException {
        return destroyed.await(millis, TimeUnit.MILLISECONDS);
    }
}
