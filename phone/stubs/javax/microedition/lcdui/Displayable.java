package javax.microedition.lcdui;
public abstract class Displayable {
    public native int getWidth();
    public native int getHeight();
    public native void addCommand(Command c);
    public native void setCommandListener(CommandListener l);
}
