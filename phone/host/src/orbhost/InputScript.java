package orbhost;

import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;
import javax.microedition.lcdui.Canvas;
import javax.microedition.lcdui.Displayable;

/**
 * A frame-keyed input script in orbrt's ORBRT_INPUT form, so that one file
 * drives a program alike on the desktop and in this host:
 *
 *   @F keydown VK | keyup VK            a key code as orbrt takes it (65 = A, 13 = Select, 37..40 arrows)
 *   @F press X Y | move X Y | release X Y   screen pixels
 *   @F rot                              the display turns
 *   @F close                            the Exit command
 *
 * The events of frame F are applied in the program's thread as its F-th
 * Update presents the frame, before its next statement, as orbrt applies
 * them. Blank lines and lines starting with "#" are ignored; orbrt's step-keyed
 * lines and its tilt events have no counterpart here and are refused.
 */
final class InputScript {
    private static final class Event {
        final int frame;
        final String kind;
        final int a, b;

        Event(int frame, String kind, int a, int b) {
            this.frame = frame;
            this.kind = kind;
            this.a = a;
            this.b = b;
        }
    }

    private final List<Event> events = new ArrayList<>();
    private int next;

    private InputScript() {}

    static InputScript read(Path file) throws IOException {
        InputScript script = new InputScript();
        List<String> lines = Files.readAllLines(file, StandardCharsets.ISO_8859_1);
        for (int n = 0; n < lines.size(); n++) {
            String[] w = lines.get(n).trim().split("[ \t]+");
            if (w[0].isEmpty() || w[0].startsWith("#")) continue;
            String where = file + ", line " + (n + 1) + ": ";
            if (!w[0].startsWith("@")) throw new IllegalArgumentException(where + "the test host takes @frame lines only");
            int frame = number(where, w[0].substring(1));
            if (frame < 1) throw new IllegalArgumentException(where + "frames count from @1");
            if (!script.events.isEmpty() && frame < script.events.get(script.events.size() - 1).frame)
                throw new IllegalArgumentException(where + "frames go backwards");
            String kind = w.length > 1 ? w[1] : "";
            int values;
            switch (kind) {
                case "keydown": case "keyup": values = 1; break;
                case "press": case "move": case "release": values = 2; break;
                case "rot": case "close": values = 0; break;
                default: throw new IllegalArgumentException(where + "no such event here: \"" + kind + "\"");
            }
            if (w.length != 2 + values) throw new IllegalArgumentException(where + "wrong number of values");
            int a = values >= 1 ? number(where, w[2]) : 0;
            int b = values >= 2 ? number(where, w[3]) : 0;
            script.events.add(new Event(frame, kind, a, b));
        }
        return script;
    }

    private static int number(String where, String text) {
        try {
            return Integer.parseInt(text);
        } catch (NumberFormatException e) {
            throw new IllegalArgumentException(where + "a number is expected, not \"" + text + "\"");
        }
    }

    /** Applies the events due after the program's frame-th Update. */
    synchronized void frameShown(Phone phone, int frame) {
        while (next < events.size() && events.get(next).frame <= frame) {
            Event e = events.get(next++);
            Displayable d = phone.shown();
            if (e.kind.equals("close") && d != null) d.hostCommand();
            if (e.kind.equals("rot")) phone.turn();
            if (!(d instanceof Canvas)) continue;
            Canvas c = (Canvas) d;
            switch (e.kind) {
                case "keydown": c.hostKeyDown(e.a); break;
                case "keyup": c.hostKeyUp(e.a); break;
                case "press": c.hostPointerPressed(e.a, e.b); break;
                case "move": c.hostPointerDragged(e.a, e.b); break;
                case "release": c.hostPointerReleased(e.a, e.b); break;
                default: break;
            }
        }
    }
}
