package javax.microedition.lcdui;

import java.awt.image.BufferedImage;
import java.io.IOException;
import java.io.InputStream;
import javax.imageio.ImageIO;
import orbhost.Phone;

public class Image {
    final BufferedImage pixels;

    Image(BufferedImage pixels) {
        this.pixels = pixels;
    }

    /** A new mutable image is white, as on MIDP. */
    public static Image createImage(int width, int height) {
        BufferedImage b = new BufferedImage(width, height, BufferedImage.TYPE_INT_ARGB);
        java.awt.Graphics2D g = b.createGraphics();
        g.setColor(java.awt.Color.WHITE);
        g.fillRect(0, 0, width, height);
        g.dispose();
        return new Image(b);
    }

    public static Image createImage(String name) throws IOException {
        try (InputStream in = Phone.current().resource(name)) {
            if (in == null) throw new IOException(name);
            BufferedImage read = ImageIO.read(in);
            if (read == null) throw new IOException(name);
            return new Image(read);
        }
    }

    public Graphics getGraphics() {
        return new Graphics(pixels);
    }

    public int getWidth() {
        return pixels.getWidth();
    }

    public int getHeight() {
        return pixels.getHeight();
    }

    public void getRGB(int[] argb, int offset, int scanlength, int x, int y, int width, int height) {
        pixels.getRGB(x, y, width, height, argb, offset, scanlength);
    }

    public BufferedImage hostPixels() {
        return pixels;
    }
}
