package javax.microedition.lcdui;

import java.awt.Color;
import java.awt.Graphics2D;
import java.awt.image.BufferedImage;

/**
 * MIDP drawing on a Java 2D image. Like a phone, it refuses a drawRGB
 * rectangle that does not lie on the image. With -Dorbhost.drawrgb=rowstart
 * it is a phone whose drawRGB without alpha ignores x and puts every row at
 * the left edge of the screen, as some do. A frame-only Graphics draws
 * what drawRGB gives, the program's frame, and nothing else: the host's
 * final picture is made with one, so the end strip stays out of it.
 */
public class Graphics {
    public static final int HCENTER = 1, VCENTER = 2, LEFT = 4, RIGHT = 8, TOP = 16, BOTTOM = 32, BASELINE = 64;
    private final Graphics2D g;
    private final BufferedImage target;
    private final boolean frameOnly;
    private static final boolean ROWS_AT_LEFT_EDGE = "rowstart".equals(System.getProperty("orbhost.drawrgb"));

    Graphics(BufferedImage target, boolean frameOnly) {
        this.g = target.createGraphics();
        this.target = target;
        this.frameOnly = frameOnly;
    }

    public static Graphics hostGraphics(BufferedImage target) {
        return new Graphics(target, false);
    }

    public static Graphics hostFrameGraphics(BufferedImage target) {
        return new Graphics(target, true);
    }

    public void setColor(int rgb) {
        g.setColor(new Color(rgb & 0xFFFFFF));
    }

    public void setClip(int x, int y, int w, int h) {
        g.setClip(x, y, w, h);
    }

    public void fillRect(int x, int y, int w, int h) {
        if (!frameOnly) g.fillRect(x, y, w, h);
    }

    public void drawLine(int x1, int y1, int x2, int y2) {
        if (!frameOnly) g.drawLine(x1, y1, x2, y2);
    }

    public void drawImage(Image img, int x, int y, int anchor) {
        g.drawImage(img.pixels, anchorX(x, img.getWidth(), anchor), anchorY(y, img.getHeight(), anchor), null);
    }

    public void drawRegion(Image src, int xs, int ys, int w, int h, int transform, int xd, int yd, int anchor) {
        int x = anchorX(xd, w, anchor), y = anchorY(yd, h, anchor);
        g.drawImage(src.pixels, x, y, x + w, y + h, xs, ys, xs + w, ys + h, null);
    }

    public void drawString(String s, int x, int y, int anchor) {
        if (frameOnly) return;
        int ascent = g.getFontMetrics().getAscent();
        int width = g.getFontMetrics().stringWidth(s);
        int left = anchorX(x, width, anchor);
        int baseline = (anchor & BASELINE) != 0 ? y : anchorY(y, g.getFontMetrics().getHeight(), anchor) + ascent;
        g.drawString(s, left, baseline);
    }

    public void drawRGB(int[] rgbData, int offset, int scanlength, int x, int y, int width, int height,
            boolean processAlpha) {
        if (width <= 0 || height <= 0) return;
        if (x < 0 || y < 0 || x + width > target.getWidth() || y + height > target.getHeight())
            throw new ArrayIndexOutOfBoundsException("drawRGB of " + width + " x " + height + " at (" + x + ", " + y
                    + ") on a screen of " + target.getWidth() + " x " + target.getHeight());
        BufferedImage pixels = new BufferedImage(width, height, BufferedImage.TYPE_INT_ARGB);
        for (int row = 0; row < height; row++) {
            for (int column = 0; column < width; column++) {
                int argb = rgbData[offset + row * scanlength + column];
                pixels.setRGB(column, row, processAlpha ? argb : argb | 0xFF000000);
            }
        }
        g.drawImage(pixels, ROWS_AT_LEFT_EDGE && !processAlpha ? 0 : x, y, null);
    }

    private static int anchorX(int x, int w, int anchor) {
        if ((anchor & HCENTER) != 0) return x - w / 2;
        if ((anchor & RIGHT) != 0) return x - w;
        return x;
    }

    private static int anchorY(int y, int h, int anchor) {
        if ((anchor & VCENTER) != 0) return y - h / 2;
        if ((anchor & BOTTOM) != 0) return y - h;
        return y;
    }
}
