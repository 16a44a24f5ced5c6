package orbhost;

import java.io.IOException;
import java.io.InputStream;
import java.io.PrintWriter;
import java.lang.reflect.Method;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.List;
import java.util.jar.JarFile;
import javax.imageio.ImageIO;
import javax.microedition.lcdui.Canvas;
import javax.microedition.lcdui.Displayable;
import javax.microedition.midlet.MIDlet;

/**
 * Runs phone packages on the desktop without a display.
 *
 *   run [--events LIST] [--timeout MS] [--screen WxH] [--rms FOLDER] JAR PNG LOG [JAR PNG LOG ...]
 *       starts each JAR's MIDlet, feeds the events (comma-separated: "kCODE"
 *       a key pressed and let go, "dCODE" / "uCODE" a key down / up, "tX:Y"
 *       a touch, "pX:Y" / "mX:Y" / "rX:Y" the pointer pressed / dragged /
 *       released, "o" the display turned, "wMS" a wait of MS milliseconds,
 *       "x" the Exit command; or the name of a frame-keyed input script in
 *       orbrt's form, see InputScript), waits for the
 *       program to end and writes the final frame (as the phone shows it,
 *       without the end strip) and a log: the end line the
 *       program reported ("message|Line n", or "No end" when it did not end
 *       in time), then each text it drew, one per line. When the program
 *       used sound, LOG.sound lists what its media players were asked to do
 *       (see javax.microedition.media.Manager), one request per line. Prints
 *       how long each JAR took from opening to its first frame. --screen
 *       gives the phone a canvas of W x H instead of the program's own size;
 *       --rms keeps the record stores in FOLDER from one run to the next.
 *       -Dorbhost.audio=broken makes a phone whose audio fails (see Manager);
 *       -Dorbhost.drawrgb=rowstart one whose drawRGB ignores x (see Graphics).
 *   verify JAR...
 *       loads every class of each JAR with verification on, as it is and
 *       with its stack maps converted for the type-checking verifier.
 *   draw [--resources FOLDER] PROGRAM_FOLDER SCRIPT PNG [SCRIPT PNG ...]
 *       starts the game class of the folder's templates on its own and
 *       calls its built-in methods as each script says (see Draw), then
 *       writes the last presented frame.
 */
public final class Host {
    private Host() {}

    public static void main(String[] args) throws Exception {
        int status;
        if (args.length > 0 && args[0].equals("run")) status = run(args);
        else if (args.length > 0 && args[0].equals("verify")) status = Verify.verify(List.of(args).subList(1, args.length));
        else if (args.length > 0 && args[0].equals("draw")) status = Draw.draw(List.of(args).subList(1, args.length));
        else {
            System.err.println("usage: run [--events LIST] [--timeout MS] [--screen WxH] [--rms FOLDER] JAR PNG LOG ... | verify JAR..."
                    + " | draw [--resources FOLDER] PROGRAM_FOLDER SCRIPT PNG ...");
            status = 2;
        }
        System.exit(status);
    }

    /** How the phone of a run is set up: its canvas size (0 for the program's own) and where its record stores live. */
    private static final class Setup {
        String events = "";
        long timeout = 10000;
        int screenWidth, screenHeight;
        Path rms;
    }

    private static int run(String[] args) throws Exception {
        Setup setup = new Setup();
        int i = 1;
        for (; i + 1 < args.length && args[i].startsWith("--"); i += 2) {
            String value = args[i + 1];
            switch (args[i]) {
                case "--events": setup.events = value; break;
                case "--timeout": setup.timeout = Long.parseLong(value); break;
                case "--rms": setup.rms = Path.of(value); break;
                case "--screen": {
                    String[] wh = value.split("x");
                    if (wh.length != 2) throw new IllegalArgumentException("--screen WIDTHxHEIGHT expected");
                    setup.screenWidth = Integer.parseInt(wh[0]);
                    setup.screenHeight = Integer.parseInt(wh[1]);
                    if (setup.screenWidth < 1 || setup.screenHeight < 1) throw new IllegalArgumentException("empty screen");
                    break;
                }
                default: throw new IllegalArgumentException("unknown option " + args[i]);
            }
        }
        if ((args.length - i) % 3 != 0 || i == args.length) throw new IllegalArgumentException("JAR PNG LOG triples expected");
        int failures = 0;
        for (; i < args.length; i += 3)
            if (!runOne(Path.of(args[i]), Path.of(args[i + 1]), Path.of(args[i + 2]), setup)) failures++;
        return failures == 0 ? 0 : 1;
    }

