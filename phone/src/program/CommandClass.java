package program;

import javax.microedition.lcdui.Command;
import javax.microedition.lcdui.CommandListener;
import javax.microedition.lcdui.Displayable;

/** The phone's Exit command closes the program like the emulator's window. */
public class CommandClass implements CommandListener {
    private final TheGameCanvas canvas;

    CommandClass(TheGameCanvas canvas) {
        this.canvas = canvas;
        canvas.addCommand(new Command("Exit", Command.EXIT, 1));
    }

    public void commandAction(Command c, Displayable d) {
        canvas.close();
    }
}
