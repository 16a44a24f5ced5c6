package java.io;
public class ByteArrayInputStream extends InputStream {
    public ByteArrayInputStream(byte[] buf) {}
    public native int read();
}