    private static boolean runOne(Path jarPath, Path png, Path log, Setup setup) throws Exception {
        String endLine;
        Phone phone;
        try (JarFile jar = new JarFile(jarPath.toFile());
             URLClassLoader loader = new URLClassLoader(new URL[] {jarPath.toUri().toURL()}, Host.class.getClassLoader())) {
            int[] size = setup.screenWidth > 0 ? new int[] {setup.screenWidth, setup.screenHeight}
                    : screenSize(packageData(loader));
            phone = new Phone(loader, jar.getManifest().getMainAttributes(), size[0], size[1]);
            if (setup.rms != null) phone.readRecordStores(setup.rms);
            Phone.setCurrent(phone);
            // Before the program starts, so that its first Update already counts.
            if (isScriptFile(setup.events)) phone.play(InputScript.read(Path.of(setup.events)));
            String midletClass = phone.property("MIDlet-1").split(",")[2].trim();
            MIDlet midlet = (MIDlet) loader.loadClass(midletClass).getDeclaredConstructor().newInstance();
            Method startApp = MIDlet.class.getDeclaredMethod("startApp");
            startApp.setAccessible(true);
            startApp.invoke(midlet);
            if (!isScriptFile(setup.events)) deliver(phone, setup.events);
            endLine = awaitEndLine(phone, setup.timeout);
            System.out.println(jarPath.getFileName() + ": first frame after " + phone.millisToFirstFrame() + " ms");
            Displayable shown = phone.shown();
            ImageIO.write(shown instanceof Canvas ? phone.frameOnly((Canvas) shown) : phone.frame(), "png", png.toFile());
            // The end screen waits for a key before the MIDlet ends.
            if (shown instanceof Canvas) ((Canvas) shown).hostKey(0);
            phone.awaitEnd(1000);
        }
        if (setup.rms != null) phone.saveRecordStores(setup.rms);
        try (PrintWriter out = new PrintWriter(Files.newBufferedWriter(log, StandardCharsets.ISO_8859_1))) {
            out.println(endLine == null ? "No end" : endLine);
            for (String line : phone.heardLines())
                if (line.startsWith("print ")) out.println(line.substring(6));
        }
        List<String> sound = phone.soundLog();
        if (!sound.isEmpty()) Files.write(Path.of(log + ".sound"), sound, StandardCharsets.ISO_8859_1);
        return endLine != null;
    }

    /** The program's "end" line, or null when none came in time. */
    private static String awaitEndLine(Phone phone, long timeout) throws InterruptedException {
        long deadline = System.currentTimeMillis() + timeout;
        while (true) {
            for (String line : phone.heardLines())
                if (line.startsWith("end ")) return line.substring(4);
            if (System.currentTimeMillis() > deadline || phone.awaitEnd(10)) return null;
        }
    }

    /** --events names a frame-keyed input script (see InputScript) rather than listing the events. */
    private static boolean isScriptFile(String events) {
        return !events.isEmpty() && Files.isRegularFile(Path.of(events));
    }

    private static void deliver(Phone phone, String events) throws InterruptedException {
        for (String e : events.split(",")) {
            if (e.isEmpty()) continue;
            if (e.charAt(0) == 'w') {
                Thread.sleep(Long.parseLong(e.substring(1)));
                continue;
            }
            Thread.sleep(20);
            Displayable d = phone.shown();
            if (e.equals("x") && d != null) d.hostCommand();
            if (e.equals("o")) phone.turn();
            if (!(d instanceof Canvas)) continue;
            Canvas c = (Canvas) d;
            char kind = e.charAt(0);
            if (kind == 'k' || kind == 'd' || kind == 'u') {
                int code = Integer.parseInt(e.substring(1));
                if (kind == 'k') c.hostKey(code);
                else if (kind == 'd') c.hostKeyDown(code);
                else c.hostKeyUp(code);
            } else if (kind == 't' || kind == 'p' || kind == 'm' || kind == 'r') {
                String[] xy = e.substring(1).split(":");
                int x = Integer.parseInt(xy[0]), y = Integer.parseInt(xy[1]);
                if (kind == 't') c.hostTouch(x, y);
                else if (kind == 'p') c.hostPointerPressed(x, y);
                else if (kind == 'm') c.hostPointerDragged(x, y);
                else c.hostPointerReleased(x, y);
            }
        }
    }

    /** The package data of a JAR as text, or "" when it has none. */
    private static String packageData(ClassLoader jar) throws IOException {
        try (InputStream in = jar.getResourceAsStream("orb16.dat")) {
            return in == null ? "" : new String(in.readAllBytes(), StandardCharsets.ISO_8859_1);
        }
    }

    /**
     * The screen size from the package data's trailer ("w1" width, "w2"
     * height and "w3" orientation records), 360 by 640 without: at least 96
     * by 54, width and height swapped for orientation 1, as the game class
     * settles it.
     */
    static int[] screenSize(String packageData) {
        int width = 360, height = 640, orientation = 0;
        int at = packageData.lastIndexOf("w1");
        if (at >= 0 && at + 12 <= packageData.length() && packageData.startsWith("w2", at + 6)) {
            width = Integer.parseInt(packageData.substring(at + 2, at + 6));
            height = Integer.parseInt(packageData.substring(at + 8, at + 12));
            if (at + 18 <= packageData.length() && packageData.startsWith("w3", at + 12))
                orientation = Integer.parseInt(packageData.substring(at + 14, at + 18));
        }
        width = Math.max(width, 96);
        height = Math.max(height, 54);
        return orientation == 1 ? new int[] {height, width} : new int[] {width, height};
    }
}
