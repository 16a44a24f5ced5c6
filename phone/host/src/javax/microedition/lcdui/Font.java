package javax.microedition.lcdui;

import java.awt.image.BufferedImage;

/** The phone's one font: the desktop's default, as the host's Graphics draws strings with it. */
public final class Font {
    private static final Font DEFAULT = new Font();
    private final int height;

    private Font() {
        java.awt.Graphics g = new BufferedImage(1, 1, BufferedImage.TYPE_INT_RGB).createGraphics();
        height = g.getFontMetrics().getHeight();
        g.dispose();
    }

    public static Font getDefaultFont() {
        return DEFAULT;
    }

    public int getHeight() {
        return height;
    }
}
