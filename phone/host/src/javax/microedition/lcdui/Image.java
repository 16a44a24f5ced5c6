package javax.microedition.lcdui;

import java.awt.color.ColorSpace;
import java.awt.image.BufferedImage;
import java.awt.image.ComponentColorModel;
import java.awt.image.Raster;
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
            return new Image(asDecoded(read));
        }
    }

    /**
     * The ARGB words a phone's PNG decoder gives: grey as it is and 16-bit
     * samples cut to their high byte. Java SE's getRGB would take grey as
     * linear light (brightening it) and round 16-bit samples instead.
     */
    private static BufferedImage asDecoded(BufferedImage read) {
        if (!(read.getColorModel() instanceof ComponentColorModel)) return read;
        boolean grey = read.getColorModel().getColorSpace().getType() == ColorSpace.TYPE_GRAY;
        int bits = read.getColorModel().getComponentSize(0);
        if (!grey && bits == 8) return read;
        Raster raster = read.getRaster();
        int bands = raster.getNumBands(), colours = grey ? 1 : 3;
        BufferedImage out = new BufferedImage(read.getWidth(), read.getHeight(), BufferedImage.TYPE_INT_ARGB);
        for (int y = 0; y < read.getHeight(); y++) {
            for (int x = 0; x < read.getWidth(); x++) {
                int r = eightBits(raster.getSample(x, y, 0), bits);
                int g = grey ? r : eightBits(raster.getSample(x, y, 1), bits);
                int b = grey ? r : eightBits(raster.getSample(x, y, 2), bits);
                int a = bands > colours ? eightBits(raster.getSample(x, y, colours), bits) : 255;
                out.setRGB(x, y, a << 24 | r << 16 | g << 8 | b);
            }
        }
        return out;
    }

    /** Fewer bits are spread over 0..255; more keep their high byte. */
    private static int eightBits(int sample, int bits) {
        if (bits < 8) return sample * 255 / ((1 << bits) - 1);
        return sample >> (bits - 8);
    }

    public Graphics getGraphics() {
        return new Graphics(pixels, false);
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
