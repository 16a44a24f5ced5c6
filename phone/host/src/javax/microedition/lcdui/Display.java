package javax.microedition.lcdui;

import javax.microedition.midlet.MIDlet;
import orbhost.Phone;

public class Display {
    private static final Display display = new Display();

    public static Display getDisplay(MIDlet m) {
        return display;
    }

    public void setCurrent(Displayable d) {
        Phone.current().show(d);
    }

    public boolean vibrate(int duration) {
        return true;
    }
}
