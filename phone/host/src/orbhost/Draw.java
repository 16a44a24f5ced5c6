package orbhost;

import java.io.ByteArrayInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.lang.reflect.Constructor;
import java.lang.reflect.Field;
import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;
import java.util.jar.Attributes;
import javax.imageio.ImageIO;
import javax.microedition.lcdui.Canvas;

/**
 * The draw mode: runs the game class's built-ins without a compiled
 * program, so the phone's drawing can be compared with the desktop runtime's
 * before the compiler emits calls to it. The classes are the templates of
 * the program folder as they ship; the font is the folder's mobilefont.png.
 *
 * A script has one call a line: a method name of the game class and its
 * arguments, separated by blanks, strings in double quotes:
 *
 *   screen 240 320            the trailer's width, height and optional orientation,
 *                             touch screen and joypad used (both 1: the joypad
 *                             images are there); before the first call, 360 by
 *                             640 without
 *   bInk 16711680
 *   bLine -5 3 400 3
 *   bText 10 20 "Hello"
 *   printFloat 2.5
 *   show bCursx               calls a function and prints its result, as
 *                             Print of the function does
 *   keydown 65                input events as the phone delivers them: key
 *   keyup -1                  codes, and pointer positions in the frame
 *   press 100 200
 *   drag 110 210
 *   release 110 210
 *   turn                      the display turns (the game class turns its
 *                             screen at its next step)
 *
 * Resources the calls load ("/tiles.png") come from the folder given with
 * --resources, as if it were the JAR's root.
 *
 * Blank lines and lines starting with "#" are skipped. A call that stops
 * the program (a run-time error) ends the script. For each script one line
 * goes to standard output: the script's path, ": " and "completed" or the
 * stopping message. Each record store the scene left with a record is
 * written beside the PNG as NAME.rs, its first record's bytes: the text of
 * the archive of that name.
 */
final class Draw {
    private Draw() {}

    static int draw(List<String> args) throws Exception {
        Path resources = null;
        if (args.size() > 1 && args.get(0).equals("--resources")) {
            resources = Path.of(args.get(1));
            args = args.subList(2, args.size());
        }
        if (args.size() < 3 || args.size() % 2 != 1)
            throw new IllegalArgumentException("[--resources FOLDER] PROGRAM_FOLDER SCRIPT PNG ... expected");
        Path folder = Path.of(args.get(0));
        int failures = 0;
        for (int i = 1; i < args.size(); i += 2) {
            Path script = Path.of(args.get(i));
            try {
                System.out.println(script + ": " + drawScene(folder, resources, script, Path.of(args.get(i + 1))));
            } catch (IllegalArgumentException e) {
                System.out.println(script + ": " + e.getMessage());
                failures++;
            }
        }
        return failures == 0 ? 0 : 1;
    }

    /** Runs one script and writes its frame; returns "completed" or the message that stopped it. */
    private static String drawScene(Path folder, Path resources, Path script, Path png) throws Exception {
        List<String> lines = Files.readAllLines(script, StandardCharsets.ISO_8859_1);
        String trailer = "w10360w20640w30000";
        List<List<String>> calls = new ArrayList<>();
        for (String line : lines) {
            if (line.isBlank() || line.startsWith("#")) continue;
            List<String> words = words(line);
            if (words.get(0).equals("screen") && calls.isEmpty()) trailer = trailer(words);
            else calls.add(words);
        }
        ClassLoader templates = new TemplateLoader(folder, resources, trailer.getBytes(StandardCharsets.ISO_8859_1));
        int[] size = Host.screenSize(trailer);
        Phone phone = new Phone(templates, new Attributes(), size[0], size[1]);
        Phone.setCurrent(phone);
        Class<?> game = templates.loadClass("program.TheGameCanvas");
        Constructor<?> make = game.getConstructor(templates.loadClass("program.GameMidlet"));
        Canvas canvas = (Canvas) make.newInstance((Object) null);
        phone.show(canvas);
        Method startUp = game.getDeclaredMethod("startUp");
        startUp.setAccessible(true);
        startUp.invoke(canvas);
        String outcome = "completed";
        for (List<String> call : calls) {
            try {
                if (!deliver(phone, canvas, call)) invoke(game, canvas, call);
            } catch (InvocationTargetException e) {
                outcome = endMessage(templates, game, canvas);
                break;
            }
        }
        phone.repaint(canvas);
        ImageIO.write(phone.frame(), "png", png.toFile());
        phone.writeRecordStores(png.toAbsolutePath().getParent());
        return outcome;
    }

    private static String trailer(List<String> words) {
        int orientation = words.size() > 3 ? Integer.parseInt(words.get(3)) : 0;
        int touchScreen = words.size() > 4 ? Integer.parseInt(words.get(4)) : 1;
        int joypadUsed = words.size() > 5 ? Integer.parseInt(words.get(5)) : 0;
        return String.format("w1%04dw2%04dw3%04dw4%04dw5%04dw6%04d", Integer.parseInt(words.get(1)),
                Integer.parseInt(words.get(2)), orientation, 1, touchScreen, joypadUsed);
    }

