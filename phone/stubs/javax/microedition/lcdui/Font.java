package javax.microedition.lcdui;
public final class Font {
    public static native Font getDefaultFont();
    public native int getHeight();
}
