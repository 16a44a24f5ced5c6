package java.io;
public abstract class InputStream {
    public abstract int read() throws IOException;
    public native int read(byte[] b, int off, int len) throws IOException;
    public native void close() throws IOException;
}