    /** The input events a script can send, with their number of values. */
    private static boolean deliver(Phone phone, Canvas canvas, List<String> call) {
        String event = call.get(0);
        if (event.equals("turn")) {
            phone.turn();
            return true;
        }
        int arguments = event.equals("keydown") || event.equals("keyup") ? 1
                : event.equals("press") || event.equals("drag") || event.equals("release") ? 2 : -1;
        if (arguments < 0) return false;
        if (call.size() != 1 + arguments) throw new IllegalArgumentException(event + " takes " + arguments + " values");
        int a = Integer.parseInt(call.get(1)), b = arguments > 1 ? Integer.parseInt(call.get(2)) : 0;
        switch (event) {
            case "keydown" -> canvas.hostKeyDown(a);
            case "keyup" -> canvas.hostKeyUp(a);
            case "press" -> canvas.hostPointerPressed(a, b);
            case "drag" -> canvas.hostPointerDragged(a, b);
            default -> canvas.hostPointerReleased(a, b);
        }
        return true;
    }

    /** A call, or "show" and a call whose result is then printed by its kind. */
    private static void invoke(Class<?> game, Object canvas, List<String> call) throws Exception {
        if (!call.get(0).equals("show")) {
            call(game, canvas, call);
            return;
        }
        Object result = call(game, canvas, call.subList(1, call.size()));
        if (result instanceof Integer) game.getMethod("printInt", int.class).invoke(canvas, result);
        else if (result instanceof Float) game.getMethod("printFloat", float.class).invoke(canvas, result);
        else if (result instanceof String) game.getMethod("print", String.class).invoke(canvas, result);
        else throw new IllegalArgumentException(call.get(1) + " has no result to show");
    }

    /** Calls the public method of that name and number of parameters, each word read as its parameter's type. */
    private static Object call(Class<?> game, Object canvas, List<String> call) throws Exception {
        String name = call.get(0);
        for (Method m : game.getMethods()) {
            Class<?>[] types = m.getParameterTypes();
            if (!m.getName().equals(name) || types.length != call.size() - 1) continue;
            Object[] values = new Object[types.length];
            for (int i = 0; i < types.length; i++) values[i] = value(types[i], call.get(i + 1));
            return m.invoke(canvas, values);
        }
        throw new IllegalArgumentException("no method " + name + " with " + (call.size() - 1) + " parameters");
    }

    private static Object value(Class<?> type, String word) {
        if (type == int.class) return Integer.valueOf(word);
        if (type == float.class) return Float.valueOf(word);
        if (type == String.class) return word;
        throw new IllegalArgumentException("no script value for a parameter of type " + type.getName());
    }

    /** The message of a program stop, from the game class's message number and table. */
    private static String endMessage(ClassLoader templates, Class<?> game, Object canvas) throws Exception {
        Field number = game.getDeclaredField("endMessage");
        number.setAccessible(true);
        Field table = templates.loadClass("program.GameDesign").getDeclaredField("MESSAGES");
        table.setAccessible(true);
        int n = number.getInt(canvas);
        return n < 0 ? "stopped without a message" : ((String[]) table.get(null))[n];
    }

    /** Words separated by blanks; a word in double quotes keeps its blanks and loses its quotes. */
    static List<String> words(String line) {
        List<String> words = new ArrayList<>();
        int i = 0;
        while (i < line.length()) {
            char c = line.charAt(i);
            if (c == ' ' || c == '\t') {
                i++;
            } else if (c == '"') {
                int end = line.indexOf('"', i + 1);
                if (end < 0) throw new IllegalArgumentException("unclosed string in: " + line);
                words.add(line.substring(i + 1, end));
                i = end + 1;
            } else {
                int end = i;
                while (end < line.length() && line.charAt(end) != ' ' && line.charAt(end) != '\t') end++;
                words.add(line.substring(i, end));
                i = end;
            }
        }
        return words;
    }

    /**
     * The phone classes from the program folder's templates, the scene's
     * package data, and as the JAR's other files those of the resource
     * folder (the pictures and maps a scene loads), then the program folder's.
     */
    private static final class TemplateLoader extends ClassLoader {
        private final Path folder;
        private final Path resources;
        private final byte[] packageData;

        TemplateLoader(Path folder, Path resources, byte[] packageData) {
            super(Draw.class.getClassLoader());
            this.folder = folder;
            this.resources = resources;
            this.packageData = packageData;
        }

        @Override
        protected Class<?> findClass(String name) throws ClassNotFoundException {
            if (!name.startsWith("program.")) throw new ClassNotFoundException(name);
            String simple = name.substring("program.".length());
            // The game class ships under a short name of its own.
            String file = simple.equals("TheGameCanvas") ? "thegc.dat" : simple + ".dat";
            try {
                byte[] bytes = Files.readAllBytes(folder.resolve(file));
                return defineClass(name, bytes, 0, bytes.length);
            } catch (IOException e) {
                throw new ClassNotFoundException(name, e);
            }
        }

        @Override
        public InputStream getResourceAsStream(String name) {
            if (name.equals("orb16.dat")) return new ByteArrayInputStream(packageData);
            try {
                String packaged = packagedFrom(name);
                Path file = resources != null ? resources.resolve(name) : folder.resolve(packaged);
                if (!Files.isRegularFile(file)) file = folder.resolve(packaged);
                return Files.isRegularFile(file) ? Files.newInputStream(file) : null;
            } catch (IOException e) {
                return null;
            }
        }
    
        /**
         * The package stores the joypad images of the screen's size under one
         * name each; the program folder has both sizes.
         */
        private String packagedFrom(String name) {
            int[] size = Host.screenSize(new String(packageData, StandardCharsets.ISO_8859_1));
            boolean large = size[0] > 600 || size[1] > 600;
            if (name.equals("attachedcontrol.png")) return large ? "attachedcontrol3.png" : "attachedcontrolsmall.png";
            if (name.equals("atachedimg58x54.png")) return large ? "atachedimg58x54_2.png" : name;
            return name;
        }
    }
}
