package javax.microedition.lcdui;
public class Graphics {
    public static final int TOP = 16;
    public static final int LEFT = 4;
    public static final int RIGHT = 8;
    public native void setColor(int rgb);
    public native void setClip(int x, int y, int w, int h);
    public native void fillRect(int x, int y, int w, int h);
    public native void drawLine(int x1, int y1, int x2, int y2);
    public native void drawImage(Image img, int x, int y, int anchor);
    public native void drawRegion(Image src, int xs, int ys, int w, int h, int transform, int xd, int yd, int anchor);
    public native void drawString(String s, int x, int y, int anchor);
    public native void drawRGB(int[] rgbData, int offset, int scanlength, int x, int y, int width, int height,
            boolean processAlpha);
}
