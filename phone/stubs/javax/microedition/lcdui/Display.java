package javax.microedition.lcdui;
public class Display {
    public static native Display getDisplay(javax.microedition.midlet.MIDlet m);
    public native void setCurrent(Displayable d);
    public native boolean vibrate(int duration);
}
