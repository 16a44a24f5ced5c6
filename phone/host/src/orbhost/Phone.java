package orbhost;

import java.awt.image.BufferedImage;
import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.net.URLDecoder;
import java.net.URLEncoder;
import java.nio.charset.StandardCharsets;
import java.nio.file.DirectoryStream;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
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
    private volatile BufferedImage frame;
    private final CountDownLatch destroyed = new CountDownLatch(1);
    private volatile Displayable shown;
    private final List<String> soundLog = new ArrayList<>();
    private int playersMade;
    /** The record stores of this run by name: the records, a deleted one as null. */
    private final Map<String, List<byte[]>> recordStores = new HashMap<>();
    private final Map<String, Integer> storesOpen = new HashMap<>();
    private final long started = System.nanoTime();
    private volatile long firstFrame = -1;
    private boolean startUpShown;
    private boolean turning;
    private int updatesShown;
    private volatile InputScript script;
    /** What the program's TextListener heard, line after line. */
    private final StringBuilder heard = new StringBuilder();

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

    /** The display turns: width and height swap; the canvas hears of it through sizeChanged. */
    synchronized void turn() {
        frame = new BufferedImage(frame.getHeight(), frame.getWidth(), BufferedImage.TYPE_INT_RGB);
        turning = true;
        try {
            if (shown instanceof Canvas) ((Canvas) shown).hostSizeChanged(frame.getWidth(), frame.getHeight());
        } finally {
            turning = false;
        }
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

    public void repaint(Canvas c) {
        int update = 0;
        synchronized (this) {
            if (c != shown) return;
            if (firstFrame < 0) firstFrame = System.nanoTime();
            c.hostPaint(Graphics.hostGraphics(frame));
            // The game shows a first frame at start-up and one when the display
            // turns; every other frame is an Update's, which scripts count.
            if (!startUpShown) startUpShown = true;
            else if (!turning) update = ++updatesShown;
        }
        // Outside the lock: the events reach the canvas, which may turn the display.
        InputScript s = script;
        if (update > 0 && s != null) s.frameShown(this, update);
    }

    /** A frame-keyed script, applied as the program presents its frames. */
    void play(InputScript s) {
        script = s;
    }

    /** Milliseconds from the JAR's opening to the program's first frame; -1 when none came. */
    long millisToFirstFrame() {
        return firstFrame < 0 ? -1 : (firstFrame - started) / 1000000;
    }

    BufferedImage frame() {
        return frame;
    }

    /** The program's final frame as the phone shows it, without the end strip. */
    synchronized BufferedImage frameOnly(Canvas c) {
        BufferedImage picture = new BufferedImage(frame.getWidth(), frame.getHeight(), BufferedImage.TYPE_INT_RGB);
        c.hostPaint(Graphics.hostFrameGraphics(picture));
        return picture;
    }

    synchronized void heard(String text) {
        heard.append(text);
    }

    /** The complete lines the program's TextListener heard so far. */
    synchronized List<String> heardLines() {
        List<String> lines = new ArrayList<>(List.of(heard.toString().split("\n", -1)));
        lines.remove(lines.size() - 1);
        return lines;
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

    /** The records of a store, made empty when asked to create it, null when there is none. */
    public synchronized List<byte[]> recordStore(String name, boolean create) {
        if (create) recordStores.putIfAbsent(name, new ArrayList<>());
        return recordStores.get(name);
    }

    /** Counts the opens of a store less its closes; returns how often it is open now. */
    public synchronized int storeOpened(String name, int change) {
        int open = storesOpen.getOrDefault(name, 0) + change;
        storesOpen.put(name, open);
        return open;
    }

    public synchronized void deleteRecordStore(String name) {
        recordStores.remove(name);
    }

    /**
     * Record stores kept between runs: one file per store in the folder,
     * named by the store, holding its record count and then each record as
     * a length (-1 for a deleted record) and its bytes.
     */
    synchronized void readRecordStores(Path folder) throws IOException {
        if (!Files.isDirectory(folder)) return;
        try (DirectoryStream<Path> stores = Files.newDirectoryStream(folder, "*" + STORE_SUFFIX)) {
            for (Path file : stores) {
                String name = file.getFileName().toString();
                List<byte[]> records = new ArrayList<>();
                try (DataInputStream in = new DataInputStream(Files.newInputStream(file))) {
                    for (int count = in.readInt(); count > 0; count--) {
                        int length = in.readInt();
                        records.add(length < 0 ? null : in.readNBytes(length));
                    }
                }
                String store = name.substring(0, name.length() - STORE_SUFFIX.length());
                recordStores.put(URLDecoder.decode(store, StandardCharsets.UTF_8), records);
            }
        }
    }

    synchronized void saveRecordStores(Path folder) throws IOException {
        Files.createDirectories(folder);
        try (DirectoryStream<Path> stores = Files.newDirectoryStream(folder, "*" + STORE_SUFFIX)) {
            for (Path file : stores) Files.delete(file);
        }
        for (Map.Entry<String, List<byte[]>> store : recordStores.entrySet()) {
            try (DataOutputStream out = new DataOutputStream(
                    Files.newOutputStream(folder.resolve(storeFileName(store.getKey()))))) {
                out.writeInt(store.getValue().size());
                for (byte[] record : store.getValue()) {
                    out.writeInt(record == null ? -1 : record.length);
                    if (record != null) out.write(record);
                }
            }
        }
    }

    static final String STORE_SUFFIX = ".store";

    /** A store's name may hold any character; its file's name is escaped. */
    private static String storeFileName(String store) {
        return URLEncoder.encode(store, StandardCharsets.UTF_8) + STORE_SUFFIX;
    }

    /** Writes the first record of every store that has one into the folder as NAME.rs. */
    synchronized void writeRecordStores(Path folder) throws IOException {
        for (Map.Entry<String, List<byte[]>> store : recordStores.entrySet())
            if (!store.getValue().isEmpty() && store.getValue().get(0) != null)
                Files.write(folder.resolve(store.getKey() + ".rs"), store.getValue().get(0));
    }
}
