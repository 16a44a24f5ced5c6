package program;

import javax.microedition.lcdui.Display;
import javax.microedition.midlet.MIDlet;

/** The MIDlet: shows the game canvas and runs the program on its own thread. */
public class GameMidlet extends MIDlet {
    private TheGameCanvas canvas;

    protected void startApp() {
        // startApp runs again after a pause; the program must start only once.
        if (canvas != null) return;
        canvas = new TheGameCanvas(this);
        canvas.setCommandListener(new CommandClass(canvas));
        Display.getDisplay(this).setCurrent(canvas);
        new Thread(canvas).start();
    }

    protected void pauseApp() {}

    protected void destroyApp(boolean unconditional) {}

    void quit() {
        notifyDestroyed();
    }
}
