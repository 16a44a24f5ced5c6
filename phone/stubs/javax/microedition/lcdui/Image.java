package javax.microedition.lcdui;
public class Image {
    public static native Image createImage(int width, int height);
    public static native Image createImage(String name) throws java.io.IOException;
    public native Graphics getGraphics();
    public native int getWidth();
    public native int getHeight();
    public native void getRGB(int[] argb, int offset, int scanlength, int x, int y, int width, int height);
}
